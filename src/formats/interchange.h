#pragma once

#include "formats/csvcontacts.h"

#include <QCoreApplication>
#include <QList>
#include <QString>

#include <cstdint>
#include <functional>

class Agenda;
class Prompter;

// The texts of the vCard and CSV exchange: messages, file selector titles, review remarks.
// Marked for translation here and translated where they are used (Tr); the command-line
// tool installs no translator, so it prints them in English.
namespace InterchangeText {
inline QString Tr(const char *text) { return QCoreApplication::translate("InterchangeText", text); }

// vCard reader debug message; %1 the file, %2 the token, %3 the line number.
constexpr char kUnknownToken[] = QT_TRANSLATE_NOOP("InterchangeText", "File: %1 - Unknown token \"%2\" at line %3");

// %1 is a file's path.
constexpr char kErrorExportingFile[] = QT_TRANSLATE_NOOP("InterchangeText", "Error exporting file : %1");
constexpr char kErrorImportingFile[] = QT_TRANSLATE_NOOP("InterchangeText", "Error importing file : %1");
constexpr char kErrorImporting[] = QT_TRANSLATE_NOOP("InterchangeText", "Error importing : %1");
// A card of a file that holds several: %1 the file's path, %2 the card's number in it.
constexpr char kErrorImportingCard[] = QT_TRANSLATE_NOOP("InterchangeText", "Error importing : %1 (card %2)");
constexpr char kErrorCreatingFile[] = QT_TRANSLATE_NOOP("InterchangeText", "Error creating file : %1");
constexpr char kErrorReadingFile[] = QT_TRANSLATE_NOOP("InterchangeText", "Error reading file : %1");
// %1 is a record's (or line's) number, %2 its label.
constexpr char kErrorExportingRecord[] = QT_TRANSLATE_NOOP("InterchangeText", "Error exporting record %1: %2");
constexpr char kErrorImportingRecord[] = QT_TRANSLATE_NOOP("InterchangeText", "Error importing record %1: %2");
constexpr char kErrorImportingLine[] = QT_TRANSLATE_NOOP("InterchangeText", "Error importing line %1: %2");

// Why a vCard file, or its last card, cannot be read (the message's detail).
constexpr char kNoBegin[] = QT_TRANSLATE_NOOP("InterchangeText", "no BEGIN:VCARD line");
constexpr char kNoEnd[] = QT_TRANSLATE_NOOP("InterchangeText", "card %1 has no END:VCARD line");
constexpr char kNotAProperty[] = QT_TRANSLATE_NOOP("InterchangeText", "line %1 is not a vCard property");
// Why a CSV file cannot be read or updated.
constexpr char kNotOwnCsv[] = QT_TRANSLATE_NOOP("InterchangeText",
    "not this program's CSV (UTF-16 with the header \"last;first;note;...\"); "
    "other CSV files can be inserted as new records");
// %1: the file's column names.
constexpr char kNoLabelOrPhone[] = QT_TRANSLATE_NOOP("InterchangeText", "no label or phone column among: %1");

// File selector titles; the per-record ones hold the record number (%1) and the label (%2).
constexpr char kExportVcfTitle[] = QT_TRANSLATE_NOOP("InterchangeText", "Export to vCard : REC.%1 - %2");
constexpr char kImportVcfTitle[] = QT_TRANSLATE_NOOP("InterchangeText", "Import from vCard : REC.%1 - %2");
constexpr char kInsertVcfTitle[] = QT_TRANSLATE_NOOP("InterchangeText", "Insert from vCard");
constexpr char kExportOneVcfTitle[] = QT_TRANSLATE_NOOP("InterchangeText", "Export to one vCard file");
constexpr char kExportCsvTitle[] = QT_TRANSLATE_NOOP("InterchangeText", "Export to Excel CSV file");
constexpr char kExportGoogleCsvTitle[] = QT_TRANSLATE_NOOP("InterchangeText", "Export to Google CSV");
constexpr char kImportCsvTitle[] = QT_TRANSLATE_NOOP("InterchangeText", "Import from Excel CSV file");
constexpr char kInsertCsvTitle[] = QT_TRANSLATE_NOOP("InterchangeText", "Insert from Excel CSV file");

// The import review: counts ("312 cards, 290 selected, 91 free places"), remarks, controls.
constexpr char kReviewCards[] = QT_TRANSLATE_N_NOOP("InterchangeText", "%n card(s)");
constexpr char kReviewFreePlaces[] = QT_TRANSLATE_N_NOOP("InterchangeText", "%n free place(s)");
//: %1 the cards or rows ("312 cards"), %2 how many of them are selected, %3 the free places ("91 free places").
constexpr char kReviewCounts[] = QT_TRANSLATE_NOOP("InterchangeText", "%1, %2 selected, %3");
constexpr char kRemarkDuplicate[] = QT_TRANSLATE_NOOP("InterchangeText", "already in this user's list");
constexpr char kRemarkTooLong[] = QT_TRANSLATE_NOOP("InterchangeText", "too long for the unit");
constexpr char kRemarkTooMany[] = QT_TRANSLATE_NOOP("InterchangeText", "more than five phones / e-mails");
// What of a card with too many phones or e-mails is left out: %1 the phones, %2 the e-mails
// ("2 phones"), or one of them alone.
constexpr char kRemarkTooManyDropped[] = QT_TRANSLATE_NOOP("InterchangeText", "more than five phones / e-mails: %1 dropped");
constexpr char kRemarkTooManyBothDropped[] =
    QT_TRANSLATE_NOOP("InterchangeText", "more than five phones / e-mails: %1 and %2 dropped");
constexpr char kDroppedPhones[] = QT_TRANSLATE_N_NOOP("InterchangeText", "%n phone(s)");
constexpr char kDroppedEmails[] = QT_TRANSLATE_N_NOOP("InterchangeText", "%n e-mail(s)");
constexpr char kRemarkNoName[] = QT_TRANSLATE_NOOP("InterchangeText", "no name");
constexpr char kRemarkUnreadable[] = QT_TRANSLATE_NOOP("InterchangeText", "cannot be read");
constexpr char kRemarkGroup[] = QT_TRANSLATE_NOOP("InterchangeText", "contact group, not a contact");
constexpr char kRemarkEmpty[] = QT_TRANSLATE_NOOP("InterchangeText", "empty card");
constexpr char kRemarkRepeated[] = QT_TRANSLATE_NOOP("InterchangeText", "same as an earlier card");
constexpr char kRemarkBadGeo[] = QT_TRANSLATE_NOOP("InterchangeText", "position not understood");
// %1: the card's GEO value.
constexpr char kRemarkBadGeoValue[] = QT_TRANSLATE_NOOP("InterchangeText", "position not understood (GEO:%1)");
constexpr char kRemarkSameName[] = QT_TRANSLATE_NOOP("InterchangeText", "same name, other number");
constexpr char kReviewAllCards[] = QT_TRANSLATE_NOOP("InterchangeText", "all cards");
// The same for the rows of a CSV file ("12 rows, 10 selected, 91 free places").
constexpr char kReviewRows[] = QT_TRANSLATE_N_NOOP("InterchangeText", "%n row(s)");
constexpr char kRemarkEmptyRow[] = QT_TRANSLATE_NOOP("InterchangeText", "empty row");
constexpr char kRemarkRepeatedRow[] = QT_TRANSLATE_NOOP("InterchangeText", "same as an earlier row");
constexpr char kReviewAllRows[] = QT_TRANSLATE_NOOP("InterchangeText", "all rows");

// File selector types, shared by the window and the record editor.
//: File selector types: translate the words only; keep the patterns in brackets and the ";;" between the types.
constexpr char kVcfFilter[] = QT_TRANSLATE_NOOP("InterchangeText", "vCard file (*.vcf);;All files (*)");
//: File selector types: translate the words only; keep the patterns in brackets and the ";;" between the types.
constexpr char kCsvFilter[] = QT_TRANSLATE_NOOP("InterchangeText", "Excel CSV file (*.csv);;All files (*)");
// No words: never translated.
constexpr char kVcfSuffix[] = "vcf";
} // namespace InterchangeText

