#include "calc/calc_window.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QLocale>
#include <QEvent>
#include <QFocusEvent>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QVBoxLayout>

#include "files/display_name.h"
#include "help/help_window.h"
#include "text/cell_codec.h"

namespace gyrant {

CalcWindow::CalcWindow(std::unique_ptr<CalcMenu> menu, Worksheet& sheet, Dialogs& dialogs,
                       std::function<void(QWidget*)> print, QWidget* parent)
    : QDialog(parent), m_menu(std::move(menu)), m_sheet(sheet), m_dialogs(dialogs), m_print(std::move(print)) {
    setObjectName(QStringLiteral("frmCalcData"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(FromCell(m_menu->Caption()));
    Build();
    ShowModel();
}

void CalcWindow::Build() {
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(BuildOutputs());
    m_note = new QLabel(this);
    m_note->setObjectName(QStringLiteral("Label1"));
    m_note->setWordWrap(true);
    m_note->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    m_note->setMargin(6);
    layout->addWidget(m_note);
    int groups = static_cast<int>(m_menu->Definition().groupCaptions.size());
    for (int group = 1; group <= groups; ++group) layout->addWidget(BuildGroup(group));
    m_footer = new QLabel(this);
    m_footer->setObjectName(QStringLiteral("Label2"));
    m_footer->hide();
    layout->addWidget(m_footer);
    auto* buttons = new QHBoxLayout;
    m_use = new QPushButton(QStringLiteral("Use Calc Value"), this);
    auto* help = new QPushButton(QStringLiteral("Help"), this);
    auto* cancel = new QPushButton(QStringLiteral("Cancel"), this);
    auto* print = new QPushButton(QStringLiteral("Print"), this);
    for (QPushButton* button : {m_use, help, cancel, print}) {
        button->setAutoDefault(false);
        buttons->addWidget(button);
    }
    connect(m_use, &QPushButton::clicked, this, &CalcWindow::UseValue);
    connect(help, &QPushButton::clicked, this, &CalcWindow::ShowHelp);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(print, &QPushButton::clicked, this, &CalcWindow::Print);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

QWidget* CalcWindow::BuildOutputs() {
    auto* box = new QWidget(this);
    auto* form = new QFormLayout(box);
    form->setContentsMargins(0, 0, 0, 0);
    for (int k = 1; k <= kMostCalcOutputs; ++k) {
        m_outputNames[static_cast<std::size_t>(k)] = new QLabel(box);
        auto* value = new QLabel(box);
        value->setObjectName(QStringLiteral("CalcOutData_%1").arg(k - 1));
        value->setMinimumWidth(90);
        value->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        QFont bold = value->font();
        bold.setBold(true);
        value->setFont(bold);
        m_outputValues[static_cast<std::size_t>(k)] = value;
        form->addRow(m_outputNames[static_cast<std::size_t>(k)], value);
    }
    return box;
}

QWidget* CalcWindow::BuildGroup(int group) {
    auto* frame = new QGroupBox(FromCell(m_menu->Definition().groupCaptions[static_cast<std::size_t>(group - 1)]), this);
    auto* form = new QFormLayout(frame);
    for (int k = 1; k <= m_menu->InputCount(); ++k) {
        if (m_menu->Input(k).group != group) continue;
        auto* caption = new QLabel(frame);
        m_captions[static_cast<std::size_t>(k)] = caption;
        QWidget* field;
        if (m_menu->Input(k).choice) {
            auto* list = new QComboBox(frame);
            list->setMinimumWidth(180);
            list->installEventFilter(this);
            connect(list, &QComboBox::activated, this, [this, k](int index) {
                m_menu->ListClick(k, index);
                ShowModel();
            });
            m_lists[static_cast<std::size_t>(k)] = list;
            field = list;
        } else {
            auto* box = new QLineEdit(frame);
            box->setMaximumWidth(90);
            box->installEventFilter(this);
            connect(box, &QLineEdit::textEdited, this, [this, k](const QString& text) { m_menu->Input(k).text = ToCell(text); });
            m_boxes[static_cast<std::size_t>(k)] = box;
            field = box;
        }
        form->addRow(caption, field);
    }
    return frame;
}

void CalcWindow::ShowModel() {
    for (int k = 1; k <= m_menu->InputCount(); ++k) {
        const CalcInput& input = m_menu->Input(k);
        QLabel* caption = m_captions[static_cast<std::size_t>(k)];
        caption->setText(FromCell(input.caption));
        caption->setEnabled(input.enabled);
        if (QComboBox* list = List(k)) {
            QSignalBlocker quiet(list);
            QStringList items;
            for (const std::string& item : input.items) items << FromCell(item);
            QStringList shown;
            for (int i = 0; i < list->count(); ++i) shown << list->itemText(i);
            if (shown != items) {
                list->clear();
                list->addItems(items);
            }
            list->setCurrentIndex(input.listIndex);
            list->setEnabled(input.enabled);
        } else if (QLineEdit* box = TextBox(k)) {
            if (box->text() != FromCell(input.text)) box->setText(FromCell(input.text));
            box->setEnabled(input.enabled);
        }
    }
    for (int k = 1; k <= kMostCalcOutputs; ++k) {
        const CalcOutput& output = m_menu->Output(k);
        m_outputNames[static_cast<std::size_t>(k)]->setText(FromCell(output.caption));
        m_outputNames[static_cast<std::size_t>(k)]->setVisible(output.shown);
        m_outputNames[static_cast<std::size_t>(k)]->setEnabled(output.enabled);
        OutputValue(k)->setText(FromCell(output.text));
        OutputValue(k)->setVisible(output.shown);
        OutputValue(k)->setEnabled(output.enabled);
    }
    m_note->setText(FromMessage(m_menu->NoteText()));
    m_note->setVisible(m_menu->NoteShown() && !m_menu->NoteText().empty());
}

int CalcWindow::InputOf(QObject* widget) const {
    for (int k = 1; k <= kMostCalcInputs; ++k)
        if (m_boxes[static_cast<std::size_t>(k)] == widget || m_lists[static_cast<std::size_t>(k)] == widget) return k;
    return 0;
}

bool CalcWindow::eventFilter(QObject* watched, QEvent* event) {
    int k = InputOf(watched);
    if (k == 0) return QDialog::eventFilter(watched, event);
    if (event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter || key->key() == Qt::Key_Down) {
            focusNextChild();
            return true;
        }
        if (key->key() == Qt::Key_Up) {
            focusPreviousChild();
            return true;
        }
    }
    QLineEdit* box = TextBox(k);
    if (box && event->type() == QEvent::FocusIn) {
        m_previousText = m_menu->Input(k).text;
        QMetaObject::invokeMethod(box, [box] { box->selectAll(); }, Qt::QueuedConnection);
    }
    auto reason = event->type() == QEvent::FocusOut ? static_cast<QFocusEvent*>(event)->reason() : Qt::OtherFocusReason;
    if (box && event->type() == QEvent::FocusOut && !m_busy && reason != Qt::ActiveWindowFocusReason &&
        reason != Qt::PopupFocusReason) {
        m_busy = true;
        std::optional<std::string> warning = m_menu->LeaveInput(k, m_previousText);
        if (warning) {
            m_dialogs.ShowMessage({*warning, "Warning", Buttons::Ok, Icon::Exclamation, Answer::Ok});
            QMetaObject::invokeMethod(box, [box] { box->setFocus(); }, Qt::QueuedConnection);
        }
        ShowModel();
        m_busy = false;
    }
    return QDialog::eventFilter(watched, event);
}

void CalcWindow::UseValue() {
    m_busy = true;
    bool close = m_menu->UseCalcValue(m_dialogs);
    m_busy = false;
    if (close) accept();
}

void CalcWindow::ShowHelp() {
    m_helpOpen = true;
    auto* help = new HelpWindow(m_sheet.ProgramFolder, m_menu->Kind() * 100, this);
    connect(help, &QDialog::finished, this, [this] { m_helpOpen = false; });
    help->show();
}

void CalcWindow::Print() {
    std::string comment = m_dialogs.InputBox(
        "Enter a comment which will be printed at the bottom of this menu.\r\rJust press <Enter> or click on OK to "
        "enter no comment.  Click on Cancel to cancel printing.",
        "Printed Comment", " ");
    if (comment.empty()) return;
    m_busy = true;
    QString when = QLocale::system().toString(QDateTime::currentDateTime(), QStringLiteral("M/d/yy h:mm ap"));
    m_footer->setText(QStringLiteral("Vevizadu Gyrant v1.1\nFile: %1          %2\n%3")
                          .arg(FromCell(m_sheet.DisplayName), when, FromCell(comment)));
    m_footer->show();
    for (QPushButton* button : findChildren<QPushButton*>(QString(), Qt::FindDirectChildrenOnly)) button->hide();
    adjustSize();
    QCoreApplication::processEvents();
    m_print(this);
    for (QPushButton* button : findChildren<QPushButton*>(QString(), Qt::FindDirectChildrenOnly)) button->show();
    m_footer->hide();
    adjustSize();
    m_busy = false;
}

bool CalcWindow::event(QEvent* event) {
    // Clicking back into the main window discards the sub-menu, unless its help page is open.
    if (event->type() == QEvent::WindowDeactivate && isVisible() && !m_helpOpen && !m_busy)
        QMetaObject::invokeMethod(this, &QDialog::reject, Qt::QueuedConnection);
    return QDialog::event(event);
}

}  // namespace gyrant
