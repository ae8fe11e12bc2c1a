#include "update/install.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <QTemporaryFile>

#include <zip.h>

#include <cstdio>
#ifdef Q_OS_UNIX
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

const char kOldSuffix[] = ".OLD";

// An entry of the archive may only create a file inside the target directory: its stored
// path must be relative, without ".." components (either slash counts, archives made on
// Windows use backslashes), and the folder it lands in must resolve, symbolic links
// followed, to the directory itself or a folder below it. `target` receives the path.
bool EntryTarget(const QString &directory, const QString &name, QString &target)
{
    if (name.isEmpty() || name.startsWith(QLatin1Char('/')) || name.startsWith(QLatin1Char('\\')))
        return false;
    if (name.size() >= 2 && name.at(1) == QLatin1Char(':') && name.at(0).isLetter())
        return false;  // a drive letter
    QString slashed = name;
    slashed.replace(QLatin1Char('\\'), QLatin1Char('/'));
    const QStringList parts = slashed.split(QLatin1Char('/'));
    if (parts.contains(QStringLiteral("..")))
        return false;

    target = directory + name;
    const QString base = QFileInfo(directory).canonicalFilePath();
    const QString folder = QFileInfo(QFileInfo(target).absolutePath()).canonicalFilePath();
    if (base.isEmpty() || folder.isEmpty())
        return false;  // the folder does not exist: the file cannot be created there
    return folder == base || folder.startsWith(base + QLatin1Char('/'));
}

// A path that exists as anything, a dangling symbolic link included.
bool Present(const QString &path)
{
    const QFileInfo info(path);
    return info.exists() || info.isSymLink();
}

// A plain rename: never a copy. It replaces an existing file, but never a folder.
bool Rename(const QString &from, const QString &to)
{
    return std::rename(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) == 0;
}

#ifdef Q_OS_UNIX
mode_t Umask()
{
    const mode_t mask = umask(0);
    umask(mask);
    return mask;
}
#endif

enum class Copied { Ok, Damaged, WriteFailed };

// Copies the entry's bytes into `out`. Damaged: the entry cannot be unpacked or its bytes
// do not match its CRC (libzip checks it at the end).
Copied CopyEntry(zip_t *archive, zip_uint64_t index, QFile &out)
{
    zip_file_t *file = zip_fopen_index(archive, index, 0);
    if (!file)
        return Copied::Damaged;
    Copied result = Copied::Ok;
    char chunk[65536];
    for (;;) {
        const zip_int64_t n = zip_fread(file, chunk, sizeof chunk);
        if (n < 0) {
            result = Copied::Damaged;
            break;
        }
        if (n == 0)
            break;
        if (out.write(chunk, n) != n) {
            result = Copied::WriteFailed;
            break;
        }
    }
    if (zip_fclose(file) != 0 && result == Copied::Ok)
        result = Copied::Damaged;
    return result;
}

} // namespace

ArchiveInstall::ArchiveInstall(const QString &directory, const QString &executable)
    : directory_(directory), executable_(executable)
{
}

ArchiveInstall::~ArchiveInstall()
{
    RemoveTemporaries();
}

void ArchiveInstall::RemoveTemporaries()
{
    for (Entry &e : entries_) {
        if (!e.placed && !e.temp.isEmpty())
            QFile::remove(e.temp);
        e.temp.clear();
    }
}

ArchiveInstall::Prepared ArchiveInstall::PrepareEntry(void *handle, quint64 index, Entry &entry)
{
    auto *archive = static_cast<zip_t *>(handle);
    if (!EntryTarget(directory_, entry.name, entry.target) || QFileInfo(entry.target).isDir())
        return Prepared::EntryFailed;
    QTemporaryFile out(QFileInfo(entry.target).absolutePath() + QStringLiteral("/.kestravon-update-XXXXXX"));
    out.setAutoRemove(false);
    if (!out.open())
        return Prepared::EntryFailed;
    entry.temp = out.fileName();
    const Copied copy = CopyEntry(archive, index, out);
    if (copy == Copied::Damaged)
        return Prepared::Damaged;
    bool copied = copy == Copied::Ok;
#ifdef Q_OS_UNIX
    // On the disk before it is renamed into place: a crash right after the update must
    // not leave an empty program.
    copied = copied && out.flush() && ::fsync(out.handle()) == 0;
#endif
    out.close();
    if (!copied || out.error() != QFileDevice::NoError)
        return Prepared::EntryFailed;
#ifdef Q_OS_UNIX
    mode_t mode = 0;
    zip_uint8_t opsys = 0;
    zip_uint32_t attributes = 0;
    // The entry's permission bits less the umask, as unzip and tar restore them; never a
    // set-id program from an archive.
    if (zip_file_get_external_attributes(archive, index, 0, &opsys, &attributes) == 0
        && opsys == ZIP_OPSYS_UNIX)
        mode = mode_t(attributes >> 16) & 0777 & ~Umask();
    if (mode == 0) {
        struct stat old;
        if (entry.target == directory_ + executable_)
            mode = ::stat(QFile::encodeName(entry.target).constData(), &old) == 0
                ? (old.st_mode & 0777)
                : (0755 & ~Umask());
        else
            mode = 0644 & ~Umask();
    }
    if (::chmod(QFile::encodeName(entry.temp).constData(), mode) != 0)
        return Prepared::EntryFailed;
#endif
    return Prepared::Ok;
}

