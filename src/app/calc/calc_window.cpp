#include "calc/calc_window.h"

#include <QCoreApplication>
#include <QEvent>
#include <QFocusEvent>
#include <QVBoxLayout>

#include "dialog_font.h"
#include "field_keys.h"
#include "help/help_window.h"
#include "model/spec_grid.h"
#include "text/cell_codec.h"
#include "text/list_items.h"

namespace gyrant {

CalcWindow::CalcWindow(std::unique_ptr<CalcMenu> menu, Worksheet& sheet, Dialogs& dialogs,
                       std::function<void(QWidget*)> print, QWidget* parent)
    : QDialog(parent),
      m_menu(std::move(menu)),
      m_sheet(sheet),
      m_dialogs(dialogs),
      m_print(std::move(print)) {
    setObjectName(QStringLiteral("frmCalcData"));
    setAttribute(Qt::WA_DeleteOnClose);
    setFont(DialogFont(font()));
    m_closer = new ClosesOnFocusLoss(*this);
    Build();
    ShowModel();
}

namespace {

// Where a sub-menu opens on the screen, beside the strip's fields.
constexpr int kCalcMenuLeftTwips = 5100, kCalcMenuTopTwips = 320;
constexpr int kButtonHeight = 26, kBottomMargin = 10;

QRect Pixels(const TwipsRect& r) {
    return QRect(TwipsToPixels(r.left), TwipsToPixels(r.top), TwipsToPixels(r.width),
                 TwipsToPixels(r.height));
}

}  // namespace

void CalcWindow::Build() {
    CalcLayout layout = LayOutCalcMenu(m_menu->Definition(), m_menu->Kind());
    int groups = static_cast<int>(m_menu->Definition().groupCaptions.size());
    for (int group = 1; group <= groups; ++group) {
        auto* frame = new QGroupBox(
            FromCell(m_menu->Definition().groupCaptions[static_cast<std::size_t>(group - 1)]),
            this);
        frame->setGeometry(Pixels(layout.groups[static_cast<std::size_t>(group)]));
    }
    BuildOutputs(layout);
    BuildInputs(layout);
    BuildNote(layout);
    m_footer = new QLabel(this);
    m_footer->setObjectName(QStringLiteral("Label2"));
    m_footer->setGeometry(8, TwipsToPixels(layout.buttonsTop), TwipsToPixels(layout.width) - 16,
                          48);
    m_footer->hide();
    BuildButtons(layout);
    // The window ends under its buttons: the height of the layout counted a title bar and
    // borders that the window system adds outside.
    setFixedSize(TwipsToPixels(layout.width),
                 TwipsToPixels(layout.buttonsTop) + kButtonHeight + kBottomMargin);
    move(TwipsToPixels(kCalcMenuLeftTwips), TwipsToPixels(kCalcMenuTopTwips));
}

void CalcWindow::BuildNote(const CalcLayout& layout) {
    // The note stands in a frame under the caption its definition gives it.
    m_noteFrame = new QGroupBox(FromCell(m_menu->Definition().noteCaption), this);
    m_noteFrame->setObjectName(QStringLiteral("Frame3D3"));
    m_noteFrame->setGeometry(Pixels(layout.note));
    m_note = new QLabel(m_noteFrame);
    m_note->setObjectName(QStringLiteral("Label1"));
    m_note->setWordWrap(true);
    auto* place = new QVBoxLayout(m_noteFrame);
    place->setContentsMargins(6, 2, 6, 4);
    place->addWidget(m_note);
}

void CalcWindow::BuildButtons(const CalcLayout& layout) {
    m_use = new QPushButton(QStringLiteral("Use Calc Value"), this);
    auto* help = new QPushButton(QStringLiteral("Help"), this);
    auto* cancel = new QPushButton(FromCell(m_menu->CloseCaption()), this);
    auto* print = new QPushButton(QStringLiteral("Print"), this);
    m_use->setVisible(m_menu->WritesBack());
    std::vector<QPushButton*> shown = {help, cancel, print};
    if (m_menu->WritesBack()) shown.insert(shown.begin(), m_use);
    // "Use Calc Value" takes what its caption needs; the other three share the rest of the row.
    int left = 8;
    int room = TwipsToPixels(layout.width) - 16 - 4 * (static_cast<int>(shown.size()) - 1);
    int useWidth = m_menu->WritesBack() ? m_use->sizeHint().width() : 0;
    int otherWidth = (room - useWidth) / 3;
    for (QPushButton* button : shown) {
        int width = button == m_use ? useWidth : otherWidth;
        button->setAutoDefault(false);
        button->setGeometry(left, TwipsToPixels(layout.buttonsTop), width, kButtonHeight);
        left += width + 4;
    }
    connect(m_use, &QPushButton::clicked, this, &CalcWindow::UseValue);
    connect(help, &QPushButton::clicked, this, &CalcWindow::ShowHelp);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(print, &QPushButton::clicked, this, &CalcWindow::Print);
}

void CalcWindow::BuildOutputs(const CalcLayout& layout) {
    for (int k = 1; k <= kMostCalcOutputs; ++k) {
        auto* name = new QLabel(this);
        name->setFrameStyle(QFrame::Panel | QFrame::Raised);
        name->setGeometry(Pixels(layout.outputCaptions[static_cast<std::size_t>(k)]));
        m_outputNames[static_cast<std::size_t>(k)] = name;
        auto* value = new QLabel(this);
        value->setObjectName(QStringLiteral("CalcOutData_%1").arg(k - 1));
        value->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        value->setGeometry(Pixels(layout.outputValues[static_cast<std::size_t>(k)]));
        QFont bold = value->font();
        bold.setBold(true);
        value->setFont(bold);
        m_outputValues[static_cast<std::size_t>(k)] = value;
    }
}

void CalcWindow::BuildInputs(const CalcLayout& layout) {
    for (int k = 1; k <= m_menu->InputCount(); ++k) {
        auto index = static_cast<std::size_t>(k);
        auto* caption = new QLabel(this);
        caption->setFrameStyle(QFrame::Panel | QFrame::Raised);
        caption->setGeometry(Pixels(layout.inputCaptions[index]));
        m_captions[index] = caption;
        QWidget* field;
        if (m_menu->Input(k).choice) {
            auto* list = new QComboBox(this);
            connect(list, &QComboBox::activated, this, [this, k](int chosen) {
                m_menu->ListClick(k, chosen);
                ShowModel();
            });
            m_lists[index] = list;
            field = list;
        } else {
            auto* box = new QLineEdit(this);
            connect(box, &QLineEdit::textEdited, this,
                    [this, k](const QString& text) { m_menu->Input(k).text = ToCell(text); });
            m_boxes[index] = box;
            field = box;
        }
        field->installEventFilter(this);
        field->setGeometry(Pixels(layout.inputFields[index]));
    }
}

void CalcWindow::ShowModel() {
    setWindowTitle(FromCell(m_menu->Caption()));
    for (int k = 1; k <= m_menu->InputCount(); ++k) {
        const CalcInput& input = m_menu->Input(k);
        QLabel* caption = m_captions[static_cast<std::size_t>(k)];
        caption->setText(FromCell(input.caption));
        caption->setEnabled(input.enabled);
        if (QComboBox* list = List(k)) {
            ShowListItems(list, input.items, input.listIndex);
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
    m_noteFrame->setVisible(m_menu->NoteShown() && !m_menu->NoteText().empty());
}

int CalcWindow::InputOf(QObject* widget) const {
    for (int k = 1; k <= kMostCalcInputs; ++k)
        if (m_boxes[static_cast<std::size_t>(k)] == widget ||
            m_lists[static_cast<std::size_t>(k)] == widget)
            return k;
    return 0;
}

bool CalcWindow::eventFilter(QObject* watched, QEvent* event) {
    int k = InputOf(watched);
    if (k == 0) return QDialog::eventFilter(watched, event);
    if (StepBetweenFields(watched, event)) return true;
    QLineEdit* box = TextBox(k);
    if (box && event->type() == QEvent::FocusIn) {
        m_previousText = m_menu->Input(k).text;
        QMetaObject::invokeMethod(
            box, [box] { box->selectAll(); }, Qt::QueuedConnection);
    }
    auto reason = event->type() == QEvent::FocusOut ? static_cast<QFocusEvent*>(event)->reason()
                                                    : Qt::OtherFocusReason;
    if (box && event->type() == QEvent::FocusOut && !m_busy &&
        reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) {
        m_busy = true;
        std::optional<std::string> warning = m_menu->LeaveInput(k, m_previousText);
        if (warning) {
            ClosesOnFocusLoss::Hold hold(*m_closer);
            m_dialogs.ShowMessage(
                {*warning, "Warning", Buttons::Ok, Icon::Exclamation, Answer::Ok});
            QMetaObject::invokeMethod(
                box, [box] { box->setFocus(); }, Qt::QueuedConnection);
        }
        ShowModel();
        m_busy = false;
    }
    return QDialog::eventFilter(watched, event);
}

void CalcWindow::UseValue() {
    bool close = false;
    {
        ClosesOnFocusLoss::Hold hold(*m_closer);
        m_busy = true;
        close = m_menu->UseCalcValue(m_dialogs);
        m_busy = false;
    }
    if (close)
        accept();
    else
        emit stripChanged();
}

void CalcWindow::FollowStripRow() {
    if (isVisible() && !m_menu->StripShowsItsRow()) reject();
}

void CalcWindow::ShowHelp() {
    auto* help = new HelpWindow(m_sheet.setup.ProgramFolder, m_menu->Kind() * 100, this);
    m_closer->HoldWhile(*help);
    help->show();
}

void CalcWindow::Print() {
    // The comment box, the printer's questions and the PDF file chooser all take the focus.
    ClosesOnFocusLoss::Hold hold(*m_closer);
    std::string comment = m_dialogs.InputBox(
        "Enter a comment which will be printed at the bottom of this menu.\r\rJust press <Enter> "
        "or click on OK to "
        "enter no comment.  Click on Cancel to cancel printing.",
        "Printed Comment", " ");
    if (comment.empty()) return;
    m_busy = true;
    std::time_t now = std::time(nullptr);
    std::tm when{};
    localtime_r(&now, &when);
    m_footer->setText(FromMessage(PrintFooter(m_sheet.file.DisplayName, when, comment)));
    m_footer->show();
    for (QPushButton* button : findChildren<QPushButton*>(QString(), Qt::FindDirectChildrenOnly))
        button->hide();
    setFixedHeight(height() + TwipsToPixels(200));
    QCoreApplication::processEvents();
    m_print(this);
    for (QPushButton* button : findChildren<QPushButton*>(QString(), Qt::FindDirectChildrenOnly))
        button->setVisible(button != m_use || m_menu->WritesBack());
    m_footer->hide();
    setFixedHeight(height() - TwipsToPixels(200));
    m_busy = false;
}

}  // namespace gyrant
