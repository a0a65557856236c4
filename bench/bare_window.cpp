// The yardstick for the start-up measurement: an empty Qt main window of the game's size.
#include <QApplication>
#include <QMainWindow>
#include <QStatusBar>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Bare Window"));
    window.statusBar();
    window.setFixedSize(607, 445);
    window.show();
    return QApplication::exec();
}
