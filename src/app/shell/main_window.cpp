#include "shell/main_window.h"

#include <QCloseEvent>
#include <QMimeData>
#include <QTimer>
#include <QVBoxLayout>

#include "analysis/weight_shares.h"
#include "calc/calc_window.h"
#include "commands/document_commands.h"
#include "editor/main_activation.h"
#include "engine/layout.h"
#include "files/display_name.h"
#include "files/file_commands.h"
#include "shell/main_menus.h"
#include "text/cell_codec.h"
#include "timeslip/strip_run.h"

namespace gyrant {
namespace {

// The step an input kept from the strip makes, also when a question about it kept it.
const QString kKeepChange = QStringLiteral("Keep Change");

// The one local file a drag carries, in the file system's bytes; empty for anything else.
std::string DroppedFile(const QDropEvent* event) {
    const QList<QUrl> urls = event->mimeData()->urls();
    return urls.size() == 1 && urls.first().isLocalFile() ? PathOfUrl(urls.first()) : std::string();
}

}  // namespace

MainWindow::MainWindow(Worksheet& sheet, Dialogs* dialogs)
    : m_sheet(sheet),
      m_qtDialogs(this),
      m_dialogs(dialogs ? *dialogs : m_qtDialogs),
      m_editor(sheet, m_dialogs),
      m_history(sheet, m_dialogs, [this] { ShowRestoredWorksheet(); }) {
    setObjectName(QStringLiteral("frmCR"));
    ShowTitle();
    BuildCentralArea();
    ConnectStrip();
    m_menus = std::make_unique<MainMenus>(*this, sheet);
    connect(this, &MainWindow::worksheetShown, this, [this] { m_menus->FollowWorksheet(); });
    PlaceAtStart();
    setAcceptDrops(true);
}

MainWindow::~MainWindow() = default;

void MainWindow::BuildCentralArea() {
    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(TwipsToPixels(60));
    // The frame holds the strip and the tables, placed by LayOutFrame from the window's height.
    m_frame = new QGroupBox(central);
    m_frame->setObjectName(QStringLiteral("SSFrame3"));
    m_frame->setTitle(FromCell(FrameCaption(m_sheet)));
    m_strip = new EditStripWidget(m_editor, m_frame);
    for (int index = kBaseline; index <= kProposed; ++index) {
        m_grids[static_cast<std::size_t>(index)] =
            new SpecGrid(m_sheet.Table(index), index, m_frame);
        connect(m_grids[static_cast<std::size_t>(index)], &SpecGrid::rowClicked, this,
                [this](int table, int row) { LoadRow(table, row, true); });
        connect(m_grids[static_cast<std::size_t>(index)], &SpecGrid::rowStepped, this,
                [this](int table, int step) {
                    if (int row = m_editor.StepRow(table, step)) LoadRow(table, row, false);
                });
    }
    layout->addWidget(m_frame);
    m_answerLine = new QLabel(central);
    m_answerLine->setObjectName(QStringLiteral("AnswerLine"));
    m_answerLine->setWordWrap(true);
    m_answerLine->setContentsMargins(10, 0, 10, 0);
    layout->addWidget(m_answerLine);
    m_optionLine = new QLabel(central);
    m_optionLine->setObjectName(QStringLiteral("Label2"));
    m_optionLine->setWordWrap(true);
    m_optionLine->setContentsMargins(10, 0, 10, 0);
    layout->addWidget(m_optionLine);
    layout->addStretch();
    setCentralWidget(central);
}

void MainWindow::ConnectStrip() {
    connect(m_strip, &EditStripWidget::changed, this, [this] { ShowWorksheet(); });
    connect(m_strip, &EditStripWidget::keepChangeClicked, this, [this] {
        m_history.Record(kKeepChange, [this] { m_editor.KeepChange(); });
        ShowWorksheet();
    });
    connect(m_strip, &EditStripWidget::refreshClicked, this, [this] {
        m_editor.Refresh();
        ShowWorksheet();
    });
    connect(m_strip, &EditStripWidget::copyDownClicked, this, [this] {
        m_history.Record(QStringLiteral("Copy Down"), [this] { m_editor.CopyDown(); });
        ShowWorksheet();
    });
    connect(m_strip, &EditStripWidget::calcClicked, this,
            [this] { OpenCalcMenu(m_editor.CalcMenuKind()); });
    connect(m_strip, &EditStripWidget::rowChosen, this, [this](int row) {
        m_history.Record(kKeepChange, [this, row] {
            if (m_editor.ConfirmLeavingRow()) m_editor.SelectRow(row);
        });
        ShowRowInView(true);
    });
}

void MainWindow::KeepProposedWeight(const std::string& weight) {
    m_history.Record(kKeepChange,
                     [this, &weight] { m_editor.KeepValue(kProposed, kVehicleWeightRow, weight); });
    ShowRowInView(false);
}

void MainWindow::KeepRunEntry(const std::string& key, const std::string& text) {
    // The window that took the entry has warned of one refused; the command keeps nothing then.
    m_history.Record(kKeepChange, [this, &key, &text] {
        static_cast<void>(SetRunEntryCommand(m_sheet, key, text));
    });
    ShowWorksheet();
}

void MainWindow::OpenCalcMenu(int calcMenuKind) {
    auto menu = std::make_unique<CalcMenu>(m_sheet, m_editor.Strip(), calcMenuKind);
    Outcome opened = menu->Open();
    if (!opened.ok) {
        m_dialogs.ShowMessage({opened.message, "Calc", Buttons::Ok, Icon::Exclamation, Answer::Ok});
        return;
    }
    CloseCalcMenu();
    auto* window = new CalcWindow(
        std::move(menu), m_sheet, m_dialogs,
        [this](QWidget* w) { m_menus->Printing().PrintWindowImage(w); }, this);
    // Back from a sub-menu the strip keeps its row and shows what the sub-menu wrote into it.
    connect(window, &QDialog::finished, this, [this] {
        m_skipActivation = true;
        m_editor.RefreshStripResults();
        m_strip->Show(false);
    });
    connect(window, &CalcWindow::stripChanged, this, [this] {
        m_editor.RefreshStripResults();
        m_strip->Show(false);
    });
    connect(this, &MainWindow::worksheetShown, window, &CalcWindow::FollowStripRow);
    m_calcMenu = window;
    ShowSubWindow(window);
}

void MainWindow::CloseCalcMenu() {
    // Read once: each read of the guarded pointer asks again whether the window still lives.
    QDialog* open = m_calcMenu;
    if (open && open->isVisible()) open->reject();
}

void MainWindow::LoadRow(int tableIndex, int row, bool moveFocus) {
    m_history.Record(kKeepChange, [this, tableIndex, row] {
        if (m_editor.ConfirmLeavingRow()) m_editor.TableClick(tableIndex, row);
    });
    ShowRowInView(moveFocus);
}

void MainWindow::ShowRowInView(bool moveFocus) {
    ShowWorksheet();
    ShowStripAndSelection(moveFocus);
    Grid(m_sheet.view.CurrentTable)
        .EnsureVisible(m_sheet.view.CurrentRow, ScrollTopFor(m_sheet.view.CurrentRow));
}

void MainWindow::ShowStripAndSelection(bool moveFocus) {
    m_strip->Show(moveFocus);
    for (int index = kBaseline; index <= kProposed; ++index)
        Grid(index).ShowSelectedRow(index == m_sheet.view.CurrentTable);
}

void MainWindow::ShowWorksheet() {
    m_frame->setTitle(FromCell(FrameCaption(m_sheet)));
    Grid(kProposed).setVisible(m_sheet.document.TwoVehicles != 0);
    m_answerLine->setText(FromCell(
        AnswerLine(ShareOfEachPart(m_sheet), SecondsClauseOf(m_sheet, KeptGearRatios(m_sheet)))));
    m_answerLine->setVisible(!m_answerLine->text().isEmpty());
    m_optionLine->setText(FromCell(OptionLineText(m_sheet)));
    ShowTitle();
    for (SpecGrid* grid : m_grids) grid->Refresh();
    LayOutFrame();
    ShowStripAndSelection(false);
    emit worksheetShown();
}

void MainWindow::ShowTitle() {
    // The title carries the file's name as the file system spells it; a "[*]" in the name is
    // doubled so that only the mark of unsaved work stands for it.
    QString title = QString::fromStdString(WindowTitle(m_sheet));
    setWindowTitle(title.replace(QStringLiteral("[*]"), QStringLiteral("[*][*]")) +
                   QStringLiteral("[*]"));
    setWindowModified(m_sheet.file.SpecsChanged == 1);
}

void MainWindow::Activate() {
    if (ReturnToMainWindow(m_sheet, m_editor, m_dialogs, m_skipActivation)) {
        ShowWorksheet();
        ShowStripAndSelection(true);
    }
    m_skipActivation = false;
}

bool MainWindow::event(QEvent* event) {
    if (event->type() == QEvent::Show && !m_shown) {
        m_shown = true;
        Activate();
    }
    return QMainWindow::event(event);
}

void MainWindow::ShowSubWindow(QDialog* window) {
    connect(window, &QDialog::finished, this, [this] { Activate(); });
    window->show();
    window->raise();
    window->activateWindow();
}

void MainWindow::closeEvent(QCloseEvent* event) {
    bool exits = false;
    m_history.Record(kKeepChange,
                     [this, &exits] { exits = ExitProgram(m_sheet, m_editor, m_dialogs); });
    if (exits) {
        KeepPlace();
        event->accept();
        return;
    }
    event->ignore();
    // A strip input kept before a cancelled save is in the tables now.
    ShowWorksheet();
}

bool MainWindow::LeaveStripRow() {
    bool leaves = false;
    m_history.Record(kKeepChange, [this, &leaves] { leaves = m_editor.ConfirmLeavingRow(); });
    return leaves;
}

void MainWindow::StepHistory(bool back) {
    if (!LeaveStripRow()) return;
    if (back)
        m_history.Stack().undo();
    else
        m_history.Stack().redo();
}

void MainWindow::ShowRestoredWorksheet() {
    m_editor.TableClick(m_sheet.view.CurrentTable,
                        m_sheet.Table(m_sheet.view.CurrentTable).CurrentRow());
    ShowWorksheet();
}

void MainWindow::OpenWorksheet(const std::function<bool()>& open) {
    bool opened = false;
    // An input the strip keeps is a step of its own, so that the save Open offers writes the
    // state that step ends in.
    if (LeaveStripRow()) m_history.Record(kKeepChange, [&open, &opened] { opened = open(); });
    if (opened) {
        m_history.Clear();
        // A sub-menu works on the worksheet it was opened over.
        CloseCalcMenu();
    }
    ShowWorksheet();
}

void MainWindow::OpenNamedWorksheet(const std::string& path) {
    OpenWorksheet([this, path] { return OpenNamedCommand(m_sheet, m_editor, m_dialogs, path); });
}

void MainWindow::dragEnterEvent(QDragEnterEvent* event) {
    if (!DroppedFile(event).empty()) event->acceptProposedAction();
}

void MainWindow::dropEvent(QDropEvent* event) {
    std::string path = DroppedFile(event);
    if (path.empty()) return;
    event->acceptProposedAction();
    // The drop returns before the questions of Open are asked.
    QTimer::singleShot(0, this, [this, path] { OpenNamedWorksheet(path); });
}

}  // namespace gyrant
