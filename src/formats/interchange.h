#pragma once

#include "formats/csvcontacts.h"

#include <QList>
#include <QString>

#include <cstdint>
#include <functional>

class Agenda;
class Prompter;

// The texts of the vCard and CSV exchange: messages, file selector titles, menu entries.
namespace InterchangeText {
// vCard reader debug message: File: <path> - Unknown token "<TOKEN>" at line <n>
constexpr char kFile[] = "File: ";
constexpr char kUnknownToken[] = " - Unknown token ";
constexpr char kAtLine[] = " at line ";

constexpr char kErrorExportingFile[] = "Error exporting file : ";
constexpr char kErrorImportingFile[] = "Error importing file : ";
constexpr char kErrorImporting[] = "Error importing : ";
constexpr char kNoMoreSpace[] = "No more space to add contact to Agenda";
constexpr char kErrorCreatingFile[] = "Error creating file : ";
constexpr char kErrorReadingFile[] = "Error reading file : ";
constexpr char kErrorExportingRecord[] = "Error exporting record ";
constexpr char kErrorImportingRecord[] = "Error importing record ";
constexpr char kErrorImportingLine[] = "Error importing line ";
// Follows "Error importing : <path>" for a card of a file that holds several.
constexpr char kCardNumber[] = " (card %1)";

// Why a vCard file, or its last card, cannot be read (the message's detail).
constexpr char kNoBegin[] = "no BEGIN:VCARD line";
constexpr char kNoEnd[] = "card %1 has no END:VCARD line";
constexpr char kNotAProperty[] = "line %1 is not a vCard property";

// File selector titles; the per-record ones are followed by the record number, " - " and
// the label (RecordTitle).
constexpr char kExportVcfTitle[] = "Export to vCard : REC.";
constexpr char kImportVcfTitle[] = "Import from vCard : REC.";
constexpr char kInsertVcfTitle[] = "Insert from vCard";
constexpr char kExportOneVcfTitle[] = "Export to one vCard file";
constexpr char kExportCsvTitle[] = "Export to Excel CSV file";
constexpr char kExportGoogleCsvTitle[] = "Export to Google CSV";
constexpr char kImportCsvTitle[] = "Import from Excel CSV file";
constexpr char kInsertCsvTitle[] = "Insert from Excel CSV file";

// Menu entries of the export and import buttons and of the insert menu.
constexpr char kToVcf[] = "to Vcf file";
constexpr char kToCsv[] = "to Excel CSV file";
constexpr char kFromVcf[] = "from Vcf file";
constexpr char kFromCsv[] = "from Excel CSV file";
// Entries of the list's context menu.
constexpr char kMenuExportVcf[] = "Export to vCard";
constexpr char kMenuImportVcf[] = "Import from vCard";
constexpr char kMenuInsertVcf[] = "Insert from vCard";
constexpr char kMenuExportCsv[] = "Export to Excel CSV";
constexpr char kMenuImportCsv[] = "Import from Excel CSV";
constexpr char kMenuInsertCsv[] = "Insert from Excel CSV";

// The import review: counts ("312 cards, 290 selected, 91 free places"), remarks, controls.
constexpr char kReviewSelected[] = " selected, ";
constexpr char kRemarkDuplicate[] = "already in this user's list";
constexpr char kRemarkTooLong[] = "too long for the unit";
constexpr char kRemarkTooMany[] = "more than five phones / e-mails";
constexpr char kRemarkNoName[] = "no name";
constexpr char kRemarkUnreadable[] = "cannot be read";
constexpr char kRemarkGroup[] = "contact group, not a contact";
constexpr char kRemarkEmpty[] = "empty card";
constexpr char kRemarkRepeated[] = "same as an earlier card";
constexpr char kRemarkBadGeo[] = "position not understood";
constexpr char kRemarkSameName[] = "same name, other number";
constexpr char kReviewAllCards[] = "all cards";
// The same for the rows of a CSV file ("12 rows, 10 selected, 91 free places").
constexpr char kRemarkEmptyRow[] = "empty row";
constexpr char kRemarkRepeatedRow[] = "same as an earlier row";
constexpr char kReviewAllRows[] = "all rows";

// File selector types.
constexpr char kVcfFilter[] = "vCard file (*.vcf);;All files (*)";
constexpr char kVcfSuffix[] = "vcf";
constexpr char kCsvFilter[] = "Excel CSV file (*.csv);;All files (*)";
constexpr char kCsvSuffix[] = "csv";
} // namespace InterchangeText

// "<title><slot + 1> - <label>", e.g. "Export to vCard : REC.8 - MARIO".
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
