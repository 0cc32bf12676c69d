// A bare Qt window program, a main window with a one-item menu bar, that quits as soon as its
// window's first paint is on the screen, as gyrant does for the benchmark: the yardstick for the
// start-up time and memory of gyrant. (A window without any text never loads the fonts that every
// real program needs.)

#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <QTimer>

namespace {

class QuitWhenPainted : public QObject {
  public:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint)
            QTimer::singleShot(0, QCoreApplication::instance(), &QCoreApplication::quit);
        return QObject::eventFilter(watched, event);
    }
};

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QMainWindow window;
    window.menuBar()->addMenu(QStringLiteral("&File"))->addAction(QStringLiteral("E&xit"));
    window.resize(773, 561);
    QuitWhenPainted quitWhenPainted;
    window.installEventFilter(&quitWhenPainted);
    window.show();
    return QApplication::exec();
}
