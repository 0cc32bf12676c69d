#include "help/help_window.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QScreen>
#include <QVBoxLayout>

#include "closes_on_focus_loss.h"
#include "model/spec_grid.h"
#include "text/cell_codec.h"

namespace gyrant {

HelpWindow::HelpWindow(const std::filesystem::path& programFolder, int helpPageNo, QWidget* parent)
    : QDialog(parent), m_pages(programFolder, helpPageNo) {
    setObjectName(QStringLiteral("HelpForm"));
    setAttribute(Qt::WA_DeleteOnClose);
    // Clicking anywhere outside the help closes it.
    new ClosesOnFocusLoss(*this);
    m_text = new QLabel(this);
    m_text->setObjectName(QStringLiteral("Label1"));
    m_text->setWordWrap(true);
    m_text->setTextFormat(Qt::PlainText);
    m_text->setMinimumWidth(520);
    m_previous = new QPushButton(QStringLiteral("Last (previous) Screen"), this);
    m_next = new QPushButton(QStringLiteral("Next Screen"), this);
    auto* cancel = new QPushButton(QStringLiteral("Cancel"), this);
    connect(m_previous, &QPushButton::clicked, this, [this] {
        m_pages.Previous();
        ShowPage();
    });
    connect(m_next, &QPushButton::clicked, this, [this] {
        m_pages.Next();
        ShowPage();
    });
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_previous);
    buttons->addWidget(m_next);
    buttons->addStretch();
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_text);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    ShowPage();
}

void HelpWindow::ShowPage() {
    setWindowTitle(FromMessage(m_pages.Title()));
    m_text->setText(FromMessage(m_pages.Text()));
    m_previous->setEnabled(m_pages.PreviousEnabled());
    m_next->setEnabled(m_pages.NextEnabled());
    PlaceOnScreen();
}

void HelpWindow::PlaceOnScreen() {
    adjustSize();
    QRect room = (parentWidget() ? parentWidget()->screen() : screen())->availableGeometry();
    int top = room.top() + TwipsToPixels(HelpWindowTopTwips(height() * kTwipsPerPixel));
    int left = parentWidget() ? parentWidget()->geometry().center().x() - width() / 2 : x();
    move(std::max(room.left(), left), top);
}

}  // namespace gyrant