ArchiveInstall::Prepared ArchiveInstall::Prepare(const QByteArray &bytes)
{
    zip_error_t error;
    zip_error_init(&error);
    zip_source_t *source = zip_source_buffer_create(bytes.constData(), zip_uint64_t(bytes.size()), 0, &error);
    zip_t *archive = source ? zip_open_from_source(source, ZIP_RDONLY, &error) : nullptr;
    zip_error_fini(&error);
    if (!archive) {
        if (source)
            zip_source_free(source);
        return Prepared::Unreadable;
    }

    Prepared result = Prepared::Ok;
    QSet<QString> targets;
    const zip_int64_t count = zip_get_num_entries(archive, 0);
    for (zip_int64_t i = 0; i < count && result == Prepared::Ok; ++i) {
        const char *stored = zip_get_name(archive, zip_uint64_t(i), ZIP_FL_ENC_GUESS);
        Entry entry;
        entry.name = stored ? QString::fromUtf8(stored) : QString();
        // A folder entry writes nothing: folders are not created, and the files below a
        // missing folder fail.
        if (!entry.name.isEmpty() && entry.name.endsWith(QLatin1Char('/')))
            continue;
        result = PrepareEntry(archive, zip_uint64_t(i), entry);
        if (result == Prepared::Ok && targets.contains(entry.target))
            result = Prepared::EntryFailed;  // one file, two contents
        entries_.append(entry);
        targets.insert(entry.target);
        if (result != Prepared::Ok)
            failedEntry = entry.name;
    }
    zip_discard(archive);  // opened read-only: nothing to write back; frees the source too
    if (result == Prepared::Ok && entries_.isEmpty())
        result = Prepared::NoFiles;
    if (result != Prepared::Ok)
        RemoveTemporaries();
    return result;
}

bool ArchiveInstall::Commit()
{
    for (; committed_ < entries_.size(); ++committed_) {
        Entry &e = entries_[committed_];
        const QString old = e.target + QLatin1String(kOldSuffix);
        bool ok = true;
        if (Present(old)) {
            QTemporaryFile aside(old + QStringLiteral(".XXXXXX"));
            aside.setAutoRemove(false);
            ok = aside.open();  // reserves a free name, which the rename then takes over
            e.aside = aside.fileName();
            aside.close();
            ok = ok && Rename(old, e.aside);
            if (!ok) {
                QFile::remove(e.aside);
                e.aside.clear();
            }
        }
        if (ok && Present(e.target)) {
            ok = Rename(e.target, old);
            e.hadTarget = ok;
        }
        if (ok) {
            ok = Rename(e.temp, e.target);
            e.placed = ok;
        }
        if (!ok) {
            ++committed_;  // undo this entry's own steps too
            failedEntry = e.name;
            Rollback();
            return false;
        }
    }
    return true;
}

QString ArchiveInstall::Staged(const QString &path) const
{
    for (const Entry &e : entries_)
        if (e.target == path && !e.placed)
            return e.temp;
    return {};
}

void ArchiveInstall::Rollback()
{
    unrestored.clear();
    for (int i = committed_ - 1; i >= 0; --i) {
        Entry &e = entries_[i];
        const QString old = e.target + QLatin1String(kOldSuffix);
        if (e.placed) {
            // A new file that cannot be removed is left for the rename below to replace;
            // a new file without an old one to restore stays (it harms nothing).
            QFile::remove(e.target);
            e.placed = false;
            e.temp.clear();
        }
        if (e.hadTarget && !Rename(old, e.target))
            unrestored.append({old, e.target});
        if (!e.aside.isEmpty() && !Rename(e.aside, old))
            unrestored.append({e.aside, old});
        e.hadTarget = false;
        e.aside.clear();
    }
    committed_ = 0;
    RemoveTemporaries();
}

void ArchiveInstall::Finish()
{
    for (Entry &e : entries_) {
        if (!e.aside.isEmpty())
            QFile::remove(e.aside);
        e.aside.clear();
    }
}
