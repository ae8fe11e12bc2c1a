#include "common/safefile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QSaveFile>

#include <algorithm>
#include <cstring>
#include <memory>

#include <cerrno>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <system_error>
#include <thread>
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
        *reason = QCoreApplication::translate("SafeFileText", why);
    return false;
}

namespace {

// ReadInputFile through QFile: where the system calls are not at hand, and for the
// program's own resources (":/...").
bool ReadThroughQFile(const QString &path, QByteArray &bytes, QString *reason)
{
    const char *why = nullptr;
    QFile file(path);
    if (!OpenInputFile(file, reason))
        return false;
    // Read up to one byte past the limit, so that a file that grows while it is read is
    // still refused rather than followed without end.
    bytes.resize(qMin(file.size(), kMaxInputFileSize) + 1);
    qint64 have = 0;
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
        *reason = QCoreApplication::translate("SafeFileText", why);
    return false;
}

} // namespace

#ifdef Q_OS_UNIX
namespace {

// Opens `name` when it is a regular file of at most kMaxInputFileSize bytes: one stat, one
// open, one fstat. The name is looked at before opening: opening a device may do
// something, opening a pipe would wait for a writer. The open file is looked at again, in
// case the name now leads somewhere else. Returns the descriptor, or -1 with `why` set.
int OpenRegularFile(const QByteArray &name, qint64 &size, const char *&why)
{
    struct stat st {};
    int fd = -1;
    if (name.isEmpty() || ::stat(name.constData(), &st) != 0)
        why = SafeFileText::kMissing;
    else if (!S_ISREG(st.st_mode))
        why = SafeFileText::kNotRegular;
    else if (st.st_size > kMaxInputFileSize)
        why = SafeFileText::kTooLarge;
    else if ((fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC)) < 0 || ::fstat(fd, &st) != 0)
        why = SafeFileText::kUnreadable;
    else if (!S_ISREG(st.st_mode))
        why = SafeFileText::kNotRegular;
    else if (st.st_size > kMaxInputFileSize)
        why = SafeFileText::kTooLarge;
    if (!why) {
        size = st.st_size;
        return fd;
    }
    if (fd >= 0)
        ::close(fd);
    return -1;
}

} // namespace
#endif

bool ReadInputFile(const QString &path, QByteArray &bytes, QString *reason)
{
#ifdef Q_OS_UNIX
    if (path.startsWith(QLatin1Char(':')))
        return ReadThroughQFile(path, bytes, reason);
    const char *why = nullptr;
    qint64 size = 0;
    const int fd = OpenRegularFile(QFile::encodeName(path), size, why);
    if (!why) {
        // Read up to one byte past the limit, so that a file that grows while it is read
        // is still refused rather than followed without end.
        bytes.resize(qsizetype(qMin<qint64>(size, kMaxInputFileSize) + 1));
        qint64 have = 0;
        for (;;) {
            if (have == bytes.size()) {
                if (have > kMaxInputFileSize) {
                    why = SafeFileText::kTooLarge;
                    break;
                }
                bytes.resize(qsizetype(qMin(2 * have, kMaxInputFileSize + 1)));
            }
            const ssize_t n = ::read(fd, bytes.data() + have, size_t(bytes.size() - have));
            if (n < 0 && errno == EINTR)
                continue;
            if (n < 0) {
                why = SafeFileText::kUnreadable;
                break;
            }
            if (n == 0)
                break;
            have += n;
        }
        bytes.resize(qsizetype(have));
    }
    if (fd >= 0)
        ::close(fd);
    if (!why)
        return true;
    bytes.clear();
    if (reason)
        *reason = QString::fromLatin1(why);
    return false;
#else
    return ReadThroughQFile(path, bytes, reason);
#endif
}

InputFile::InputFile() = default;

InputFile::~InputFile()
{
#ifdef Q_OS_UNIX
    if (fd_ >= 0)
        ::close(fd_);
#endif
}

