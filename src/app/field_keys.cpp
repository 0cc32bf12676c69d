#include "field_keys.h"

#include <QAbstractButton>
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

bool EnterToNextField(QWidget* form, QKeyEvent* event) {
    if (event->key() != Qt::Key_Return && event->key() != Qt::Key_Enter) return false;
    QWidget* from = form->focusWidget() ? form->focusWidget() : form;
    for (QWidget* next = from->nextInFocusChain(); next != from; next = next->nextInFocusChain()) {
        bool field = form->isAncestorOf(next) && !qobject_cast<QAbstractButton*>(next) &&
                     (next->focusPolicy() & Qt::TabFocus) && next->isVisible() && next->isEnabled();
        if (field) {
            next->setFocus(Qt::TabFocusReason);
            break;
        }
    }
    return true;
}

}  // namespace gyrant
