#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

// Small file helpers for tests: whole files in and out, and writable copies of the
// read-only sample data.

inline QByteArray ReadAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

inline bool WriteAll(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(bytes) == bytes.size();
}

// Copies a file and makes the copy writable (the sample files are read-only).
inline bool CopyWritable(const QString &from, const QString &to)
{
    QFile::remove(to);
    return QFile::copy(from, to) && QFile::setPermissions(to, QFile::ReadOwner | QFile::WriteOwner);
}
