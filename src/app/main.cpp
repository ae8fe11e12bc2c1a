// KESTRAVON: editor for the phonebook file of the RTx car head unit.
#include "app/apptexts.h"
#include "app/language.h"
#include "app/mainwindow.h"
#include "app/startup.h"
#include "common/qtprompter.h"
#include "update/selfupdate.h"

#include <QApplication>
#include <QLocale>
#include <QSettings>
#include <QTimer>

int main(int argc, char **argv)
{
    // --help and --version work without a display.
    if (const int status = EarlyCommandLine(argc, argv); status >= 0)
        return status;
    QApplication app(argc, argv);
    QApplication::setApplicationName(AppText::programName);
    // Lets the desktop match the window to its menu entry (and its icon).
    QGuiApplication::setDesktopFileName(QStringLiteral(KESTRAVON_DESKTOP_ID));
    QApplication::setOrganizationName(AppText::programName);  // settings: ~/.config/KESTRAVON/

    QStringList args = QApplication::arguments();
    args.removeFirst();
    const StartOptions options = ParseCommandLine(args);
    // The translators must be in place before the first text is built.
    const QString setting = QSettings().value(QStringLiteral("ui/language")).toString();
    Language::Install(app, Language::Choose(options.language, setting, QLocale().uiLanguages(), Language::Available()));

    QtPrompter prompter;
    MainWindow window(prompter);
    prompter.SetParent(&window);
    if (!StartUp(window, options))
        return 0;
    // Once the window is up: a program that an update started tells the old one it runs.
    QTimer::singleShot(0, &window, ConfirmStartUp);
    window.Run();
    return 0;
}
