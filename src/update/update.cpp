#include "update/update.h"

#include "common/markup.h"
#include "common/prompter.h"
#include "common/textcodec.h"
#include "update/install.h"
#include "common/version.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>

#include <cstring>

namespace {

// The update check's texts.
const char kListPath[] = "/software/lastversions.txt";
const char kArchivePath[] = "/software/";
const char kSignatureSuffix[] = ".sig";
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
const char kStartFailedText[] = "Error starting the new version";
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
    const QByteArray base = site.scheme + "://" + site.host;
    const QByteArray listUrl = base + kListPath;
    const QByteArray list = FetchUrl(listUrl, prompter, site.fetch);
    if (list.isEmpty()) {
        prompter.Information(DownloadFailedText(listUrl));
        return false;
    }
    const QString file = FindUpdate(list, programName, currentVersion, prompter);
    if (file.isEmpty())
        return false;

    // An archive whose signature is missing or does not match the publisher's key is a
    // failed download: nothing is written.
    const QByteArray archiveUrl = base + kArchivePath + EncodeHeldUtf8(file);
    const QByteArray archive = FetchUrl(archiveUrl, prompter, site.fetch);
    const QByteArray signature = archive.isEmpty()
        ? QByteArray() : FetchUrl(archiveUrl + kSignatureSuffix, prompter, site.fetch);
    if (archive.isEmpty() || !VerifySignature(archive, signature, site.publicKey)) {
        prompter.Information(DownloadFailedText(archiveUrl));
        return false;
    }

    ArchiveInstall install(site.directory, site.executable);
    switch (install.Prepare(archive)) {
    case ArchiveInstall::Prepared::Ok:
        break;
    case ArchiveInstall::Prepared::Unreadable:
    case ArchiveInstall::Prepared::NoFiles:
        // Bytes that are no zip archive, or one without files, are a failed download.
        prompter.Information(DownloadFailedText(archiveUrl));
        return false;
    case ArchiveInstall::Prepared::EntryFailed:
        prompter.Information(ErrorCreatingText(install.failedEntry));
        return false;
    }
    if (!install.Commit()) {
        prompter.Information(ErrorCreatingText(install.failedEntry));
        return false;
    }
    if (restart && (!site.launch
                    || !site.launch(site.directory + site.executable, {QLatin1String(kRestartOption)}))) {
        install.Rollback();
        prompter.Information(QLatin1String(kStartFailedText));
        return false;
    }
    install.Finish();
    return true;
}

bool CheckForUpdate(Prompter &prompter)
{
    return CheckForUpdate(QLatin1String(kProgramName), QLatin1String(kProgramVersion), true, prompter);
}
