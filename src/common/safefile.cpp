#include "common/safefile.h"

#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QSaveFile>

#include <algorithm>
#include <memory>

#ifdef Q_OS_UNIX
#include <cerrno>
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
// removed unless the file took its target's place.
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
        target_ = QFile::encodeName(FinalName(path));
        // A folder is not replaced, nor a file that may not be written.
        struct stat st;
        if (::stat(target_.constData(), &st) == 0 && (S_ISDIR(st.st_mode) || ::access(target_.constData(), W_OK) != 0))
            return false;
        for (int attempt = 0; attempt < 8 && fd_ < 0; ++attempt) {
            temp_ = TemporaryName(target_);
            fd_ = ::open(temp_.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
            if (fd_ < 0 && errno != EEXIST)
                break;
        }
        if (fd_ < 0) {
            temp_.clear();
            return false;
        }
        if (::stat(QFile::encodeName(model).constData(), &st) == 0) {
            // A shared phonebook stays in its group, one saved by root stays its user's;
            // the owner is set first, as that may clear permission bits.
            if (::fchown(fd_, st.st_uid, st.st_gid) != 0)
                (void)!::fchown(fd_, uid_t(-1), st.st_gid);
            if (::fchmod(fd_, st.st_mode & 0777) != 0)
                return false;
        }
        const char *at = bytes.constData();
        for (qint64 left = bytes.size(); left > 0;) {
            const ssize_t n = ::write(fd_, at, size_t(left));
            if (n < 0 && errno == EINTR)
                continue;
            if (n <= 0)
                return false;
            at += n;
            left -= n;
        }
        return true;
    }

    // Puts the new file's bytes on the medium.
    bool Sync() const { return Synced(::fdatasync(fd_)); }

    // Renames the new file over its target.
    bool Replace()
    {
        const bool closed = ::close(fd_) == 0;
        fd_ = -1;
        if (!closed || ::rename(temp_.constData(), target_.constData()) != 0)
            return false;
        temp_.clear();
        return true;
    }

    QString Folder() const { return QFileInfo(QFile::decodeName(target_)).absolutePath(); }

private:
    int fd_ = -1;
    QByteArray temp_;
    QByteArray target_;
};

// Puts every staged file on the medium. The calls are made at the same time, so that the
// system can serve them with one write of its journal and one flush of the disk's cache
// instead of one each.
bool SyncAll(const std::vector<std::unique_ptr<StagedFile>> &files)
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
    return std::all_of(synced.begin(), synced.end(), [](char ok) { return ok != 0; });
}

// Puts a folder's entries on the medium, so that files renamed into it are found there
// under their new names (on a FAT memory stick, too, when it is pulled right after). A
// folder that cannot be opened, or a system that does not sync folders, is let pass.
bool SyncFolder(const QString &folder)
{
    const int fd = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return true;
    const bool synced = Synced(::fsync(fd));
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
        return file_->open(QIODevice::WriteOnly) && file_->write(bytes) == bytes.size() && file_->flush()
            && (!QFile::exists(model) || file_->setPermissions(QFile::permissions(model)));
    }
    bool Replace() { return file_->commit(); }
    QString Folder() const { return QString(); }

private:
    std::unique_ptr<QSaveFile> file_;
};

bool SyncAll(const std::vector<std::unique_ptr<StagedFile>> &) { return true; }
bool SyncFolder(const QString &) { return true; }
#endif

// Writes `bytes` to a new file that is to replace `path`, or null on failure.
std::unique_ptr<StagedFile> Stage(const QString &path, const QByteArray &bytes, const QString &model)
{
    auto file = std::make_unique<StagedFile>();
    if (!file->Write(path, bytes, model))
        return nullptr;
    return file;
}

// Syncs the new files, lets them replace their targets in order, and syncs the folders
// they are in (unless told not to): when this returns true, the new files are on the
// medium under their names.
bool ReplaceAll(const std::vector<std::unique_ptr<StagedFile>> &files,
                const std::function<void()> &beforeReplacing = nullptr, bool syncFolders = true)
{
    if (!SyncAll(files))
        return false;
    if (beforeReplacing)
        beforeReplacing();
    QStringList folders;
    for (const auto &file : files) {
        if (!file->Replace())
            return false;
        if (!folders.contains(file->Folder()))
            folders.append(file->Folder());
    }
    return !syncFolders || std::all_of(folders.cbegin(), folders.cend(), SyncFolder);
}

bool WriteCopy(const QString &path, const QByteArray &bytes, const QString &model, bool syncFolder)
{
    if (IsDeviceOrPipe(path))
        return false;
    std::vector<std::unique_ptr<StagedFile>> file;
    file.push_back(Stage(path, bytes, model));
    return file.back() && ReplaceAll(file, nullptr, syncFolder);
}

} // namespace

bool WriteFileAtomic(const QString &path, const QByteArray &bytes)
{
    return WriteFilesAtomic({{path, bytes}});
}

bool WriteFileCopy(const QString &path, const QByteArray &bytes, const QString &model)
{
    return WriteCopy(path, bytes, model, true);
}

bool WriteFilesAtomic(const std::vector<std::pair<QString, QByteArray>> &files,
                      const std::function<void()> &beforeReplacing)
{
    std::vector<std::unique_ptr<StagedFile>> staged;
    for (const auto &[path, bytes] : files) {
        if (IsDeviceOrPipe(path)) {
            if (!WriteDirectly(path, bytes))
                return false;
            continue;
        }
        auto file = Stage(path, bytes, path);
        if (!file)
            return false;
        staged.push_back(std::move(file));
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
    return ReadInputFile(source, bytes) && WriteCopy(backup, bytes, source, false);
}
