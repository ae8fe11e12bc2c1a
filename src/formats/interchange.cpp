#include "formats/interchange.h"

#include "common/markup.h"
#include "common/prompter.h"
#include "common/safefile.h"
#include "formats/csv.h"
#include "formats/vcard.h"
#include "store/agenda.h"

#include <QBuffer>
#include <QFile>

namespace {

QString PathMessage(const char *text, const QString &path)
{
    return InterchangeText::Tr(text).arg(MarkupEscape(MessagePath(path)));
}

// A file the readers accept (safefile.h); `reason` says why not.
bool CheckInputFile(const QString &path, QString &reason)
{
    QFile file(path);
    return OpenInputFile(file, &reason);
}

QString RecordMessage(const char *text, int number, const QString &label)
{
    return InterchangeText::Tr(text).arg(QString::number(number), MarkupEscape(label));
}

} // namespace

QString RecordTitle(const char *title, int slot, const QString &label)
{
    return InterchangeText::Tr(title).arg(QString::number(slot + 1), label);
}

QString VcfFileName(const QString &label, int slot)
{
    const QString extension = QLatin1Char('.') + QLatin1String(InterchangeText::kVcfSuffix);
    if (label.isEmpty())
        return QStringLiteral("REC.") + QString::number(slot + 1) + extension;
    QString name = label;
    for (QChar &c : name)
        if (c == QLatin1Char('/') || c == QLatin1Char('\\') || c.unicode() < 0x20 || c.unicode() == 0x7F)
            c = QLatin1Char('_');
    return name + extension;
}

bool ExportVcfRecord(const Agenda &agenda, int slot, const QString &path, Prompter &prompter)
{
    const WriteResult written = ExportVCardAt(agenda, slot, path);
    if (!written)
        prompter.InformationDetail(PathMessage(InterchangeText::kErrorExportingFile, path), written.reason);
    return written.ok;
}

bool ImportVcfRecord(Agenda &agenda, int slot, uint32_t user, const QString &path, Prompter &prompter, bool shorten)
{
    QString reason;
    if (CheckInputFile(path, reason) && ImportVCardAt(agenda, slot, user, path, prompter, &reason, shorten))
        return true;
    prompter.InformationDetail(PathMessage(InterchangeText::kErrorImportingFile, path), reason);
    return false;
}

bool ExportVcfRecords(const Agenda &agenda, const QList<int> &slotList, const QString &path, Prompter &prompter)
{
    QByteArray bytes;
    for (int slot : slotList) {
        if (const AgendaRecord *record = agenda.RecordAt(slot))
            bytes += StandardVCardBytes(*record);
    }
    const WriteResult written = WriteFileAtomic(path, bytes);
    if (!written)
        prompter.InformationDetail(PathMessage(InterchangeText::kErrorExportingFile, path), written.reason);
    return written.ok;
}

CsvResult ExportCsvRecords(const Agenda &agenda, const QList<int> &slotList, const QString &path,
                           Prompter &prompter)
{
    CsvResult result;
    // Built in memory and written in one go, so that a write that fails (a full disk)
    // leaves an older file of that name as it was instead of a cut one.
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    WriteCsvHeader(buffer);
    for (int slot : slotList) {
        const AgendaRecord *record = agenda.RecordAt(slot);
        if (record && WriteCsvLine(*record, buffer)) {
            ++result.done;
        } else {
            ++result.failed;
            prompter.Information(RecordMessage(InterchangeText::kErrorExportingRecord, slot + 1,
                                               record ? record->label : QString()));
        }
    }
    if (const WriteResult written = WriteFileAtomic(path, buffer.data()); !written) {
        prompter.InformationDetail(PathMessage(InterchangeText::kErrorCreatingFile, path), written.reason);
        result.fileOk = false;
        result.done = 0;
    }
    return result;
}

CsvResult ImportCsvRecords(Agenda &agenda, const QList<int> &slotList, const QString &path, Prompter &prompter,
                           const std::function<void(int)> &stored)
{
    CsvResult result;
    QByteArray bytes;
    QString reason;
    if (!ReadInputFile(path, bytes, &reason)) {
        ReportCsvRefused(path, reason, prompter);
        result.fileOk = false;
        return result;
    }
    OwnCsvReader reader(bytes);
    if (!reader.IsOwnFile()) {
        // The lines go onto the records by position: only the own columns are certain.
        ReportCsvRefused(path, InterchangeText::Tr(InterchangeText::kNotOwnCsv), prompter);
        result.fileOk = false;
        return result;
    }
    for (int slot : slotList) {
        const AgendaRecord *current = agenda.RecordAt(slot);
        AgendaRecord r = current ? *current : AgendaRecord();
        const QString label = r.label;
        if (current && reader.ReadLine(r) && agenda.StoreRecord(slot, r)) {
            ++result.done;
            if (stored)
                stored(slot);
        } else {
            ++result.failed;
            prompter.Information(RecordMessage(InterchangeText::kErrorImportingRecord, slot + 1, label));
        }
    }
    return result;
}

CsvInsertFile ReadCsvInsertFile(const QString &path)
{
    CsvInsertFile file;
    file.path = path;
    QByteArray bytes;
    if (!ReadInputFile(path, bytes, &file.reason))
        return file;
    file.table = ReadCsvTable(bytes);
    if (!file.table.ok) {
        file.reason = file.table.reason;
        return file;
    }
    file.ok = true;
    if (file.table.own)
        file.cards = OwnCsvCards(bytes, path, file.shortLines);
    else
        file.mapping = RecognizeCsvColumns(file.table.header);
    return file;
}

QString NoNameOrPhoneReason(const CsvInsertFile &file)
{
    return InterchangeText::Tr(InterchangeText::kNoLabelOrPhone)
        .arg(UnplacedColumns(file.table.header, file.mapping).join(QStringLiteral(", ")));
}

void ReportCsvRefused(const QString &path, const QString &reason, Prompter &prompter)
{
    prompter.InformationDetail(PathMessage(InterchangeText::kErrorReadingFile, path), reason);
}

void ReportShortCsvLines(const std::vector<ShortCsvLine> &lines, Prompter &prompter)
{
    for (const ShortCsvLine &line : lines)
        prompter.Information(RecordMessage(InterchangeText::kErrorImportingLine, line.line, line.label));
}

bool ExportGoogleCsvRecords(const Agenda &agenda, const QList<int> &slotList, const QString &path, Prompter &prompter)
{
    QList<const AgendaRecord *> records;
    for (int slot : slotList)
        if (const AgendaRecord *r = agenda.RecordAt(slot))
            records.append(r);
    const WriteResult written = WriteFileAtomic(path, GoogleCsvBytes(records));
    if (!written)
        prompter.InformationDetail(PathMessage(InterchangeText::kErrorCreatingFile, path), written.reason);
    return written.ok;
}
