#include "update/update.h"

#include "common/markup.h"
#include "common/prompter.h"
#include "common/textcodec.h"
#include "update/version.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>

#include <zip.h>

#include <cstring>

namespace {

// The update check's texts.
const char kListPath[] = "/software/lastversions.txt";
const char kArchivePath[] = "/software/";
const char kOldSuffix[] = ".OLD";
const char kRestartOption[] = "-nocheck";

QString DownloadFailedText(const QByteArray &url)
{
    return QStringLiteral("Download of ") + MarkupEscape(QString::fromLatin1(url))
        + QStringLiteral(" failed");
}

QString NewVersionText(const QString &program, const QString &version, const QString &date)
{
    return QStringLiteral("[3B New version present !&]Program filename -|: ") + MarkupEscape(program)
        + QStringLiteral("&Version          -|: ") + MarkupEscape(version)
        + QStringLiteral("&Release date     -|: ") + MarkupEscape(date)
        + QStringLiteral("&&Would you download the new file ?");
}

const char kUpToDateText[] = "Your program is up to date";
const char kNoUpdateText[] = "No update found";

QString ErrorCreatingText(const QString &name)
{
    return QStringLiteral("Error creating file : ") + MarkupEscape(MessagePath(name));
}

// Reads the fields of the version list in rotation. Each field first skips any run of
// its own terminators, then runs up to the next one of them (or the end of the text);
// that terminator is consumed. At the end of the text every field is empty.
class FieldReader
{
public:
    explicit FieldReader(const QByteArray &text) : text_(text) {}

    QByteArray Next(const char *terminators)
    {
        const auto isTerminator = [terminators](char c) {
            return std::strchr(terminators, c) != nullptr && c != '\0';
        };
        const int n = int(text_.size());
        while (pos_ < n && isTerminator(text_.at(pos_)))
            ++pos_;
        const int start = pos_;
        while (pos_ < n && !isTerminator(text_.at(pos_)))
            ++pos_;
        const QByteArray field = text_.mid(start, pos_ - start);
        if (pos_ < n)
            ++pos_;
        return field;
    }

private:
    const QByteArray &text_;
    int pos_ = 0;
};

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

// Writes entry `index` to `target`, after keeping a previous file as target + ".OLD".
bool ExtractEntry(zip_t *archive, zip_uint64_t index, const QString &target)
{
    const QString old = target + QLatin1String(kOldSuffix);
    QFile::remove(old);           // errors ignored: there may be none
    QFile::rename(target, old);   // errors ignored: the file may be new

    QFile out(target);
    if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    zip_file_t *entry = zip_fopen_index(archive, index, 0);
    if (!entry)
        return false;
    bool ok = true;
    char chunk[65536];
    for (;;) {
        const zip_int64_t n = zip_fread(entry, chunk, sizeof chunk);
        if (n < 0) {
            ok = false;  // a damaged entry (the CRC is checked at its end)
            break;
        }
        if (n == 0)
            break;
        if (out.write(chunk, n) != n) {
            ok = false;
            break;
        }
    }
    if (zip_fclose(entry) != 0)
        ok = false;
    out.close();
    return ok && out.error() == QFileDevice::NoError;
}

// Unpacks every entry of the archive into `directory`, in archive order. Each entry
// that cannot be written is reported once and the others are still processed.
// `readable` is false when the bytes are not a zip archive at all (nothing is touched).
bool InstallArchive(const char *data, int length, const QString &directory, Prompter &prompter,
                    bool &readable)
{
    zip_error_t error;
    zip_error_init(&error);
    zip_source_t *source = zip_source_buffer_create(data, zip_uint64_t(length), 0, &error);
    zip_t *archive = source ? zip_open_from_source(source, ZIP_RDONLY, &error) : nullptr;
    zip_error_fini(&error);
    if (!archive) {
        if (source)
            zip_source_free(source);
        readable = false;
        return false;
    }
    readable = true;

    bool ok = true;
    const zip_int64_t count = zip_get_num_entries(archive, 0);
    for (zip_int64_t i = 0; i < count; ++i) {
        const char *stored = zip_get_name(archive, zip_uint64_t(i), ZIP_FL_ENC_GUESS);
        const QString name = stored ? QString::fromUtf8(stored) : QString();
        // A folder entry writes nothing: folders are not created, and the files below a
        // missing folder are reported one by one.
        if (!name.isEmpty() && name.endsWith(QLatin1Char('/')))
            continue;
        QString target;
        if (!EntryTarget(directory, name, target) || !ExtractEntry(archive, zip_uint64_t(i), target)) {
            prompter.Information(ErrorCreatingText(name));
            ok = false;
        }
    }
    zip_discard(archive);  // opened read-only: nothing to write back; frees the source too
    return ok;
}

} // namespace

