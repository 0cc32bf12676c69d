#pragma once

// The comments window `frmComments`: the worksheet's comments to edit. "OK" keeps them;
// "Cancel", or clicking another window, leaves them as they were.

#include <QDialog>
#include <QPlainTextEdit>

#include "model/worksheet.h"

namespace gyrant {

class CommentsWindow : public QDialog {
    Q_OBJECT

  public:
    CommentsWindow(Worksheet& sheet, QWidget* parent);

    QPlainTextEdit* Text() { return m_text; }

  private:
    void Keep();

    Worksheet& m_sheet;
    QPlainTextEdit* m_text = nullptr;
};

}  // namespace gyrant
