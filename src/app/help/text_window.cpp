#include "help/text_window.h"

#include <QFontDatabase>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace gyrant {

TextWindow::TextWindow(const QString& title, const QString& text, QWidget* parent)
    : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("frmText"));
    setWindowTitle(title);
    setAttribute(Qt::WA_DeleteOnClose);

    auto* view = new QPlainTextEdit(this);
    view->setObjectName(QStringLiteral("Text1"));
    view->setReadOnly(true);
    view->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    view->setPlainText(QString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));

    // A desktop without a window manager draws no [X]: the window closes from its own button too.
    auto* close = new QPushButton(QStringLiteral("Close"), this);
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(view, 1);
    layout->addLayout(buttons);
    resize(view->fontMetrics().horizontalAdvance(QLatin1Char('x')) * 96, 560);
}

}  // namespace gyrant
