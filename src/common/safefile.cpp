#include "common/safefile.h"

#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QSaveFile>

#include <memory>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

bool OpenInputFile(QFile &file, QString *reason)
{
    const char *why = nullptr;
    // Looked at before opening: opening a pipe would wait for a writer.
    const QFileInfo info(file.fileName());
    if (!info.exists())
        why = SafeFileText::kMissing;
    else if (!info.isFile())
        why = SafeFileText::kNotRegular;
    else if (info.size() > kMaxInputFileSize)
        why = SafeFileText::kTooLarge;
    else if (!file.open(QIODevice::ReadOnly))
        why = SafeFileText::kUnreadable;
    // ... and again on the open file, in case the name now leads somewhere else.
    else if (file.isSequential())
        why = SafeFileText::kNotRegular;
    else if (file.size() > kMaxInputFileSize)
        why = SafeFileText::kTooLarge;
    if (!why)
        return true;
    file.close();
    if (reason)
        *reason = QString::fromLatin1(why);
    return false;
}

bool ReadInputFile(const QString &path, QByteArray &bytes, QString *reason)
{
    QFile file(path);
    if (!OpenInputFile(file, reason))
        return false;
    // Read up to one byte past the limit, so that a file that grows while it is read is
    // still refused rather than followed without end.
    bytes.resize(qMin(file.size(), kMaxInputFileSize) + 1);
    qint64 have = 0;
    const char *why = nullptr;
    for (;;) {
        if (have == bytes.size()) {
            if (have > kMaxInputFileSize) {
                why = SafeFileText::kTooLarge;
                break;
            }
            bytes.resize(qMin(2 * have, kMaxInputFileSize + 1));
        }
        const qint64 n = file.read(bytes.data() + have, bytes.size() - have);
        if (n < 0) {
            why = SafeFileText::kUnreadable;
            break;
        }
        if (n == 0)
            break;
        have += n;
    }
    bytes.resize(have);
    if (!why)
        return true;
    bytes.clear();
    if (reason)
        *reason = QString::fromLatin1(why);
    return false;
}

