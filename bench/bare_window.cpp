// A bare Qt window program, a main window with a one-item menu bar, that quits as soon as its
// window is shown: the yardstick for the start-up time and memory of gyrant. (A window without
// any text never loads the fonts that every real program needs.)

#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <QTimer>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QMainWindow window;
    window.menuBar()->addMenu(QStringLiteral("&File"))->addAction(QStringLiteral("E&xit"));
    window.resize(773, 561);
    window.show();
    QTimer::singleShot(0, &app, &QApplication::quit);
    return QApplication::exec();
}
