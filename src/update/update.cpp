#include "update/update.h"

#include "common/markup.h"
#include "common/prompter.h"
#include "common/safefile.h"
#include "common/textcodec.h"
#include "update/install.h"
#include "common/version.h"
#include "web/fetchtexts.h"
#include "formats/interchange.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>

#include <cstring>
#ifdef Q_OS_UNIX
#include <cerrno>
#include <csignal>
#include <signal.h>
#endif

namespace {

// The update check's texts.
const char kListPath[] = "/software/lastversions.txt";
const char kArchivePath[] = "/software/";
const char kSignatureSuffix[] = ".sig";
const char kRestartOption[] = "-nocheck";

// The update check's messages, translated when shown.
QString Tr(const char *text)
{
    return QCoreApplication::translate("UpdateText", text);
}

QString DownloadFailedText(const QByteArray &url)
{
    //: %1 is the address that was downloaded.
    return QCoreApplication::translate("UpdateText", "Download of %1 failed").arg(MarkupEscape(QString::fromLatin1(url)));
}

QString NewVersionText(const QString &program, const QString &version, const QString &date)
{
    //: Markup: "[3B ...]" a heading, "&" a new line, "-|" a tab. %1 the file name, %2 the version, %3 its date.
    return QCoreApplication::translate("UpdateText", "[3B New version present !&]Program filename -|: %1"
                                                     "&Version          -|: %2&Release date     -|: %3"
                                                     "&&Would you download the new file ?")
        .arg(MarkupEscape(program), MarkupEscape(version), MarkupEscape(date));
}

const char kUpToDateText[] = QT_TRANSLATE_NOOP("UpdateText", "Your program is up to date");
const char kNotSignedText[] = QT_TRANSLATE_NOOP("UpdateText", "The update is not signed by the publisher");
const char kDamagedText[] = QT_TRANSLATE_NOOP("UpdateText", "The update archive is damaged (%1)");
const char kStartFailedText[] = QT_TRANSLATE_NOOP("UpdateText", "Error starting the new version");
const char kProbeFailedText[] = QT_TRANSLATE_NOOP("UpdateText", "The new version does not start on this computer: %1");
const char kStoppedText[] = QT_TRANSLATE_NOOP("UpdateText", "The new version stopped at start-up; the previous version was restored.");
const char kNoWindowText[] =
    QT_TRANSLATE_NOOP("UpdateText", "The new version did not open its window within %1 s; the previous version was restored.");
const char kStoppedUnrestoredText[] = QT_TRANSLATE_NOOP("UpdateText", "The new version stopped at start-up.");
const char kNoWindowUnrestoredText[] = QT_TRANSLATE_NOOP("UpdateText", "The new version did not open its window within %1 s.");
const char kUnrestoredText[] = QT_TRANSLATE_NOOP("UpdateText", "The previous version could not be put back: rename %1 to %2 by hand.");
// How often the updating program looks for the new one's confirmation.
constexpr int kConfirmPollMs = 50;
// How long a new program that is ended for want of a window may take to go.
constexpr int kStopWaitMs = 5000;
const char kNoUpdateText[] = QT_TRANSLATE_NOOP("UpdateText", "No update found");

// Why a download gave nothing to work with.
QString FailureText(const FetchResult &result)
{
    return result.Ok() ? FetchText::Tr(FetchText::kEmpty) : result.Text();
}

QString DamagedText(const QString &name)
{
    return Tr(kDamagedText).arg(MarkupEscape(MessagePath(name)));
}

QString ErrorCreatingText(const QString &name)
{
    return QCoreApplication::translate("InterchangeText", InterchangeText::kErrorCreatingFile)
        .arg(MarkupEscape(MessagePath(name)));
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
                   const QString &currentVersion, Prompter &prompter, QString *announced)
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
            prompter.Information(Tr(kUpToDateText));
            return {};
        }
        if (!prompter.OkCancel(NewVersionText(programName, DecodeHeldUtf8(version), DecodeHeldUtf8(date))))
            return {};
        if (announced)
            *announced = DecodeHeldUtf8(version);
        return DecodeHeldUtf8(file);
    }
    prompter.Information(Tr(kNoUpdateText));
    return {};
}

UpdateSite RunningUpdateSite()
{
    UpdateSite site;
    const ProgramPath path = RunningProgramPath();
    site.directory = path.directory;
    site.executable = path.executable;
    site.launch = LaunchDetached;
    return site;
}

qint64 LaunchDetached(const QString &program, const QStringList &arguments, const QString &confirm)
{
    QProcess process;
    process.setProgram(program);
    process.setArguments(arguments);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QLatin1String(kStartConfirmVariable), confirm);
    process.setProcessEnvironment(environment);
    qint64 pid = 0;
    return process.startDetached(&pid) ? pid : 0;
}

