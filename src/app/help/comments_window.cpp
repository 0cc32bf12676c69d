#include "help/comments_window.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "closes_on_focus_loss.h"
#include "files/file_commands.h"
#include "text/cell_codec.h"

namespace gyrant {
namespace {

QLabel* Note(const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setWordWrap(true);
    return label;
}

}  // namespace

CommentsWindow::CommentsWindow(Worksheet& sheet, QWidget* parent)
    : QDialog(parent), m_sheet(sheet) {
    setObjectName(QStringLiteral("frmComments"));
    setWindowTitle(QStringLiteral("Vevizadu Gyrant File Comments"));
    setAttribute(Qt::WA_DeleteOnClose);
    // Clicking another window discards the typing, as Cancel does.
    new ClosesOnFocusLoss(*this);

    m_text = new QPlainTextEdit(this);
    m_text->setObjectName(QStringLiteral("Text1"));
    // The comments keep CR LF line breaks; the box edits plain lines.
    m_text->setPlainText(FromCell(sheet.document.FileComments)
                             .replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    m_shown = EditedText();

    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    auto* cancel = new QPushButton(QStringLiteral("Cancel"), this);
    connect(ok, &QPushButton::clicked, this, &CommentsWindow::Keep);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Note(
        QStringLiteral("Tip:  Enter comments to describe the specs in this file.  These will be "
                       "printed with reports and saved when you save this file."),
        this));
    layout->addWidget(m_text, 1);
    layout->addWidget(
        Note(QStringLiteral("Important:  We recommend you press <Enter> at the end of each line or "
                            "comment to ensure all comments are printed on printouts."),
             this));
    layout->addLayout(buttons);
    resize(520, 340);
    m_text->setFocus();
}

QString CommentsWindow::EditedText() const {
    // The raw text keeps no-break spaces, which the plain text would turn into blanks.
    QString text = m_text->document()->toRawText();
    for (QChar separator : {QChar(QChar::ParagraphSeparator), QChar(QChar::LineSeparator)})
        text.replace(separator, QChar('\n'));
    return text;
}

void CommentsWindow::Keep() {
    // Text the user did not edit keeps its bytes, even those the box shows differently.
    QString text = EditedText();
    if (text != m_shown)
        KeepComments(m_sheet, ToCell(text.replace(QChar('\n'), QStringLiteral("\r\n"))));
    accept();
}

}  // namespace gyrant
