#include "ports/qt_launcher.h"

#include <QProcess>
#include <QStringList>

namespace gyrant {

bool QtLauncher::Start(const std::vector<std::string>& command) {
    if (command.empty()) return false;
    QStringList arguments;
    for (std::size_t i = 1; i < command.size(); ++i) arguments << QString::fromStdString(command[i]);
    return QProcess::startDetached(QString::fromStdString(command.front()), arguments);
}

}  // namespace gyrant
