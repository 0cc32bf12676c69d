#include "closes_on_focus_loss.h"

#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <QWindow>

namespace gyrant {

ClosesOnFocusLoss::ClosesOnFocusLoss(QDialog& window) : QObject(&window), m_window(window) {
    m_window.installEventFilter(this);
}

ClosesOnFocusLoss::Hold::Hold(ClosesOnFocusLoss& closer) : m_closer(&closer) {
    ++closer.m_holds;
}

ClosesOnFocusLoss::Hold::~Hold() {
    // Read once: each read of the guarded pointer asks again whether the closer still lives.
    ClosesOnFocusLoss* closer = m_closer;
    if (!closer) return;
    --closer->m_holds;

    QDialog& window = closer->m_window;
    // The box was answered in front of the window; the user has not turned away from it.
    if (closer->m_holds == 0 && window.isVisible() && !window.isActiveWindow()) {
        window.raise();
        window.activateWindow();
    }
}

void ClosesOnFocusLoss::HoldWhile(QObject& opened) {
    ++m_holds;
    connect(&opened, &QObject::destroyed, this, [this] { --m_holds; });
}

bool ClosesOnFocusLoss::eventFilter(QObject* watched, QEvent* event) {
    // Closing later, once the focus has settled, lets a box that is just being opened hold it.
    if (watched == &m_window && event->type() == QEvent::WindowDeactivate)
        QTimer::singleShot(0, this, &ClosesOnFocusLoss::CloseUnlessHeld);
    return QObject::eventFilter(watched, event);
}

void ClosesOnFocusLoss::CloseUnlessHeld() {
    if (m_holds > 0 || !m_window.isVisible() || m_window.isActiveWindow()) return;
    // With no window of the program active, the focus is on its way or in another program:
    // where it lands back decides.
    if (!QApplication::activeWindow()) {
        connect(qApp, &QGuiApplication::focusWindowChanged, this,
                &ClosesOnFocusLoss::CloseUnlessHeld,
                static_cast<Qt::ConnectionType>(Qt::QueuedConnection | Qt::SingleShotConnection));
        return;
    }
    m_window.reject();
}

}  // namespace gyrant
