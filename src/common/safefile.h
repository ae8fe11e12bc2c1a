#pragma once

#include <QByteArray>
#include <QString>

#include <functional>
#include <memory>
#include <utility>
#include <vector>

class QFile;

// Reading and writing the user's files safely: readers take only regular files of a
// sensible size, writers replace a file only once its new contents are complete.

// The largest file a reader accepts (phonebook, sidecar, vCard, CSV): far beyond any real
// one, small enough that a wrong pick cannot exhaust memory.
constexpr qint64 kMaxInputFileSize = qint64(64) * 1024 * 1024;

namespace SafeFileText {
// Translated where used: QCoreApplication::translate("SafeFileText", text).
inline const char *const kMissing = QT_TRANSLATE_NOOP("SafeFileText", "The file does not exist.");
inline const char *const kUnreadable = QT_TRANSLATE_NOOP("SafeFileText", "The file cannot be read.");
inline const char *const kNotRegular = QT_TRANSLATE_NOOP("SafeFileText", "The file is not a regular file.");
inline const char *const kTooLarge = QT_TRANSLATE_NOOP("SafeFileText", "The file is larger than 64 MiB.");
} // namespace SafeFileText

// Opens `file` (its name already set) for reading when it is a regular file of at most
// kMaxInputFileSize bytes, so that a device, a pipe or an endless stream is refused before
// anything is read. On failure `reason` (when given) says why, as a sentence for the user.
bool OpenInputFile(QFile &file, QString *reason = nullptr);
// Reads a whole file under the same rules.
bool ReadInputFile(const QString &path, QByteArray &bytes, QString *reason = nullptr);

// A file opened under the same rules and read a piece at a time, so that a reader of a
// large file need not hold it whole. It keeps no more than its descriptor.
class InputFile
{
public:
    InputFile();
    ~InputFile();
    InputFile(const InputFile &) = delete;
    InputFile &operator=(const InputFile &) = delete;
    // False, with the reason ReadInputFile gives, when the file is not taken.
    bool Open(const QString &path, QString *reason = nullptr);
    // The size when it was opened (the file may change while it is read).
    qint64 Size() const { return size_; }
    // Reads up to `max` bytes on from where the last read ended: how many, 0 at the end
    // of the file, -1 when it cannot be read.
    qint64 Read(char *to, qint64 max);
    // Goes on reading from byte `offset`.
    bool Seek(qint64 offset);

private:
    qint64 size_ = 0;
    int fd_ = -1;
    std::unique_ptr<QFile> file_;  // a resource, or where there are no file descriptors
};

// The outcome of a write: success, or why not, as the system says it with the file it was
// about ("/home/ann/Agenda.dat: No space left on device").
struct WriteResult
{
    bool ok = false;
    QString reason;

    explicit operator bool() const { return ok; }
    static WriteResult Done() { return WriteResult{true, QString()}; }
    static WriteResult Failed(const QString &reason) { return WriteResult{false, reason}; }
};

// The system's own words for an error number, in English whatever the locale, behind the
// path of the file concerned.
QString SystemReason(const QString &path, int error);

// Replaces the file at `path` by `bytes`: they are written to a temporary file in the same
// folder, which takes the target's place (and its permission bits) only when everything
// was written and synced to the medium; the folder is synced then, so that on success the
// new file is on the medium under its name. On failure the target is as it was and no
// temporary file is left, and the result says why.
// An existing target keeps its permission bits, and its owner and group where the system
// allows.
// A target that is a device or a pipe (/dev/null, /dev/stdout) is written to directly:
// replacing it would put a regular file in its place. A pipe that nobody reads fails.
WriteResult WriteFileAtomic(const QString &path, const QByteArray &bytes);
// The same for files that belong together (a phonebook and its sidecar): every one is
// written and synced to its temporary file before the first replaces its target, so a
// file that cannot be written leaves all of them as they were. They replace their targets
// in the given order; should a later rename fail after an earlier one, the earlier file
// stays replaced and the result is false. `beforeReplacing` (when given) runs once every
// file is written and synced, just before the first target is replaced.
WriteResult WriteFilesAtomic(const std::vector<std::pair<QString, QByteArray>> &files,
                      const std::function<void()> &beforeReplacing = nullptr);

// Gives the file `source` (a symbolic link followed to its file) the further name `path`
// (a hard link) in one step: the link is made under a temporary name beside `path`, which
// then takes its place, so an older file at `path` stays whole when anything fails and no
// temporary name is left. Fails without a change where the system makes no such link
// (FAT and exFAT, `path` on another file system) and when `path` is a symbolic link, a
// folder, a device or a pipe; true when `path` already names that file.
bool LinkFileAtomic(const QString &source, const QString &path);
// Keeps the regular file `source` as `backup`, just before `source` is replaced by a new
// file (never written in place, so the old file stays as it is under the backup's name):
// the backup becomes a further name of the file, which writes nothing, and otherwise (no
// link possible, or the file has names besides `source` through which it could be
// changed) a copy made beside it, written as WriteFileAtomic writes (its folder is left to
// be synced by the write that replaces `source`). Either way the backup has the permission bits and owner of
// `source`, and an older backup stays whole when none can be made.
bool BackUpFile(const QString &source, const QString &backup);
