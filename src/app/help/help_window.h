#pragma once

// The help page window `HelpForm`: one page of a topic, sized to its text, with buttons to the
// previous and next page. Cancel, or clicking outside the window, closes it.

#include <QDialog>
#include <QLabel>
#include <QPushButton>

#include "help/help_pages.h"

namespace gyrant {

class HelpWindow : public QDialog {
    Q_OBJECT

  public:
    HelpWindow(const std::filesystem::path& programFolder, int helpPageNo, QWidget* parent);

    QPushButton* PreviousButton() { return m_previous; }
    QPushButton* NextButton() { return m_next; }
    QLabel* Text() { return m_text; }

  private:
    void ShowPage();
    // Sized to the page, its bottom edge where the help's rule puts it.
    void PlaceOnScreen();

    HelpPages m_pages;
    QLabel* m_text = nullptr;
    QPushButton* m_previous = nullptr;
    QPushButton* m_next = nullptr;
};

}  // namespace gyrant
