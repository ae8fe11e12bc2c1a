// KESTRAVON: editor for the phonebook file of the RTx car head unit.
#include "app/apptexts.h"
#include "app/mainwindow.h"
#include "app/startup.h"
#include "common/qtprompter.h"

#include <QApplication>

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

    QtPrompter prompter;
    MainWindow window(prompter);
    prompter.SetParent(&window);

    QStringList args = QApplication::arguments();
    args.removeFirst();
    const StartOptions options = ParseCommandLine(args);
    if (!StartUp(window, options))
        return 0;
    window.Run();
    return 0;
}
