#pragma once

// The worksheet's undo history: every change the user makes to the worksheet is one step between
// the worksheet before and after it; Undo and Redo put one back. Neighbouring steps share the
// state between them, and the oldest steps go when the history holds more than 100 steps or
// more than 64 MB, so that a long session on long comments never exhausts the memory.

#include <QString>
#include <QUndoStack>
#include <functional>
#include <memory>

#include "editor/undo_snapshot.h"

namespace gyrant {

using SharedSnapshot = std::shared_ptr<const WorksheetSnapshot>;

class WorksheetHistory {
  public:
    // `restored` redraws the windows after a step was undone or redone.
    WorksheetHistory(Worksheet& sheet, Dialogs& dialogs, std::function<void()> restored);

    // The worksheet as it is now, sharing what it has in common with the last state kept.
    SharedSnapshot Now() const;
    // Runs `change` and keeps it as one step named `name` when it changed the worksheet; true
    // when it did.
    bool Record(const QString& name, const std::function<void()>& change);
    // Keeps the changes made since the worksheet was `before` as one step (a window that
    // edited it while open); true when there were any.
    bool RecordSince(const QString& name, SharedSnapshot before);
    // The worksheet as it is now is the one in its file: undoing back to it leaves it unchanged.
    void MarkSaved() { m_stack.setClean(); }
    // Another worksheet replaced this one: nothing before it can be undone.
    void Clear();
    QUndoStack& Stack() { return m_stack; }

  private:
    class Step;

    // Drops the oldest steps while the states held come to more than the history may hold.
    void KeepWithinMemory();

    Worksheet& m_sheet;
    Dialogs& m_dialogs;
    std::function<void()> m_restored;
    QUndoStack m_stack;
    SharedSnapshot m_last;  // the state the worksheet was last recorded or restored in
};

}  // namespace gyrant
