#pragma once

// The worksheet's undo history: every change the user makes to the worksheet is one step that
// holds the worksheet before and after it; Undo and Redo put one back.

#include <QString>
#include <QUndoStack>
#include <functional>

#include "editor/undo_snapshot.h"

namespace gyrant {

class WorksheetHistory {
  public:
    // `restored` redraws the windows after a step was undone or redone.
    WorksheetHistory(Worksheet& sheet, Dialogs& dialogs, std::function<void()> restored);

    // Runs `change` and keeps it as one step named `name` when it changed the worksheet; true
    // when it did.
    bool Record(const QString& name, const std::function<void()>& change);
    // Keeps the changes made since the worksheet was `before` as one step (a window that
    // edited it while open); true when there were any.
    bool RecordSince(const QString& name, WorksheetSnapshot before);
    // The worksheet as it is now is the one in its file: undoing back to it leaves it unchanged.
    void MarkSaved() { m_stack.setClean(); }
    // Another worksheet replaced this one: nothing before it can be undone.
    void Clear() { m_stack.clear(); }
    QUndoStack& Stack() { return m_stack; }

  private:
    class Step;

    Worksheet& m_sheet;
    Dialogs& m_dialogs;
    std::function<void()> m_restored;
    QUndoStack m_stack;
};

}  // namespace gyrant