bool InputFile::Open(const QString &path, QString *reason)
{
#ifdef Q_OS_UNIX
    if (!path.startsWith(QLatin1Char(':'))) {
        const char *why = nullptr;
        fd_ = OpenRegularFile(QFile::encodeName(path), size_, why);
        if (why && reason)
            *reason = QString::fromLatin1(why);
        return !why;
    }
#endif
    file_ = std::make_unique<QFile>(path);
    if (!OpenInputFile(*file_, reason)) {
        file_.reset();
        return false;
    }
    size_ = file_->size();
    return true;
}

qint64 InputFile::Read(char *to, qint64 max)
{
    if (file_)
        return file_->read(to, max);
#ifdef Q_OS_UNIX
    if (fd_ < 0)
        return -1;
    for (;;) {
        const ssize_t n = ::read(fd_, to, size_t(max));
        if (n >= 0 || errno != EINTR)
            return n;
    }
#else
    return -1;
#endif
}

bool InputFile::Seek(qint64 offset)
{
    if (file_)
        return file_->seek(offset);
#ifdef Q_OS_UNIX
    return fd_ >= 0 && ::lseek(fd_, off_t(offset), SEEK_SET) == off_t(offset);
#else
    return false;
#endif
}

QString SystemReason(const QString &path, int error)
{
#if defined(__GLIBC__) && (__GLIBC__ > 2 || (__GLIBC__ == 2 && __GLIBC_MINOR__ >= 32))
    // Untranslated: the program's messages are English, also under another locale.
    const char *text = ::strerrordesc_np(error);
#else
    const char *text = std::strerror(error);
#endif
    const QString words = text ? QString::fromLocal8Bit(text) : QStringLiteral("Error %1").arg(error);
    return path + QStringLiteral(": ") + words;
}

