#include "shell/worksheet_history.h"

namespace gyrant {

// A step is done when recorded; its first redo, from the push, has nothing left to do.
class WorksheetHistory::Step : public QUndoCommand {
  public:
    Step(WorksheetHistory& history, const QString& name, WorksheetSnapshot before,
         WorksheetSnapshot after)
        : QUndoCommand(name),
          m_history(history),
          m_before(std::move(before)),
          m_after(std::move(after)) {}

    // The stack moves its index after undo() and redo(): the state they reach is one off.
    void undo() override { Restore(m_before, m_history.m_stack.index() - 1); }
    void redo() override {
        if (m_done) Restore(m_after, m_history.m_stack.index() + 1);
        m_done = true;
    }

  private:
    void Restore(const WorksheetSnapshot& snapshot, int reachedIndex) {
        bool saved = reachedIndex == m_history.m_stack.cleanIndex();
        RestoreSnapshot(m_history.m_sheet, snapshot, saved, m_history.m_dialogs);
        m_history.m_restored();
    }

    WorksheetHistory& m_history;
    WorksheetSnapshot m_before;
    WorksheetSnapshot m_after;
    bool m_done = false;
};

WorksheetHistory::WorksheetHistory(Worksheet& sheet, Dialogs& dialogs,
                                   std::function<void()> restored)
    : m_sheet(sheet), m_dialogs(dialogs), m_restored(std::move(restored)) {
    // Each step holds both tables twice; a long session stays within a few megabytes.
    m_stack.setUndoLimit(100);
}

bool WorksheetHistory::Record(const QString& name, const std::function<void()>& change) {
    WorksheetSnapshot before = TakeSnapshot(m_sheet);
    change();
    return RecordSince(name, std::move(before));
}

bool WorksheetHistory::RecordSince(const QString& name, WorksheetSnapshot before) {
    WorksheetSnapshot after = TakeSnapshot(m_sheet);
    if (after == before) return false;
    m_stack.push(new Step(*this, name, std::move(before), std::move(after)));
    return true;
}

}  // namespace gyrant
