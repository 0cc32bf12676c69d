#include "shell/main_window.h"

#include <QCloseEvent>
#include <QTimer>
#include <QVBoxLayout>

#include "calc/calc_window.h"
#include "editor/main_activation.h"
#include "engine/layout.h"
#include "files/display_name.h"
#include "files/file_commands.h"
#include "shell/main_menus.h"
#include "text/cell_codec.h"

namespace gyrant {

MainWindow::MainWindow(Worksheet& sheet, Dialogs* dialogs)
    : m_sheet(sheet),
      m_qtDialogs(this),
      m_dialogs(dialogs ? *dialogs : m_qtDialogs),
      m_editor(sheet, m_dialogs) {
    setObjectName(QStringLiteral("frmCR"));
    setWindowTitle(QString::fromStdString(WindowTitle(sheet)));
    BuildCentralArea();
    ConnectStrip();
    m_menus = std::make_unique<MainMenus>(*this, sheet);
    move(0, 0);
    resize(m_strip->minimumWidth() + 30, TwipsToPixels(8420));
}

MainWindow::~MainWindow() = default;

void MainWindow::BuildCentralArea() {
    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 4);
    m_strip = new EditStripWidget(m_editor, central);
    layout->addWidget(m_strip);
    m_frame = new QGroupBox(central);
    m_frame->setObjectName(QStringLiteral("SSFrame3"));
    auto* frameLayout = new QVBoxLayout(m_frame);
    frameLayout->setSpacing(TwipsToPixels(100));
    for (int index = kBaseline; index <= kProposed; ++index) {
        m_grids[static_cast<std::size_t>(index)] =
            new SpecGrid(m_sheet.Table(index), index, m_frame);
        frameLayout->addWidget(m_grids[static_cast<std::size_t>(index)], 1);
        connect(m_grids[static_cast<std::size_t>(index)], &SpecGrid::rowClicked, this,
                &MainWindow::RowClicked);
    }
    layout->addWidget(m_frame, 1);
    m_optionLine = new QLabel(central);
    m_optionLine->setObjectName(QStringLiteral("Label2"));
    m_optionLine->setWordWrap(true);
    m_optionLine->setContentsMargins(10, 0, 10, 0);
    layout->addWidget(m_optionLine);
    setCentralWidget(central);
}

void MainWindow::ConnectStrip() {
    connect(m_strip, &EditStripWidget::changed, this, [this] { ShowWorksheet(); });
    connect(m_strip, &EditStripWidget::keepChangeClicked, this, [this] {
        m_editor.KeepChange();
        ShowWorksheet();
    });
    connect(m_strip, &EditStripWidget::refreshClicked, this, [this] {
        m_editor.Refresh();
        ShowWorksheet();
    });
    connect(m_strip, &EditStripWidget::copyDownClicked, this, [this] {
        m_editor.CopyDown();
        ShowWorksheet();
    });
    connect(m_strip, &EditStripWidget::calcClicked, this, &MainWindow::OpenCalcMenu);
    connect(m_strip, &EditStripWidget::rowChosen, this, [this](int row) {
        if (m_editor.ConfirmLeavingRow()) m_editor.SelectRow(row);
        ShowRowInView();
    });
}

void MainWindow::OpenCalcMenu() {
    auto menu = std::make_unique<CalcMenu>(m_sheet, m_editor.Strip(), m_editor.CalcMenuKind());
    Outcome opened = menu->Open();
    if (!opened.ok) {
        m_dialogs.ShowMessage({opened.message, "Calc", Buttons::Ok, Icon::Exclamation, Answer::Ok});
        return;
    }
    auto* window = new CalcWindow(
        std::move(menu), m_sheet, m_dialogs,
        [this](QWidget* w) { m_menus->Printing().PrintWindowImage(w); }, this);
    // Back from a sub-menu the strip keeps its row and shows what the sub-menu wrote into it.
    connect(window, &QDialog::finished, this, [this] {
        m_skipActivation = true;
        m_editor.RefreshStripResults();
        m_strip->Show(false);
    });
    ShowSubWindow(window);
}

void MainWindow::RowClicked(int tableIndex, int row) {
    if (m_editor.ConfirmLeavingRow()) m_editor.TableClick(tableIndex, row);
    ShowRowInView();
}

void MainWindow::ShowRowInView() {
    ShowWorksheet();
    ShowStripAndSelection(true);
    Grid(m_sheet.CurrentTable).EnsureVisible(m_sheet.CurrentRow, ScrollTopFor(m_sheet.CurrentRow));
}

void MainWindow::ShowStripAndSelection(bool moveFocus) {
    m_strip->Show(moveFocus);
    for (int index = kBaseline; index <= kProposed; ++index)
        Grid(index).ShowSelectedRow(index == m_sheet.CurrentTable);
}

void MainWindow::ShowWorksheet() {
    m_frame->setTitle(FromCell(FrameCaption(m_sheet)));
    Grid(kProposed).setVisible(m_sheet.TwoVehicles != 0);
    m_optionLine->setText(FromCell(OptionLineText(m_sheet)));
    // The title carries the file's name as the file system spells it.
    setWindowTitle(QString::fromStdString(WindowTitle(m_sheet)));
    for (SpecGrid* grid : m_grids) grid->Refresh();
    ShowStripAndSelection(false);
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
        QTimer::singleShot(0, this, &MainWindow::firstShown);
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
    if (ExitProgram(m_sheet, m_editor, m_dialogs)) {
        event->accept();
        return;
    }
    event->ignore();
    // A strip input kept before a cancelled save is in the tables now.
    ShowWorksheet();
}

}  // namespace gyrant
