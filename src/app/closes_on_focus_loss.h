#pragma once

// For a window that closes, as its Cancel does, when the user turns to another window: it stays
// open while a box or window that it opened itself is showing, and when a box it waited on is
// answered it takes the focus back, so the answer never finds it gone.

#include <QDialog>
#include <QPointer>

namespace gyrant {

class ClosesOnFocusLoss : public QObject {
  public:
    explicit ClosesOnFocusLoss(QDialog& window);

    // Keeps the window open for as long as it lives, whatever has the focus meanwhile; made
    // around every box the window opens.
    class Hold {
      public:
        explicit Hold(ClosesOnFocusLoss& closer);
        Hold(const Hold&) = delete;
        Hold& operator=(const Hold&) = delete;
        ~Hold();

      private:
        QPointer<ClosesOnFocusLoss> m_closer;
    };

    // Keeps the window open until `opened`, a window it showed without waiting on it, is gone.
    void HoldWhile(QObject& opened);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void CloseUnlessHeld();

    QDialog& m_window;
    int m_holds = 0;
};

}  // namespace gyrant
