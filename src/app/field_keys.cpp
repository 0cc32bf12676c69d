#include "field_keys.h"

#include <QCoreApplication>
#include <QKeyEvent>

namespace gyrant {

bool StepBetweenFields(QObject* field, QEvent* event) {
    if (event->type() != QEvent::KeyPress) return false;
    Qt::Key step;
    switch (static_cast<QKeyEvent*>(event)->key()) {
        case Qt::Key_Up:
            step = Qt::Key_Backtab;
            break;
        case Qt::Key_Down:
        case Qt::Key_Return:
        case Qt::Key_Enter:
            step = Qt::Key_Tab;
            break;
        default:
            return false;
    }
    QKeyEvent tab(QEvent::KeyPress, step, Qt::NoModifier);
    QCoreApplication::sendEvent(field, &tab);
    return true;
}

}  // namespace gyrant
