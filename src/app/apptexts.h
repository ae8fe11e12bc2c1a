#pragma once

#include "common/plural.h"
#include "common/version.h"
#include "formats/interchange.h"
#include "store/phonebook.h"

#include <QCoreApplication>
#include <QString>

// The main window's own texts, kept together so that each is written once. Every text a
// person reads is a function that translates it when it is used, so the language installed
// at start-up applies (a text built before the translator exists would stay English).
namespace AppText {

inline const QString programName = QString::fromLatin1(kProgramName);
inline const QString version = QString::fromLatin1(kProgramVersion);
inline const QString releaseDate = QString::fromLatin1(kProgramDate);

inline QString WindowTitle()
{
    //: The window title: program name, version, release date.
    return QCoreApplication::translate("AppText", "%1 - %2 - %3 - by velkaran").arg(programName, version, releaseDate);
}

// Start-up.
inline QString checkUpdates() { return QCoreApplication::translate("AppText", "Check for program updates ?"); }

// Load, save and exit. The file name and the suffixes are no words: never translated.
inline const QString defaultFilename = QStringLiteral("Agenda.dat");
inline QString loadTitle() { return QCoreApplication::translate("AppText", "Load Agenda.dat file"); }
inline QString saveTitle() { return QCoreApplication::translate("AppText", "Save Agenda.dat file"); }
// File selector types; "All files" matches every name, with or without an extension.
inline QString agendaFilter()
{
    //: File selector types: translate the words only; keep the patterns in brackets and the ";;" between the types.
    return QCoreApplication::translate("AppText", "Agenda.dat (Agenda.dat);;All files (*)");
}
inline const QString agendaSuffix = QStringLiteral("dat");
inline QString vcfFilter() { return InterchangeText::Tr(InterchangeText::kVcfFilter); }
inline const QString vcfSuffix = QStringLiteral("vcf");
inline QString csvFilter() { return InterchangeText::Tr(InterchangeText::kCsvFilter); }
inline const QString csvSuffix = QStringLiteral("csv");
//: %1 is the file's path.
inline QString errorLoading() { return QCoreApplication::translate("AppText", "Error loading file : %1"); }
//: %1 is the file's path.
inline QString errorSaving() { return QCoreApplication::translate("AppText", "Error saving file : %1"); }
inline QString saveModified() { return QCoreApplication::translate("AppText", "Save modified Agenda ?"); }
//: %1 is the program's name.
inline QString ExitQuestion() { return QCoreApplication::translate("AppText", "Exit %1 ?").arg(programName); }

// Record list commands.
inline QString noMoreSpace() { return BookText::noMoreSpace(); }
inline QString deleteSelected() { return QCoreApplication::translate("AppText", "Delete selected records ?"); }
//: %1 is the user's name.
inline QString moveSelected() { return QCoreApplication::translate("AppText", "Move selected records to %1 ?"); }
//: %1 is the user's name.
inline QString copySelected() { return QCoreApplication::translate("AppText", "Copy selected records to %1 ?"); }

// Context menu.
inline QString menuSelectAll() { return QCoreApplication::translate("AppText", "Select all"); }
inline QString menuEdit() { return QCoreApplication::translate("AppText", "Edit"); }
inline QString menuDuplicate() { return QCoreApplication::translate("AppText", "Duplicate"); }
inline QString menuInsert() { return QCoreApplication::translate("AppText", "Insert"); }
inline QString menuDelete() { return QCoreApplication::translate("AppText", "Delete"); }
inline QString menuExportVcf() { return QCoreApplication::translate("AppText", "Export to vCard"); }
inline QString menuExportOneVcf() { return QCoreApplication::translate("AppText", "Export to one vCard file"); }
inline QString menuImportVcf() { return QCoreApplication::translate("AppText", "Import from vCard"); }
inline QString menuInsertVcf() { return QCoreApplication::translate("AppText", "Insert from vCard"); }
inline QString menuExportCsv() { return QCoreApplication::translate("AppText", "Export to Excel CSV"); }
inline QString menuExportGoogleCsv() { return QCoreApplication::translate("AppText", "Export to Google CSV"); }
inline QString menuImportCsv() { return QCoreApplication::translate("AppText", "Import from Excel CSV"); }
inline QString menuInsertCsv() { return QCoreApplication::translate("AppText", "Insert from Excel CSV"); }
inline QString menuMoveTo() { return QCoreApplication::translate("AppText", "Move to user"); }
inline QString menuCopyTo() { return QCoreApplication::translate("AppText", "Copy to user"); }
inline QString menuUndo() { return QCoreApplication::translate("AppText", "Undo"); }
inline QString menuRedo() { return QCoreApplication::translate("AppText", "Redo"); }
inline QString menuCheck() { return QCoreApplication::translate("AppText", "Check phonebook"); }

// Phonebook check report.
inline QString checkTitle() { return menuCheck(); }
inline QString checkClean()
{
    return QCoreApplication::translate("AppText", "Nothing found: the unit can take every record as it is.");
}
inline QString checkFound(int findings)
{
    return CountText("AppText", QT_TRANSLATE_N_NOOP("AppText", "%n finding(s). Double-click one to select its record."),
                     findings);
}

// Insert, export and import menus.
inline QString insertNewEmpty() { return QCoreApplication::translate("AppText", "new empty record"); }
inline QString insertFromVcf() { return QCoreApplication::translate("AppText", "from Vcf file"); }
inline QString insertFromCsv() { return QCoreApplication::translate("AppText", "from Excel CSV file"); }
inline QString exportToVcf() { return QCoreApplication::translate("AppText", "to Vcf file"); }
inline QString exportToOneVcf() { return QCoreApplication::translate("AppText", "to one Vcf file"); }
inline QString exportToCsv() { return QCoreApplication::translate("AppText", "to Excel CSV file"); }
inline QString exportToGoogleCsv() { return QCoreApplication::translate("AppText", "to Google CSV"); }
inline QString importFromVcf() { return insertFromVcf(); }
inline QString importFromCsv() { return insertFromCsv(); }

// The import review of another program's CSV file, and its column dialog.
inline QString reviewColumns() { return QCoreApplication::translate("AppText", "&Columns..."); }
inline QString reviewColumnsTip()
{
    return QCoreApplication::translate("AppText", "Choose what each column of the file holds");
}
inline QString csvColumnsKnown()
{
    //: %1 is the name of the recognised layout ("Google Contacts", "Outlook (German)").
    return QCoreApplication::translate("AppText",
                                       "The columns as recognised (layout: %1). Change what a column holds if it is "
                                       "wrong; the choice is remembered for files with the same columns.");
}
inline QString csvColumnsChosen()
{
    return QCoreApplication::translate("AppText",
                                       "The columns as chosen before. Change what a column holds; the choice is "
                                       "remembered for files with the same columns.");
}

} // namespace AppText
