#pragma once

#include "store/recordrules.h"
#include "common/version.h"

#include <QString>

// The main window's own texts, kept together so that each is written once.
namespace AppText {

inline const QString programName = QString::fromLatin1(kProgramName);
inline const QString version = QString::fromLatin1(kProgramVersion);
inline const QString releaseDate = QString::fromLatin1(kProgramDate);

inline QString WindowTitle()
{
    return programName + QStringLiteral(" - ") + version + QStringLiteral(" - ") + releaseDate
        + QStringLiteral(" - by velkaran");
}

// Start-up.
inline const QString checkUpdates = QStringLiteral("Check for program updates ?");

// Load, save and exit.
inline const QString defaultFilename = QStringLiteral("Agenda.dat");
inline const QString loadTitle = QStringLiteral("Load Agenda.dat file");
inline const QString saveTitle = QStringLiteral("Save Agenda.dat file");
// File selector types; "All files" matches every name, with or without an extension.
inline const QString agendaFilter = QStringLiteral("Agenda.dat (Agenda.dat);;All files (*)");
inline const QString agendaSuffix = QStringLiteral("dat");
inline const QString vcfFilter = QStringLiteral("vCard file (*.vcf);;All files (*)");
inline const QString vcfSuffix = QStringLiteral("vcf");
inline const QString csvFilter = QStringLiteral("Excel CSV file (*.csv);;All files (*)");
inline const QString csvSuffix = QStringLiteral("csv");
inline const QString errorLoading = QStringLiteral("Error loading file : ");
inline const QString errorSaving = QStringLiteral("Error saving file : ");
inline const QString saveModified = QStringLiteral("Save modified Agenda ?");
inline QString ExitQuestion() { return QStringLiteral("Exit ") + programName + QStringLiteral(" ?"); }

// Record list commands.
inline const QString noMoreSpace = QStringLiteral("No more space to add contact to Agenda");
inline const QString deleteSelected = QStringLiteral("Delete selected records ?");
inline const QString moveSelected = QStringLiteral("Move selected records to %1 ?");
inline const QString copySelected = QStringLiteral("Copy selected records to %1 ?");

// In-place editing: the record rules' own texts.
inline const QString addressModified = RecordText::addressQuestion;
inline const QString labelModified = RecordText::labelQuestion;
inline const QString tooLong = RecordText::tooLong;
inline const QString nullValue = RecordText::nullValue;
inline const QString invalidGps = QStringLiteral("Invalid GPS position.");

// Context menu.
inline const QString menuSelectAll = QStringLiteral("Select all");
inline const QString menuEdit = QStringLiteral("Edit");
inline const QString menuDuplicate = QStringLiteral("Duplicate");
inline const QString menuInsert = QStringLiteral("Insert");
inline const QString menuDelete = QStringLiteral("Delete");
inline const QString menuExportVcf = QStringLiteral("Export to vCard");
inline const QString menuExportOneVcf = QStringLiteral("Export to one vCard file");
inline const QString menuImportVcf = QStringLiteral("Import from vCard");
inline const QString menuInsertVcf = QStringLiteral("Insert from vCard");
inline const QString menuExportCsv = QStringLiteral("Export to Excel CSV");
inline const QString menuExportGoogleCsv = QStringLiteral("Export to Google CSV");
inline const QString menuImportCsv = QStringLiteral("Import from Excel CSV");
inline const QString menuInsertCsv = QStringLiteral("Insert from Excel CSV");
inline const QString menuMoveTo = QStringLiteral("Move to user");
inline const QString menuCopyTo = QStringLiteral("Copy to user");
inline const QString menuUndo = QStringLiteral("Undo");
inline const QString menuRedo = QStringLiteral("Redo");
inline const QString menuCheck = QStringLiteral("Check phonebook");

// Phonebook check report.
inline const QString checkTitle = menuCheck;
inline const QString checkClean = QStringLiteral("Nothing found: the unit can take every record as it is.");
inline const QString checkFound = QStringLiteral("%1 findings. Double-click one to select its record.");

// Insert, export and import menus.
inline const QString insertNewEmpty = QStringLiteral("new empty record");
inline const QString insertFromVcf = QStringLiteral("from Vcf file");
inline const QString insertFromCsv = QStringLiteral("from Excel CSV file");
inline const QString exportToVcf = QStringLiteral("to Vcf file");
inline const QString exportToOneVcf = QStringLiteral("to one Vcf file");
inline const QString exportToCsv = QStringLiteral("to Excel CSV file");
inline const QString exportToGoogleCsv = QStringLiteral("to Google CSV");
inline const QString importFromVcf = insertFromVcf;
inline const QString importFromCsv = insertFromCsv;

// The import review of another program's CSV file, and its column dialog.
inline const QString reviewColumns = QStringLiteral("&Columns...");
inline const QString reviewColumnsTip = QStringLiteral("Choose what each column of the file holds");
inline const QString csvColumnsKnown = QStringLiteral(
    "The columns as recognised (layout: %1). Change what a column holds if it is wrong; the choice is remembered "
    "for files with the same columns.");
inline const QString csvColumnsChosen = QStringLiteral(
    "The columns as chosen before. Change what a column holds; the choice is remembered for files with the same "
    "columns.");

} // namespace AppText
