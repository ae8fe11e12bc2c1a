#pragma once

#include <QFile>
#include <QString>

#include <csignal>
#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <sys/resource.h>
#include <unistd.h>

// Ways to make a write fail as it would for a user, in the test's own process.

// A file size limit for as long as the object lives: a write past `bytes` fails with
// EFBIG ("File too large"), as on a full disk, instead of ending the process.
class FileSizeLimit
{
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        oldHandler_ = std::signal(SIGXFSZ, SIG_IGN);
        ::getrlimit(RLIMIT_FSIZE, &old_);
        rlimit limit = old_;
        limit.rlim_cur = bytes;
        ::setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit()
    {
        ::setrlimit(RLIMIT_FSIZE, &old_);
        std::signal(SIGXFSZ, oldHandler_);
    }
    FileSizeLimit(const FileSizeLimit &) = delete;
    FileSizeLimit &operator=(const FileSizeLimit &) = delete;

private:
    rlimit old_{};
    void (*oldHandler_)(int) = SIG_DFL;
};

// A folder in which no file can be made for as long as the object lives: without write
// permission, or, for root, whom permission bits do not stop, immutable. Words() is what
// the system says to a write there, empty when the folder could not be made so.
class ReadOnlyFolder
{
public:
    explicit ReadOnlyFolder(const QString &path) : path_(path)
    {
        if (::geteuid() != 0) {
            if (QFile::setPermissions(path_, QFile::ReadOwner | QFile::ExeOwner))
                words_ = QStringLiteral("Permission denied");
        } else if (SetImmutable(true)) {
            words_ = QStringLiteral("Operation not permitted");
        }
    }
    ~ReadOnlyFolder()
    {
        if (::geteuid() != 0)
            QFile::setPermissions(path_, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        else if (!words_.isEmpty())
            SetImmutable(false);
    }
    ReadOnlyFolder(const ReadOnlyFolder &) = delete;
    ReadOnlyFolder &operator=(const ReadOnlyFolder &) = delete;

    const QString &Words() const { return words_; }

private:
    bool SetImmutable(bool on) const
    {
        const int fd = ::open(QFile::encodeName(path_).constData(), O_RDONLY | O_DIRECTORY);
        if (fd < 0)
            return false;
        int flags = 0;
        bool ok = ::ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0;
        if (ok) {
            flags = on ? (flags | FS_IMMUTABLE_FL) : (flags & ~FS_IMMUTABLE_FL);
            ok = ::ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0;
        }
        ::close(fd);
        return ok;
    }

    QString path_;
    QString words_;
};