// A per-record title with the record number (slot + 1) and the label, translated, e.g.
// "Export to vCard : REC.8 - MARIO".
QString RecordTitle(const char *title, int slot, const QString &label);

// The file name proposed for a record's vCard: the label with ".vcf", where every character
// that cannot stand in a file name ("/", "\", control characters) becomes "_"; for an empty
// label "REC." + (slot + 1) + ".vcf", never a hidden ".vcf".
QString VcfFileName(const QString &label, int slot);

// One record or one file of the bulk exchange commands. The main window's commands and the
// command-line companion share them; they report through the Prompter exactly as the
// window does, and leave the list rows to the caller (the callbacks name changed slots).

// Writes a used slot as a vCard file; shows "Error exporting file : <path>" on failure.
bool ExportVcfRecord(const Agenda &agenda, int slot, const QString &path, Prompter &prompter);
// Reads the first card of a vCard file onto a slot of user `user`, its texts cut to the
// unit's limits unless `shorten` is false; shows "Error importing file : <path>" with the
// reason as detail on failure (the slot, owner included, keeps its contents).
bool ImportVcfRecord(Agenda &agenda, int slot, uint32_t user, const QString &path, Prompter &prompter,
                     bool shorten = true);

// Writes used slots, in the given order, as the cards of one vCard 3.0 file that phones
// and address books import (StandardVCardBytes), replacing it only once complete; shows
// "Error exporting file : <path>" on failure.
bool ExportVcfRecords(const Agenda &agenda, const QList<int> &slotList, const QString &path, Prompter &prompter);