namespace {

// The last lines of what a program wrote to standard error, on one line.
QString ErrorOutput(const QByteArray &bytes)
{
    QString text = QString::fromLocal8Bit(bytes).trimmed();
    constexpr int kMost = 400;
    if (text.size() > kMost)
        text = QStringLiteral("...") + text.right(kMost);
    return text.simplified();
}

bool HasWord(const QString &text, const QString &word)
{
    static const QRegularExpression separators(QStringLiteral("[\\s()\\[\\],;]+"));
    return text.split(separators, Qt::SkipEmptyParts).contains(word);
}

// Whether process `pid` still runs; a process that ended but was not yet reaped (a
// zombie) counts as ended.
bool ProcessRunning(qint64 pid)
{
#ifdef Q_OS_LINUX
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!stat.open(QIODevice::ReadOnly))
        return false;
    const QByteArray line = stat.readAll();
    const qsizetype close = line.lastIndexOf(')');
    const char state = close >= 0 && close + 2 < line.size() ? line.at(close + 2) : '?';
    return state != 'Z' && state != 'X';
#elif defined(Q_OS_UNIX)
    return ::kill(pid_t(pid), 0) == 0 || errno == EPERM;
#else
    Q_UNUSED(pid);
    return true;  // only the time limit tells
#endif
}

// Ends the program `pid` and waits, at most `limitMs`, until it has ended, so that its
// files are put back only once nothing runs from them. False when it still runs.
bool StopProcess(qint64 pid, int limitMs)
{
#ifdef Q_OS_UNIX
    if (pid <= 0 || pid == QCoreApplication::applicationPid())
        return false;
    ::kill(pid_t(pid), SIGKILL);
    QElapsedTimer clock;
    clock.start();
    while (ProcessRunning(pid)) {
        if (clock.elapsed() >= limitMs)
            return false;
        QThread::msleep(10);
    }
    return true;
#else
    Q_UNUSED(pid);
    Q_UNUSED(limitMs);
    return false;
#endif
}

enum class Started { Confirmed, Stopped, NoWindow };

// Waits, with the event loop running, until the program `pid` creates `marker`, ends, or
// `limitMs` pass.
Started AwaitConfirmation(qint64 pid, const QString &marker, int limitMs)
{
    QElapsedTimer clock;
    clock.start();
    for (;;) {
        if (QFileInfo::exists(marker))
            return Started::Confirmed;
        if (!ProcessRunning(pid))
            return QFileInfo::exists(marker) ? Started::Confirmed : Started::Stopped;
        if (clock.elapsed() >= limitMs)
            return Started::NoWindow;
        QEventLoop loop;
        QTimer::singleShot(kConfirmPollMs, &loop, &QEventLoop::quit);
        loop.exec();
    }
}

// After a rollback: `restored` when every file was put back; otherwise `headline` (when
// not empty) and, for each file that was not, where it is and where it belongs.
void ReportRollback(const ArchiveInstall &install, const QString &restored, const QString &headline,
                    Prompter &prompter)
{
    if (install.unrestored.isEmpty()) {
        if (!restored.isEmpty())
            prompter.Information(restored);
        return;
    }
    if (!headline.isEmpty())
        prompter.Information(headline);
    for (const auto &pair : install.unrestored)
        prompter.Information(Tr(kUnrestoredText)
                                 .arg(MarkupEscape(MessagePath(pair.first)), MarkupEscape(MessagePath(pair.second))));
}

} // namespace

bool ProbeProgram(const QString &program, const QString &version, int timeoutMs, QString &reason)
{
    QProcess process;
    process.start(program, {QStringLiteral("--version")});
    if (!process.waitForStarted(timeoutMs)) {
        reason = process.errorString();
        return false;
    }
    if (!process.waitForFinished(timeoutMs)) {
        process.kill();
        process.waitForFinished(1000);
        reason = QCoreApplication::translate("UpdateText", "no answer within %1 s").arg(qMax(1, timeoutMs / 1000));
        return false;
    }
    const QString errors = ErrorOutput(process.readAllStandardError());
    const QString output = QString::fromLocal8Bit(process.readAllStandardOutput()).simplified();
    QString how;
    if (process.exitStatus() == QProcess::CrashExit) {
        const int signal = process.exitCode();
        how = QCoreApplication::translate("UpdateText", "ended by signal %1").arg(signal);
#ifdef Q_OS_UNIX
        if (const char *name = ::strsignal(signal))
            how += QStringLiteral(" (%1)").arg(QString::fromLocal8Bit(name));
#endif
    } else if (process.exitCode() != 0) {
        how = QCoreApplication::translate("UpdateText", "exit status %1").arg(process.exitCode());
    } else if (!HasWord(output, version)) {
        reason = QCoreApplication::translate("UpdateText", "it reports \"%1\" instead of version %2").arg(output.left(200), version);
        return false;
    } else {
        return true;
    }
    // The loader's or the program's own words first, then how it ended. The temporary
    // name the program was tried under means nothing to the user.
    reason = errors.isEmpty() ? how : errors + QStringLiteral(" (") + how + QLatin1Char(')');
    return false;
}

