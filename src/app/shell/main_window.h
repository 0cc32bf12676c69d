#pragma once

// The main window `frmCR`: the editing strip, the frame holding the Baseline and Proposed
// tables, the answer and the option line under it, and the menus.

#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QMainWindow>
#include <QPointer>
#include <memory>

#include "editor/edit_strip_widget.h"
#include "editor/row_editor.h"
#include "model/spec_grid.h"
#include "model/worksheet.h"
#include "ports/qt_dialogs.h"
#include "shell/menu_host.h"
#include "shell/worksheet_history.h"

namespace gyrant {

class MainMenus;

class MainWindow : public QMainWindow, public MenuHost {
    Q_OBJECT

  public:
    // Asks the user through `dialogs` when given (tests script them), else through Qt's boxes.
    explicit MainWindow(Worksheet& sheet, Dialogs* dialogs = nullptr);
    ~MainWindow() override;

    // The window becomes the active one: unless a sub-window asked to skip it, the tables are
    // set up again and the strip goes back to row 1 of the Baseline vehicle.
    void Activate();
    // Set by a sub-window that returns to this window without wanting it set up again.
    void SkipNextActivation(bool skip) { m_skipActivation = skip; }
    // Lays out one or two tables, the frame caption and the option line, and draws every cell.
    void ShowWorksheet() override;

    SpecGrid& Grid(int index) { return *m_grids[static_cast<std::size_t>(index)]; }
    EditStripWidget& StripWidget() { return *m_strip; }
    QMainWindow& Window() override { return *this; }
    RowEditor& Editor() override { return m_editor; }
    Dialogs& UserDialogs() override { return m_dialogs; }
    // Shows a sub-window without blocking this one; when it closes this window is activated.
    void ShowSubWindow(QDialog* window) override;
    MainMenus& Menus() { return *m_menus; }
    // Opens the calculation sub-menu of a kind over the strip's row, closing any other first.
    void OpenCalcMenu(int calcMenuKind) override;
    WorksheetHistory& History() override { return m_history; }
    // Keeps a Proposed Vehicle Weight chosen in another window as "Keep Change" would: one step.
    void KeepProposedWeight(const std::string& weight) override;
    // Keeps an input of the run as one step to undo; one equal to what is kept makes none.
    void KeepRunEntry(const std::string& key, const std::string& text) override;
    // The question about an input the strip holds, its answer kept as a step of its own; true
    // when the strip may leave its row.
    bool LeaveStripRow() override;
    // Undo (`back`) or Redo, once an input the strip holds is kept or dropped.
    void StepHistory(bool back) override;
    // Runs an open command (Open, a recent or dropped file); a worksheet read replaces the
    // undo history and shows saved.
    void OpenWorksheet(const std::function<bool()>& open) override;
    void OpenNamedWorksheet(const std::string& path) override;

  signals:
    // The worksheet has been drawn again after a change.
    void worksheetShown();

  protected:
    void closeEvent(QCloseEvent* event) override;
    bool event(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

  private:
    // The worksheet's name, marked while it holds unsaved work.
    void ShowTitle();
    void BuildCentralArea();
    void ConnectStrip();
    void ShowStripAndSelection(bool moveFocus);
    // Loads a table's row into the strip after the question about an unkept input; a click
    // moves the focus to the row's field, an arrow key in the table leaves it there.
    void LoadRow(int tableIndex, int row, bool moveFocus);
    // Draws the worksheet and the strip's row, scrolling the table to the row when needed.
    void ShowRowInView(bool moveFocus);
    // The strip and the tables in the frame, which takes the window's height less the menu bar
    // and the option line; runs again whenever the window's size or the vehicle count changes.
    void LayOutFrame();
    // The tables' top inside the frame, under the strip.
    int TableTop() const;
    // The size and place of the last run when it is on a screen, else tall enough for the tables.
    void PlaceAtStart();
    void KeepPlace();
    // After Undo or Redo: the strip loads its row again from the table.
    void ShowRestoredWorksheet();
    void CloseCalcMenu();

    Worksheet& m_sheet;
    QtDialogs m_qtDialogs;
    Dialogs& m_dialogs;
    RowEditor m_editor;
    WorksheetHistory m_history;
    EditStripWidget* m_strip = nullptr;
    QGroupBox* m_frame = nullptr;
    std::array<SpecGrid*, 2> m_grids{};
    QLabel* m_answerLine = nullptr;
    QLabel* m_optionLine = nullptr;
    std::unique_ptr<MainMenus> m_menus;
    QPointer<QDialog> m_calcMenu;
    bool m_shown = false;
    bool m_skipActivation = false;
};

}  // namespace gyrant
