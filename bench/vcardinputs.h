#pragma once

// The vCard files the reader is measured on, as real exporters write them: Android's
// Contacts app (vCard 2.1, Quoted-Printable UTF-8 with CHARSET, a folded photo), iCloud
// (vCard 3.0, grouped "item1." properties, TYPE lists, escaped texts), one card of about
// 1 MB, and the real sample cards of the test data copied into single-card files.

#include "support/phoneexport.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <QStringList>

// An iCloud export of `cards` contacts in one file.
inline QByteArray ICloudExport(int cards)
{
    static const char *const given[] = {"Jürgen", "Zoë", "François", "Ñandú", "Anna", "Björn", "Łukasz", "Marie"};
    static const char *const family[] = {"Müller", "Kovačević", "Lefèvre", "Peña", "Rossi", "Ågren", "Wróbel", "Dubois"};
    QByteArray out;
    for (int i = 0; i < cards; ++i) {
        const QByteArray n = QByteArray::number(i);
        const QByteArray first = QByteArray(given[i % 8]);
        const QByteArray last = QByteArray(family[(i / 8) % 8]) + ' ' + n;
        out += "BEGIN:VCARD\r\nVERSION:3.0\r\nPRODID:-//Apple Inc.//iOS 17.1//EN\r\n";
        out += "N:" + last + ";" + first + ";;;\r\nFN:" + first + " " + last + "\r\n";
        if (i % 3 == 0)
            out += "ORG:Example\\, Inc.;Sales\r\nTITLE:Account Manager\r\n";
        out += "item1.EMAIL;type=INTERNET;type=pref:" + first.toLower() + "." + n + "@icloud.example\r\n";
        out += "TEL;type=CELL;type=VOICE;type=pref:+49 171 " + QByteArray::number(1000000 + i) + "\r\n";
        if (i % 2)
            out += "TEL;type=HOME;type=VOICE:+49 30 " + QByteArray::number(2000000 + i) + "\r\n";
        if (i % 4 == 1)
            out += "TEL;type=WORK;type=FAX:+49 30 " + QByteArray::number(3000000 + i) + "\r\n";
        out += "item2.ADR;type=HOME;type=pref:;;Hauptstraße " + QByteArray::number(1 + i % 200)
               + ";Berlin;;10115;Germany\r\nitem2.X-ABADR:de\r\n";
        if (i % 5 == 0)
            out += "item3.URL;type=pref:https\\://www.example.com/" + n + "\r\nitem3.X-ABLabel:_$!<HomePage>!$_\r\n";
        if (i % 2 == 0)
            out += "NOTE:Met at the fair\\, hall " + n + "\\nCall back in spring\r\n";
        out += "BDAY;value=date:1980-0" + QByteArray::number(1 + i % 9) + "-1" + QByteArray::number(i % 10) + "\r\n";
        out += "REV:2024-03-01T12:00:00Z\r\nUID:" + QByteArray::number(0x1000000 + i, 16) + "-ABCD-4EF0-9A1B-0123456789AB\r\n";
        out += "END:VCARD\r\n";
    }
    return out;
}

// About 1 MB in one card: a long folded photo, Quoted-Printable notes and many phones.
inline QByteArray BigCard()
{
    QByteArray bytes = "BEGIN:VCARD\r\nVERSION:2.1\r\nFN:Big Card\r\n";
    while (bytes.size() < 1000000) {
        bytes += "TEL;PREF;WORK;VOICE:+39 06 1234567\r\n";
        bytes += "NOTE;CHARSET=UTF-8;ENCODING=QUOTED-PRINTABLE:caf=C3=A9 cr=C3=A8me br=C3=BBl=C3=A9e =\r\n"
                 "and more text on the next line\r\n";
        bytes += "PHOTO;ENCODING=BASE64;JPEG:/9j/4AAQSkZJRgABAQAAAQABAAD/2wBDAAIBAQEBAQIBAQE\r\n";
        for (int i = 0; i < 20; ++i)
            bytes += " CAgICAgQDAgICAgUEBAMEBgUGBgYFBgYGBwkIBgcJBwYGCAsICQoKCgoKBggLDAsKDAkKCgr/\r\n";
    }
    bytes += "END:VCARD\r\n";
    return bytes;
}

inline bool WriteBenchFile(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

// `count` single-card files in `dir`: the cards of the sample files (every card of a file
// of several), in turn.
inline QStringList SingleCardFiles(const QString &dir, const QString &samples, int count)
{
    QList<QByteArray> cards;
    const QDir source(samples);
    for (const QString &name : source.entryList({QStringLiteral("*.vcf")}, QDir::Files, QDir::Name)) {
        QFile f(source.filePath(name));
        if (!f.open(QIODevice::ReadOnly))
            continue;
        const QByteArray all = f.readAll();
        const QByteArray upper = all.toUpper();
        qsizetype from = 0;
        for (;;) {
            const qsizetype end = upper.indexOf("END:VCARD", from);
            if (end < 0)
                break;
            qsizetype next = all.indexOf('\n', end);
            next = next < 0 ? all.size() : next + 1;
            cards << all.mid(from, next - from);
            from = next;
        }
    }
    if (cards.isEmpty())
        cards << QByteArray("BEGIN:VCARD\r\nVERSION:2.1\r\nFN:Anna\r\nTEL;CELL:12345\r\nEND:VCARD\r\n");
    QDir().mkpath(dir);
    QStringList files;
    for (int i = 0; i < count; ++i) {
        const QString path = QDir(dir).filePath(QStringLiteral("%1.vcf").arg(i, 4, 10, QLatin1Char('0')));
        WriteBenchFile(path, cards.at(i % cards.size()));
        files << path;
    }
    return files;
}