bool CheckForUpdate(const QString &programName, const QString &currentVersion, bool restart,
                    Prompter &prompter, const UpdateSite &site)
{
    const QByteArray base = site.scheme + "://" + site.host;
    const QByteArray listUrl = base + kListPath;
    const FetchResult list = FetchUrl(listUrl, prompter, site.fetch);
    if (!list.Ok() || list.body.isEmpty()) {
        prompter.InformationDetail(DownloadFailedText(listUrl), FailureText(list));
        return false;
    }
    QString version;
    const QString file = FindUpdate(list.body, programName, currentVersion, prompter, &version);
    if (file.isEmpty())
        return false;

    // An archive whose signature is missing or does not match the publisher's key is
    // refused: nothing is written.
    const QByteArray archiveUrl = base + kArchivePath + EncodeHeldUtf8(file);
    const FetchResult fetched = FetchUrl(archiveUrl, prompter, site.fetch);
    if (!fetched.Ok() || fetched.body.isEmpty()) {
        prompter.InformationDetail(DownloadFailedText(archiveUrl), FailureText(fetched));
        return false;
    }
    const QByteArray &archive = fetched.body;
    const QByteArray signatureUrl = archiveUrl + kSignatureSuffix;
    const FetchResult signature = FetchUrl(signatureUrl, prompter, site.fetch);
    const bool noSignature = signature.outcome == FetchResult::Outcome::HttpStatus
        && (signature.status == 404 || signature.status == 410);
    if (!signature.Ok() && !noSignature) {
        prompter.InformationDetail(DownloadFailedText(signatureUrl), signature.Text());
        return false;
    }
    if (!VerifySignature(archive, signature.body, site.publicKey)) {
        prompter.Information(Tr(kNotSignedText));
        return false;
    }

    ArchiveInstall install(site.directory, site.executable);
    switch (install.Prepare(archive)) {
    case ArchiveInstall::Prepared::Ok:
        break;
    case ArchiveInstall::Prepared::Unreadable:
    case ArchiveInstall::Prepared::NoFiles:
        // Signed bytes that are no zip archive, or one without files.
        prompter.Information(DamagedText(file));
        return false;
    case ArchiveInstall::Prepared::Damaged:
        prompter.Information(DamagedText(install.failedEntry));
        return false;
    case ArchiveInstall::Prepared::EntryFailed:
        prompter.Information(ErrorCreatingText(install.failedEntry));
        return false;
    }
    // The new program must run here before anything is replaced.
    const QString program = site.directory + site.executable;
    if (const QString staged = install.Staged(program); !staged.isEmpty()) {
        QString reason;
        if (!ProbeProgram(staged, version, site.probeMs, reason)) {
            reason.replace(staged, site.executable);  // not the temporary name it was tried under
            prompter.Information(Tr(kProbeFailedText).arg(MarkupEscape(reason)));
            return false;
        }
    }
    if (!install.Commit()) {
        prompter.Information(ErrorCreatingText(install.failedEntry));
        ReportRollback(install, QString(), QString(), prompter);
        return false;
    }
    if (restart) {
        // The new program confirms through a file in a folder of this user's only.
        QTemporaryDir confirmDir;
        const QString marker = confirmDir.filePath(QStringLiteral("started"));
        const qint64 pid = site.launch && confirmDir.isValid()
            ? site.launch(program, {QLatin1String(kRestartOption)}, marker) : 0;
        if (pid <= 0) {
            install.Rollback();
            ReportRollback(install, Tr(kStartFailedText), Tr(kStartFailedText), prompter);
            return false;
        }
        const Started started = AwaitConfirmation(pid, marker, site.confirmMs);
        // Still without a window when the time is up: it is ended before its files are
        // taken away, so that only the old program goes on.
        if (started == Started::NoWindow)
            StopProcess(pid, kStopWaitMs);
        if (started != Started::Confirmed) {
            install.Rollback();
            const int seconds = qMax(1, site.confirmMs / 1000);
            ReportRollback(install,
                           started == Started::Stopped ? Tr(kStoppedText)
                                                       : Tr(kNoWindowText).arg(seconds),
                           started == Started::Stopped ? Tr(kStoppedUnrestoredText)
                                                       : Tr(kNoWindowUnrestoredText).arg(seconds),
                           prompter);
            return false;
        }
    }
    install.Finish();
    return true;
}