namespace {

QString Shown(const QString &path)
{
    return QDir::fromNativeSeparators(path);
}

// An existing target that is neither a regular file nor a folder.
bool IsDeviceOrPipe(const QString &path)
{
    const QFileInfo info(path);
    return info.exists() && !info.isFile() && !info.isDir();
}

#ifdef Q_OS_UNIX
// Hands every byte to the system: 0, or the error number of the write that failed.
int WriteWhole(int fd, const QByteArray &bytes)
{
    const char *at = bytes.constData();
    for (qint64 left = bytes.size(); left > 0;) {
        const ssize_t n = ::write(fd, at, size_t(left));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return n < 0 ? errno : EIO;
        at += n;
        left -= n;
    }
    return 0;
}
#endif

WriteResult WriteDirectly(const QString &path, const QByteArray &bytes)
{
#ifdef Q_OS_UNIX
    // Opened without waiting, so that a pipe nobody reads fails at once instead of
    // blocking the program for good; the writes then wait as usual.
    const int fd = ::open(QFile::encodeName(path).constData(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return WriteResult::Failed(SystemReason(Shown(path), errno));
    const int flags = ::fcntl(fd, F_GETFL);
    const int error = flags < 0 || ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK) != 0 ? errno : WriteWhole(fd, bytes);
    ::close(fd);
    return error ? WriteResult::Failed(SystemReason(Shown(path), error)) : WriteResult::Done();
#else
    QFile file(path);
    if (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.flush())
        return WriteResult::Done();
    return WriteResult::Failed(Shown(path) + QStringLiteral(": ") + file.errorString());
#endif
}

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

// The file a name leads to, symbolic links followed as far as they go (the last may lead
// to a file not there yet), so that a link stays and its file is replaced.
QString FinalName(const QString &path)
{
    QFileInfo info(path);
    for (int depth = 0; depth < 64 && info.isSymLink(); ++depth)
        info.setFile(info.symLinkTarget());
    return info.isSymLink() ? path : info.filePath();
}

// Whether a sync call put its file on the medium, or was not needed: a file system that
// offers no syncing (it answers EINVAL) keeps nothing in a cache for it.
bool Synced(int result)
{
    return result == 0 || errno == EINVAL || errno == ENOTSUP;
}

// A new file written beside the file it is to replace, under a temporary name that is
// removed unless the file took its target's place. A step that fails keeps the system's
// reason, with the target's name as the caller gave it.
class StagedFile
{
public:
    StagedFile() = default;
    StagedFile(const StagedFile &) = delete;
    StagedFile &operator=(const StagedFile &) = delete;
    ~StagedFile()
    {
        if (fd_ >= 0)
            ::close(fd_);
        if (!temp_.isEmpty())
            ::unlink(temp_.constData());
    }

    // Writes `bytes` to the new file, which gets the permission bits, owner and group of
    // `model` where it exists (as far as the system allows), the usual ones otherwise.
    // Every byte is handed to the system here, so that a full disk or a file size limit
    // fails this step, before any target is replaced.
    bool Write(const QString &path, const QByteArray &bytes, const QString &model)
    {
        shown_ = Shown(path);
        target_ = QFile::encodeName(FinalName(path));
        // A folder is not replaced, nor a file that may not be written.
        struct stat st;
        if (::stat(target_.constData(), &st) == 0) {
            if (S_ISDIR(st.st_mode))
                return Fail(EISDIR);
            if (::access(target_.constData(), W_OK) != 0)
                return Fail(errno);
        }
        for (int attempt = 0; attempt < 8 && fd_ < 0; ++attempt) {
            temp_ = TemporaryName(target_);
            fd_ = ::open(temp_.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
            if (fd_ < 0 && errno != EEXIST)
                break;
        }
        if (fd_ < 0) {
            temp_.clear();
            return Fail(errno);
        }
        if (::stat(QFile::encodeName(model).constData(), &st) == 0) {
            // A shared phonebook stays in its group, one saved by root stays its user's;
            // the owner is set first, as that may clear permission bits.
            if (::fchown(fd_, st.st_uid, st.st_gid) != 0)
                (void)!::fchown(fd_, uid_t(-1), st.st_gid);
            if (::fchmod(fd_, st.st_mode & 0777) != 0)
                return Fail(errno);
        }
        const int error = WriteWhole(fd_, bytes);
        return error == 0 || Fail(error);
    }

    // Puts the new file's bytes on the medium.
    bool Sync() { return Synced(::fdatasync(fd_)) || Fail(errno); }

    // Renames the new file over its target.
    bool Replace()
    {
        const bool closed = ::close(fd_) == 0;
        fd_ = -1;
        if (!closed)
            return Fail(errno);
        if (::rename(temp_.constData(), target_.constData()) != 0)
            return Fail(errno);
        temp_.clear();
        return true;
    }

    QString Folder() const { return QFileInfo(QFile::decodeName(target_)).absolutePath(); }
    const QString &Reason() const { return reason_; }

private:
    bool Fail(int error)
    {
        reason_ = SystemReason(shown_, error);
        return false;
    }

    int fd_ = -1;
    QByteArray temp_;
    QByteArray target_;
    QString shown_;
    QString reason_;
};

// Puts every staged file on the medium. The calls are made at the same time, so that the
// system can serve them with one write of its journal and one flush of the disk's cache
// instead of one each. On failure `reason` is the first failed file's.
bool SyncAll(const std::vector<std::unique_ptr<StagedFile>> &files, QString &reason)
{
    std::vector<char> synced(files.size(), 0);
    std::vector<std::thread> helpers;
    for (size_t i = 1; i < files.size(); ++i) {
        try {
            helpers.emplace_back([&files, &synced, i] { synced[i] = files[i]->Sync(); });
        } catch (const std::system_error &) {
            synced[i] = files[i]->Sync();
        }
    }
    if (!files.empty())
        synced[0] = files[0]->Sync();
    for (std::thread &helper : helpers)
        helper.join();
    for (size_t i = 0; i < files.size(); ++i) {
        if (!synced[i]) {
            reason = files[i]->Reason();
            return false;
        }
    }
    return true;
}

// Puts a folder's entries on the medium, so that files renamed into it are found there
// under their new names (on a FAT memory stick, too, when it is pulled right after). A
// folder that cannot be opened, or a system that does not sync folders, is let pass.
bool SyncFolder(const QString &folder, QString &reason)
{
    const int fd = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return true;
    const bool synced = Synced(::fsync(fd));
    if (!synced)
        reason = SystemReason(Shown(folder), errno);
    ::close(fd);
    return synced;
}
#else
// Elsewhere QSaveFile does the work: it writes beside its target, syncs and renames over
// the target on commit, and removes its temporary file unless committed.
class StagedFile
{
public:
    bool Write(const QString &path, const QByteArray &bytes, const QString &model)
    {
        file_ = std::make_unique<QSaveFile>(path);
        // flush() hands the bytes to the system now: commit() would not see that error.
        return (file_->open(QIODevice::WriteOnly) && file_->write(bytes) == bytes.size() && file_->flush()
                && (!QFile::exists(model) || file_->setPermissions(QFile::permissions(model))))
            || Fail(path);
    }
    bool Sync() { return true; }
    bool Replace() { return file_->commit() || Fail(file_->fileName()); }
    QString Folder() const { return QString(); }
    const QString &Reason() const { return reason_; }

private:
    bool Fail(const QString &path)
    {
        reason_ = Shown(path) + QStringLiteral(": ") + file_->errorString();
        return false;
    }

    std::unique_ptr<QSaveFile> file_;
    QString reason_;
};

bool SyncAll(const std::vector<std::unique_ptr<StagedFile>> &, QString &) { return true; }
bool SyncFolder(const QString &, QString &) { return true; }
#endif

// Syncs the new files, lets them replace their targets in order, and syncs the folders
// they are in (unless told not to): when this succeeds, the new files are on the medium
// under their names.
WriteResult ReplaceAll(const std::vector<std::unique_ptr<StagedFile>> &files,
                       const std::function<void()> &beforeReplacing = nullptr, bool syncFolders = true)
{
    QString reason;
    if (!SyncAll(files, reason))
        return WriteResult::Failed(reason);
    if (beforeReplacing)
        beforeReplacing();
    QStringList folders;
    for (const auto &file : files) {
        if (!file->Replace())
            return WriteResult::Failed(file->Reason());
        if (!folders.contains(file->Folder()))
            folders.append(file->Folder());
    }
    if (syncFolders)
        for (const QString &folder : folders)
            if (!SyncFolder(folder, reason))
                return WriteResult::Failed(reason);
    return WriteResult::Done();
}

WriteResult WriteCopy(const QString &path, const QByteArray &bytes, const QString &model, bool syncFolder)
{
    if (IsDeviceOrPipe(path))
        return WriteResult::Failed(Shown(path) + QStringLiteral(": ") + QCoreApplication::translate("SafeFileText", SafeFileText::kNotRegular));
    std::vector<std::unique_ptr<StagedFile>> file;
    file.push_back(std::make_unique<StagedFile>());
    if (!file.back()->Write(path, bytes, model))
        return WriteResult::Failed(file.back()->Reason());
    return ReplaceAll(file, nullptr, syncFolder);
}

} // namespace

WriteResult WriteFileAtomic(const QString &path, const QByteArray &bytes)
{
    return WriteFilesAtomic({{path, bytes}});
}

WriteResult WriteFilesAtomic(const std::vector<std::pair<QString, QByteArray>> &files,
                             const std::function<void()> &beforeReplacing)
{
    std::vector<std::unique_ptr<StagedFile>> staged;
    for (const auto &[path, bytes] : files) {
        if (IsDeviceOrPipe(path)) {
            if (const WriteResult direct = WriteDirectly(path, bytes); !direct)
                return direct;
            continue;
        }
        staged.push_back(std::make_unique<StagedFile>());
        if (!staged.back()->Write(path, bytes, path))
            return WriteResult::Failed(staged.back()->Reason());
    }
    return ReplaceAll(staged, beforeReplacing);
}

namespace {

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
    // The copy's bytes are synced, its name in the folder goes to the medium with the
    // new file's that follows.
    QByteArray bytes;
    return ReadInputFile(source, bytes) && WriteCopy(backup, bytes, source, false).ok;
}
