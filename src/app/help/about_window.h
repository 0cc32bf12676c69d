#pragma once

// The About window `frmAbout`: the program's name and version, the maker's lines and the
// picture; OK or a click on the window closes it.

#include <QDialog>

namespace gyrant {

class AboutWindow : public QDialog {
    Q_OBJECT

  public:
    explicit AboutWindow(QWidget* parent);

  signals:
    void printClicked();

  protected:
    void mousePressEvent(QMouseEvent* event) override;
};

}  // namespace gyrant
