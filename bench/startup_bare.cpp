// The yardstick of the start-up measurement: an empty QMainWindow, shown as the program
// shows its window, built with the same compiler flags and against the same Qt.
#include <QApplication>
#include <QMainWindow>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QMainWindow window;
    window.resize(800, 420);
    window.show();
    return app.exec();
}