struct CsvResult
{
    bool fileOk = true;  // false: the file could not be created / read (message shown)
    int done = 0;        // records written, updated or inserted
    int failed = 0;      // records or lines that gave a message
};
// Writes the header and the line of each slot, in the given order, to a new CSV file.
CsvResult ExportCsvRecords(const Agenda &agenda, const QList<int> &slotList, const QString &path,
                           Prompter &prompter);
// Reads the lines after the header onto the slots, in order; `stored` is called for every
// slot that was updated.
CsvResult ImportCsvRecords(Agenda &agenda, const QList<int> &slotList, const QString &path, Prompter &prompter,
                           const std::function<void(int)> &stored = {});
// A CSV file read for an insert, before its cards are reviewed.
struct CsvInsertFile
{
    QString path;
    bool ok = false;
    QString reason;     // why the file was refused
    CsvTable table;     // its rows (another program's layout)
    CsvMapping mapping; // its columns as recognised from the header
    std::vector<ShortCsvLine> shortLines;  // the own file's short lines
    std::vector<CardOfFile> cards;         // the own file's lines; for another layout after MapCards()

    bool Own() const { return table.own; }
    // Maps the rows onto cards with `mapping` (another program's layout).
    void MapCards() { cards = MapCsvRows(table, mapping, path); }
};
// Reads a CSV file for an insert: this program's own file line by line, any other as rows
// whose columns are recognised by name. Nothing is shown.
CsvInsertFile ReadCsvInsertFile(const QString &path);
// "no label or phone column among: A, B, C" for a mapping that places neither.
QString NoNameOrPhoneReason(const CsvInsertFile &file);
// Shows "Error reading file : <path>" with the reason as the detail.
void ReportCsvRefused(const QString &path, const QString &reason, Prompter &prompter);
// Shows "Error importing line <n>: <label>" for each short line of the own file.
void ReportShortCsvLines(const std::vector<ShortCsvLine> &lines, Prompter &prompter);

// Writes the records of the slots, in the given order, in the layout of a Google Contacts
// export; shows "Error creating file : <path>" with the reason on failure.
bool ExportGoogleCsvRecords(const Agenda &agenda, const QList<int> &slotList, const QString &path, Prompter &prompter);
