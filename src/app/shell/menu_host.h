#pragma once

// What the menus need of the window they sit in: they forward each item to a command and ask
// the window to draw the result, and know nothing else of it.

#include <QDialog>
#include <QMainWindow>
#include <functional>
#include <string>

#include "editor/row_editor.h"
#include "ports/dialogs.h"
#include "shell/worksheet_history.h"

namespace gyrant {

class MenuHost {
  public:
    virtual ~MenuHost() = default;

    // The window: the menu bar's owner, the sub-windows' parent, closed by Exit.
    virtual QMainWindow& Window() = 0;
    virtual WorksheetHistory& History() = 0;
    virtual Dialogs& UserDialogs() = 0;
    virtual RowEditor& Editor() = 0;
    // The question about an input the strip holds; true when the strip may leave its row.
    virtual bool LeaveStripRow() = 0;
    // Undo (`back`) or Redo.
    virtual void StepHistory(bool back) = 0;
    // Runs an open command; a worksheet read replaces the undo history.
    virtual void OpenWorksheet(const std::function<bool()>& open) = 0;
    // Opens the spec file at `path` (a recent file) as such a command.
    virtual void OpenNamedWorksheet(const std::string& path) = 0;
    virtual void ShowWorksheet() = 0;
    // Shows a sub-window without blocking the window.
    virtual void ShowSubWindow(QDialog* window) = 0;
    virtual void OpenCalcMenu(int calcMenuKind) = 0;
    // Keeps a Proposed Vehicle Weight chosen in another window.
    virtual void KeepProposedWeight(const std::string& weight) = 0;
    // Keeps an input of the run typed in another window (SetRunEntryCommand) as one step.
    virtual void KeepRunEntry(const std::string& key, const std::string& text) = 0;
};

}  // namespace gyrant
