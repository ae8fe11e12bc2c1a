#pragma once

#include "common/prompter.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdlib>

// A Prompter for fuzzing: answers every question with a fixed choice and shows nothing.
class FuzzPrompter : public Prompter
{
public:
    explicit FuzzPrompter(bool yes = true) : yes_(yes) {}
    void Information(const QString &) override {}
    bool OkCancel(const QString &) override { return yes_; }
    bool YesNo(const QString &) override { return yes_; }
    Answer YesNoCancel(const QString &) override { return yes_ ? Answer::Yes : Answer::No; }
    QStringList ChooseFiles(const FileRequest &) override { return {}; }
    void ProgressOpen(const QString &, int) override {}
    bool ProgressStep(int) override { return true; }
    void ProgressClose() override {}
    bool OpenUrl(const QString &) override { return false; }

private:
    bool yes_;
};

// One scratch folder for the whole run (files are overwritten by each input).
inline QTemporaryDir &FuzzDir()
{
    static QTemporaryDir dir;
    return dir;
}

inline QString FuzzWrite(const QString &name, const QByteArray &bytes)
{
    const QString path = FuzzDir().filePath(name);
    QFile f(path);
    if (f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        f.write(bytes);
    return path;
}

inline void FuzzRemove(const QString &name)
{
    QFile::remove(FuzzDir().filePath(name));
}

// Splits an input at the first occurrence of a separator line into two parts.
inline void FuzzSplit(const uint8_t *data, size_t size, QByteArray &first, QByteArray &second)
{
    const QByteArray all(reinterpret_cast<const char *>(data), int(size));
    const int cut = int(all.indexOf("\n====\n"));
    if (cut < 0) {
        first = all;
        second.clear();
    } else {
        first = all.left(cut);
        second = all.mid(cut + 6);
    }
}

#define FUZZ_CHECK(cond)                                                                                               \
    do {                                                                                                               \
        if (!(cond))                                                                                                   \
            std::abort();                                                                                              \
    } while (0)
