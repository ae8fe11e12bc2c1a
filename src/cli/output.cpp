#include "cli/output.h"

#include "common/prompter.h"

#include <QDir>
#include <QFile>
#include <QTemporaryFile>

#include <cstdio>

namespace {

// Copies a file to standard output in pieces, so that a large export is never held whole.
bool CopyToStdout(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    char buffer[65536];
    for (;;) {
        const qint64 n = file.read(buffer, sizeof buffer);
        if (n < 0)
            return false;
        if (n == 0)
            break;
        if (std::fwrite(buffer, 1, size_t(n), stdout) != size_t(n))
            return false;
    }
    return std::fflush(stdout) == 0;
}

} // namespace

bool CliWriteOutput(const QString &path, const std::function<bool(const QString &file)> &write, Prompter &prompter)
{
    if (path != QLatin1String("-"))
        return write(path);
    // The temporary file is removed when `temp` goes, also when the writer replaced it.
    QTemporaryFile temp(QDir::tempPath() + QStringLiteral("/kestravon-cli-XXXXXX"));
    if (!temp.open()) {
        prompter.Information(QStringLiteral("Error writing standard output"));
        return false;
    }
    temp.close();
    if (!write(temp.fileName()))
        return false;
    if (CopyToStdout(temp.fileName()))
        return true;
    prompter.Information(QStringLiteral("Error writing standard output"));
    return false;
}
