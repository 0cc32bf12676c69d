#pragma once

// A cursor over every window for as long as a piece of work runs, put back however it ends.

#include <QApplication>

namespace gyrant {

class WaitCursor {
  public:
    explicit WaitCursor(Qt::CursorShape shape = Qt::WaitCursor) {
        QApplication::setOverrideCursor(shape);
    }
    ~WaitCursor() { QApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};

}  // namespace gyrant
