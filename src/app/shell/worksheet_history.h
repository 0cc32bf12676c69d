#pragma once

// The worksheet's undo history: every change the user makes to the worksheet is one step between
// the worksheet before and after it; Undo and Redo put one back. Neighbouring steps share the
// state between them, and the oldest steps go when the history holds more than 100 steps or
// more than 64 MB, so that a long session on long comments never exhausts the memory.
//
// The history alone decides whether the worksheet shows unsaved work: it knows which of its
// states are the one in the file, and sets the worksheet's mark after every command, Undo and
// Redo. Within a command the core marks the changes it makes, so that its own questions (the
// save offers of Exit, Open and the wizard) see them.

#include <QString>
#include <QUndoStack>
#include <functional>
#include <memory>

#include "editor/undo_snapshot.h"
#include "model/saved_state.h"

namespace gyrant {

using SharedSnapshot = std::shared_ptr<const WorksheetSnapshot>;

class WorksheetHistory {
  public:
    // `restored` redraws the windows after a step was undone or redone.
    WorksheetHistory(Worksheet& sheet, Dialogs& dialogs, std::function<void()> restored);

    // The worksheet as it is now, sharing what it has in common with the last state kept.
    SharedSnapshot Now() const;
    // Runs `change` and keeps it as one step named `name` when it changed the worksheet; true
    // when it did. The worksheet ends saved when the change left it unmarked: a change that keeps
    // the mark (Copy Down, an option) on a saved worksheet leaves both states saved, and a save
    // that cleared the mark leaves only the state it wrote.
    bool Record(const QString& name, const std::function<void()>& change);
    // Runs a command that may write the worksheet to its file, as Record does; the state it says
    // it wrote alone shows saved, also when Undo or Redo comes back to it.
    bool RecordSaving(const QString& name, const std::function<SavedState()>& command);
    // Keeps the changes made since the worksheet was `before` as one step (a window that
    // edited it while open); true when there were any. `saved` is what a command among them
    // says it wrote to the file, as for RecordSaving.
    bool RecordSince(const QString& name, SharedSnapshot before,
                     SavedState saved = SavedState::None);
    // Another worksheet, just read, replaced this one: nothing before it can be undone.
    void Clear();
    QUndoStack& Stack() { return m_stack; }

  private:
    class Step;

    // Drops the oldest steps while the states held come to more than the history may hold.
    void KeepWithinMemory();
    // The oldest `dropped` steps are gone: the indices of the states kept move down.
    void Forget(int dropped);
    // The saved states after a command that started at `start` and pushed a step, leaving the
    // worksheet marked or not.
    void NoteStep(int start, bool endsSaved);
    // The state now (End) or the one the last recorded command started from (Start) is the one
    // in the file.
    void MarkSaved(SavedState saved);
    bool IsSaved(int index) const { return m_savedFrom <= index && index <= m_savedTo; }
    // Sets the worksheet's mark for the state at `index`.
    void ShowMark(int index) { m_sheet.file.SpecsChanged = IsSaved(index) ? 0 : 1; }

    Worksheet& m_sheet;
    Dialogs& m_dialogs;
    std::function<void()> m_restored;
    QUndoStack m_stack;
    SharedSnapshot m_last;  // the state the worksheet was last recorded or restored in
    // The step indices of the states that are the one in the file: a run, empty when the first
    // is past the last.
    int m_savedFrom = 0;
    int m_savedTo = 0;
    int m_commandStart = 0;  // the index the last recorded command started from
};

}  // namespace gyrant