namespace {

// An existing target that is neither a regular file nor a folder.
bool IsDeviceOrPipe(const QString &path)
{
    const QFileInfo info(path);
    return info.exists() && !info.isFile() && !info.isDir();
}

bool WriteDirectly(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
#ifdef Q_OS_UNIX
    // Opened without waiting, so that a pipe nobody reads fails at once instead of
    // blocking the program for good; the writes then wait as usual.
    const int fd = ::open(QFile::encodeName(path).constData(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return false;
    const int flags = ::fcntl(fd, F_GETFL);
    if (flags < 0 || ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK) != 0
        || !file.open(fd, QIODevice::WriteOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return false;
    }
#else
    if (!file.open(QIODevice::WriteOnly))
        return false;
#endif
    return file.write(bytes) == bytes.size() && file.flush();
}

// Gives the new file the owner and group of `model` (when it exists) as far as the system
// allows: a shared phonebook stays in its group, and one saved by root stays its user's.
// QSaveFile keeps only the permission bits.
void TakeOwner(QSaveFile &file, const QString &model)
{
#ifdef Q_OS_UNIX
    struct stat st;
    if (::stat(QFile::encodeName(model).constData(), &st) != 0)
        return;
    if (::fchown(file.handle(), st.st_uid, st.st_gid) != 0)
        (void)!::fchown(file.handle(), uid_t(-1), st.st_gid);
#else
    Q_UNUSED(file);
    Q_UNUSED(model);
#endif
}

// Writes `bytes` to the temporary file of a QSaveFile for `path`, owned like `model`, or
// null on failure. QSaveFile writes beside its target and renames over it on commit; one
// that is not committed removes its temporary file when destroyed.
std::unique_ptr<QSaveFile> Stage(const QString &path, const QByteArray &bytes, const QString &model)
{
    auto file = std::make_unique<QSaveFile>(path);
    if (!file->open(QIODevice::WriteOnly))
        return nullptr;
    TakeOwner(*file, model);
    // flush() hands the bytes to the system now, so that a full disk or a file size
    // limit shows before any target is replaced (commit() would not see that error).
    if (file->write(bytes) != bytes.size() || !file->flush())
        return nullptr;
    return file;
}

} // namespace

bool WriteFileAtomic(const QString &path, const QByteArray &bytes)
{
    return WriteFilesAtomic({{path, bytes}});
}

bool WriteFileCopy(const QString &path, const QByteArray &bytes, const QString &model)
{
    if (IsDeviceOrPipe(path))
        return false;
    const auto file = Stage(path, bytes, model);
    return file && file->setPermissions(QFile::permissions(model)) && file->commit();
}

bool WriteFilesAtomic(const std::vector<std::pair<QString, QByteArray>> &files,
                      const std::function<void()> &beforeReplacing)
{
    std::vector<std::unique_ptr<QSaveFile>> open;
    for (const auto &[path, bytes] : files) {
        if (IsDeviceOrPipe(path)) {
            if (!WriteDirectly(path, bytes))
                return false;
            continue;
        }
        auto file = Stage(path, bytes, path);
        if (!file)
            return false;
        open.push_back(std::move(file));
    }
    if (beforeReplacing)
        beforeReplacing();
    for (const auto &file : open)
        if (!file->commit())
            return false;
    return true;
}

namespace {

#ifdef Q_OS_UNIX
// A name beside `path` for a moment's use: `path` with six random letters and digits.
QByteArray TemporaryName(const QByteArray &path)
{
    static const char kLetters[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    QByteArray name = path + '.';
    for (int i = 0; i < 6; ++i)
        name += kLetters[QRandomGenerator::global()->bounded(int(sizeof kLetters) - 1)];
    return name;
}
#endif

// A regular file that has no name besides `path` (a symbolic link followed).
bool IsOnlyName(const QString &path)
{
#ifdef Q_OS_UNIX
    struct stat st;
    return ::stat(QFile::encodeName(path).constData(), &st) == 0 && S_ISREG(st.st_mode) && st.st_nlink == 1;
#else
    Q_UNUSED(path);
    return false;
#endif
}

} // namespace

bool LinkFileAtomic(const QString &source, const QString &path)
{
#ifdef Q_OS_UNIX
    const QByteArray from = QFile::encodeName(source);
    const QByteArray to = QFile::encodeName(path);
    struct stat src;
    struct stat dst;
    if (::stat(from.constData(), &src) != 0 || !S_ISREG(src.st_mode))
        return false;
    if (::lstat(to.constData(), &dst) == 0) {
        // A symbolic link would be replaced rather than the file it leads to.
        if (!S_ISREG(dst.st_mode))
            return false;
        if (dst.st_dev == src.st_dev && dst.st_ino == src.st_ino)
            return true;
    } else if (errno != ENOENT) {
        return false;
    }
    for (int attempt = 0; attempt < 8; ++attempt) {
        const QByteArray temp = TemporaryName(to);
        if (::linkat(AT_FDCWD, from.constData(), AT_FDCWD, temp.constData(), AT_SYMLINK_FOLLOW) != 0) {
            if (errno == EEXIST)
                continue;
            return false;
        }
        const bool renamed = ::rename(temp.constData(), to.constData()) == 0;
        // Removed in every case: a rename between two names of the same file keeps both.
        ::unlink(temp.constData());
        return renamed;
    }
    return false;
#else
    Q_UNUSED(source);
    Q_UNUSED(path);
    return false;
#endif
}

bool BackUpFile(const QString &source, const QString &backup)
{
    if (IsOnlyName(source) && LinkFileAtomic(source, backup))
        return true;
    QByteArray bytes;
    return ReadInputFile(source, bytes) && WriteFileCopy(backup, bytes, source);
}
