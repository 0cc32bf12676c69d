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
    // The box's text with plain line breaks, every character as typed.
    QString EditedText() const;
    void Keep();

    Worksheet& m_sheet;
    QPlainTextEdit* m_text = nullptr;
    QString m_shown;  // the text as the window opened, to tell whether the user edited it
};

}  // namespace gyrant
