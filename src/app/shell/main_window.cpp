#include "shell/main_window.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>

#include "calc/calc_window.h"
#include "editor/main_activation.h"
#include "engine/layout.h"
#include "engine/window_geometry.h"
#include "files/display_name.h"
#include "files/file_commands.h"
#include "files/window_place.h"
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
    PlaceAtStart();
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
                &MainWindow::RowClicked);
    }
    layout->addWidget(m_frame);
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
    connect(m_strip, &EditStripWidget::calcClicked, this,
            [this] { OpenCalcMenu(m_editor.CalcMenuKind()); });
    connect(m_strip, &EditStripWidget::rowChosen, this, [this](int row) {
        if (m_editor.ConfirmLeavingRow()) m_editor.SelectRow(row);
        ShowRowInView();
    });
}

void MainWindow::OpenCalcMenu(int calcMenuKind) {
    auto menu = std::make_unique<CalcMenu>(m_sheet, m_editor.Strip(), calcMenuKind);
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
    connect(window, &CalcWindow::stripChanged, this, [this] {
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
    LayOutFrame();
    ShowStripAndSelection(false);
    emit worksheetShown();
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
        KeepPlace();
        event->accept();
        return;
    }
    event->ignore();
    // A strip input kept before a cancelled save is in the tables now.
    ShowWorksheet();
}

namespace {

// Room left above the window for its title bar when it opens as tall as the screen allows.
constexpr int kTitleBarPixels = 32;

WindowRect Twips(const QRect& r) {
    return {r.left() * kTwipsPerPixel, r.top() * kTwipsPerPixel, r.width() * kTwipsPerPixel,
            r.height() * kTwipsPerPixel};
}

}  // namespace

void MainWindow::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    LayOutFrame();
}

void MainWindow::LayOutFrame() {
    int frameHeight = TwipsToPixels(FrameHeightTwips(height() * kTwipsPerPixel));
    m_frame->setFixedHeight(frameHeight);
    QRect inside = m_frame->contentsRect().adjusted(4, 0, -4, 0);
    m_strip->setGeometry(inside.left(), inside.top(), inside.width(), m_strip->height());
    int tableTop = TableTop();
    TablePlaces places = PlaceTables(frameHeight * kTwipsPerPixel, tableTop * kTwipsPerPixel,
                                     m_sheet.TwoVehicles != 0);
    Grid(kBaseline).setGeometry(inside.left(), tableTop, inside.width(),
                                TwipsToPixels(places.baselineHeight));
    Grid(kProposed).setGeometry(inside.left(), TwipsToPixels(places.proposedTop), inside.width(),
                                TwipsToPixels(places.proposedHeight));
}

int MainWindow::TableTop() const {
    return m_frame->contentsRect().top() + m_strip->height() + 4;
}

void MainWindow::PlaceAtStart() {
    std::vector<WindowRect> screens;
    for (QScreen* screen : QGuiApplication::screens())
        screens.push_back(Twips(screen->availableGeometry()));
    std::optional<WindowRect> kept = ReadWindowPlace(WindowPlacePath(m_sheet));
    if (kept && IsOnSomeScreen(*kept, screens)) {
        move(TwipsToPixels(kept->left), TwipsToPixels(kept->top));
        resize(TwipsToPixels(kept->width), TwipsToPixels(kept->height));
        return;
    }
    // Tall enough for every row of both tables where the screen has room, under a title bar.
    QScreen* screen = QGuiApplication::primaryScreen();
    int room = screen->availableGeometry().height() - kTitleBarPixels;
    int height = OpeningHeightTwips(TallestTableTwips(m_sheet.Table(kBaseline)),
                                    TableTop() * kTwipsPerPixel, room * kTwipsPerPixel);
    move(0, 0);
    resize(m_strip->minimumWidth() + 30, TwipsToPixels(height));
}

void MainWindow::KeepPlace() {
    QRect place(pos(), size());
    WriteWindowPlace(WindowPlacePath(m_sheet), Twips(place));
}

}  // namespace gyrant
