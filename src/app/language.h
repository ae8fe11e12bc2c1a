#pragma once

#include <QString>
#include <QStringList>

class QCoreApplication;

// The languages of the window and its dialogs. English is the language of the source
// texts; every other language is a translation built into the program.
namespace Language {

// The languages the program carries translations for, as two-letter codes, sorted.
QStringList Available();

// The language to show: the command line's (--lang), else the setting ui/language, else
// the first of the system's UI languages (QLocale::uiLanguages(), "de-AT", "fr") that is
// English or has a translation. "en" when none of them gives one; an unknown code given
// on the command line or in the setting is passed over.
QString Choose(const QString &commandLine, const QString &setting, const QStringList &uiLanguages,
               const QStringList &available);

// Installs the program's translation of a language and Qt's own (standard buttons and
// dialogs) into the application, in place of any installed before; English installs
// nothing. False when the program's translation could not be loaded.
bool Install(QCoreApplication &app, const QString &language);
// Removes what Install installed: the texts are English again (for texts built afterwards).
void Remove(QCoreApplication &app);

} // namespace Language
