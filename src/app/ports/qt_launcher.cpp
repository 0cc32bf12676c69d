#include "ports/qt_launcher.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QStringList>

#include "help/text_window.h"
#include "text/cell_codec.h"

namespace gyrant {
namespace {

// How long an opener may take to hand the document on before it counts as showing it.
constexpr int kOpenerWaitMs = 3000;

// Runs an opener and waits for its exit status, repainting meanwhile; one still running after
// the wait is showing the document and ends on its own.
bool RunOpener(const QString& program, const QStringList& arguments) {
    auto* process = new QProcess;
    process->setProcessChannelMode(QProcess::ForwardedChannels);
    process->start(program, arguments);
    if (!process->waitForStarted()) {
        delete process;
        return false;
    }
    QElapsedTimer clock;
    clock.start();
    while (!process->waitForFinished(50) && clock.elapsed() < kOpenerWaitMs)
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    if (process->state() != QProcess::NotRunning) {
        QObject::connect(process, &QProcess::finished, process, &QObject::deleteLater);
        return true;
    }
    bool shown = process->exitStatus() == QProcess::NormalExit && process->exitCode() == 0;
    delete process;
    return shown;
}

}  // namespace

bool QtLauncher::Start(const std::vector<std::string>& command, bool exitStatusCounts) {
    if (command.empty()) return false;
    QStringList arguments;
    for (std::size_t i = 1; i < command.size(); ++i)
        arguments << QString::fromStdString(command[i]);
    QString program = QString::fromStdString(command.front());
    return exitStatusCounts ? RunOpener(program, arguments)
                            : QProcess::startDetached(program, arguments);
}

void QtLauncher::ShowText(const std::string& title, const std::string& text) {
    auto* window =
        new TextWindow(QString::fromStdString(title), FromCell(text), QApplication::activeWindow());
    window->show();
    window->raise();
}

}  // namespace gyrant
