#include "shell/startup.h"

#include <QApplication>
#include <QTimer>
#include <cstdio>
#include <cstdlib>

#include "files/program_places.h"
#include "files/settings_file.h"
#include "help/start_windows.h"
#include "ports/qt_dialogs.h"
#include "shell/main_window.h"

namespace gyrant {
namespace {

// Without a display Qt would abort; say what to do instead.
bool HasDisplay() {
    return std::getenv("QT_QPA_PLATFORM") || std::getenv("DISPLAY") ||
           std::getenv("WAYLAND_DISPLAY");
}

// Set, the program ends once the main window's first paint is on the screen, as
// bench/bare_window.cpp ends its yardstick window: the start-up benchmark and the start's tests
// time and check the shipped program itself, not a build of their own.
constexpr const char* kQuitWhenShown = "GYRANT_QUIT_WHEN_SHOWN";

// Ends the program at the first paint of the window it watches.
class QuitWhenPainted : public QObject {
  public:
    using QObject::QObject;
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint)
            QTimer::singleShot(0, QCoreApplication::instance(), &QCoreApplication::quit);
        return QObject::eventFilter(watched, event);
    }
};

}  // namespace

int RunGyrant(int argc, char** argv) {
    if (!HasDisplay()) {
        std::fprintf(stderr, "gyrant: no display found; to run it without one: xvfb-run -a %s\n",
                     argv[0]);
        return 1;
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Gyrant"));

    Worksheet sheet;
    UseProgramPlaces(sheet,
                     LocateProgramPlaces(QCoreApplication::applicationDirPath().toStdString()));
    ReadSettings(sheet, SettingsPath(sheet));
    Outcome setup = SetupWorksheet(sheet);
    if (!setup.ok) {
        QtDialogs dialogs(nullptr);
        Tell(dialogs, setup.message, "Gyrant - Torvane Inc.", Icon::Critical);
        return 1;
    }

    MainWindow window(sheet);
    const bool quitWhenShown = qEnvironmentVariableIsSet(kQuitWhenShown);
    QuitWhenPainted quitWhenPainted;
    if (quitWhenShown) window.installEventFilter(&quitWhenPainted);
    window.show();
    // A worksheet named on the command line (a double click on it) opens as Open would open it.
    // Its name is taken as the bytes given: Qt's decoded arguments lose a name that is not UTF-8.
    // Qt has taken its own options out of argv by now.
    if (argc > 1) window.OpenNamedWorksheet(argv[1]);
    if (!quitWhenShown) {
        QtDialogs dialogs(&window);
        TellSettingsUnkept(sheet, dialogs);
        ShowStartSequence(window, sheet);
    }
    return QApplication::exec();
}

}  // namespace gyrant