bool IsNewerVersion(const QByteArray &published, const QByteArray &current)
{
    const QByteArray p = published.mid(1);
    const QByteArray c = current.mid(1);
    const int n = int(qMin(p.size(), c.size()));
    for (int i = 0; i < n; ++i) {
        const auto a = static_cast<unsigned char>(p.at(i));
        const auto b = static_cast<unsigned char>(c.at(i));
        if (a != b)
            return a > b;
    }
    if (p.size() != c.size())
        return p.size() > c.size();
    const auto first = [](const QByteArray &s) -> signed char {
        return s.isEmpty() ? 0 : static_cast<signed char>(s.at(0));
    };
    return first(published) > first(current);
}

QString FindUpdate(const QByteArray &list, const QString &programName,
                   const QString &currentVersion, Prompter &prompter)
{
    const QByteArray program = EncodeHeldUtf8(programName);
    const QByteArray current = EncodeHeldUtf8(currentVersion);
    FieldReader fields(list);
    for (QByteArray name = fields.Next("=\n\r\t"); !name.isEmpty(); name = fields.Next("=\n\r\t")) {
        const QByteArray version = fields.Next(",\n\r\t");
        const QByteArray date = fields.Next(",\n\r\t");
        const QByteArray file = fields.Next(";\n\r\t");
        if (file.isEmpty() || date.isEmpty() || name != program)
            continue;
        if (!IsNewerVersion(version, current)) {
            prompter.Information(QLatin1String(kUpToDateText));
            return {};
        }
        if (!prompter.OkCancel(NewVersionText(programName, DecodeHeldUtf8(version), DecodeHeldUtf8(date))))
            return {};
        return DecodeHeldUtf8(file);
    }
    prompter.Information(QLatin1String(kNoUpdateText));
    return {};
}

UpdateSite RunningUpdateSite()
{
    UpdateSite site;
    const QString path = QDir::toNativeSeparators(QCoreApplication::applicationFilePath());
    const int cut = int(path.lastIndexOf(QDir::separator())) + 1;
    site.directory = path.left(cut);
    site.executable = path.mid(cut);
    site.launch = [](const QString &program, const QStringList &arguments) {
        return QProcess::startDetached(program, arguments);
    };
    return site;
}

bool CheckForUpdate(const QString &programName, const QString &currentVersion, bool restart,
                    Prompter &prompter, const UpdateSite &site)
{
    const QByteArray listUrl = site.host + kListPath;
    QString file;
    {
        int length = 0;
        const std::unique_ptr<char[]> list = FetchUrlBuffer(listUrl, length, prompter, site.stallMs);
        if (!list) {
            prompter.Information(DownloadFailedText(listUrl));
            return false;
        }
        file = FindUpdate(QByteArray(list.get(), length), programName, currentVersion, prompter);
    }
    if (file.isEmpty())
        return false;

    const QByteArray archiveUrl = site.host + kArchivePath + EncodeHeldUtf8(file);
    int length = 0;
    const std::unique_ptr<char[]> archive = FetchUrlBuffer(archiveUrl, length, prompter, site.stallMs);
    if (!archive) {
        prompter.Information(DownloadFailedText(archiveUrl));
        return false;
    }
    bool readable = true;
    const bool ok = InstallArchive(archive.get(), length, site.directory, prompter, readable);
    if (!readable) {
        // Bytes that are no zip archive are a failed download, not an update with no files.
        prompter.Information(DownloadFailedText(archiveUrl));
        return false;
    }
    if (restart && ok && site.launch)
        site.launch(site.directory + site.executable, {QLatin1String(kRestartOption)});
    return ok;
}

bool CheckForUpdate(Prompter &prompter)
{
    return CheckForUpdate(QLatin1String(kProgramName), QLatin1String(kProgramVersion), true, prompter);
}
