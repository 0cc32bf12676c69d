#include "shell/worksheet_history.h"

#include <algorithm>

namespace gyrant {
namespace {

constexpr int kMostSteps = 100;
constexpr std::size_t kMostHeldBytes = std::size_t{64} << 20;

}  // namespace

// A step is done when recorded; its first redo, from the push, has nothing left to do.
class WorksheetHistory::Step : public QUndoCommand {
  public:
    Step(WorksheetHistory& history, const QString& name, SharedSnapshot before,
         SharedSnapshot after)
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

    const SharedSnapshot& Before() const { return m_before; }
    const SharedSnapshot& After() const { return m_after; }

  private:
    void Restore(const SharedSnapshot& snapshot, int reachedIndex) {
        RestoreSnapshot(m_history.m_sheet, *snapshot, m_history.m_dialogs);
        m_history.ShowMark(reachedIndex);
        m_history.m_last = snapshot;
        m_history.m_restored();
    }

    WorksheetHistory& m_history;
    SharedSnapshot m_before;
    SharedSnapshot m_after;
    bool m_done = false;
};

WorksheetHistory::WorksheetHistory(Worksheet& sheet, Dialogs& dialogs,
                                   std::function<void()> restored)
    : m_sheet(sheet), m_dialogs(dialogs), m_restored(std::move(restored)) {
    m_stack.setUndoLimit(kMostSteps);
}

SharedSnapshot WorksheetHistory::Now() const {
    auto now =
        std::make_shared<const WorksheetSnapshot>(TakeSnapshot(m_sheet.document, m_last.get()));
    return m_last && *m_last == *now ? m_last : now;
}

bool WorksheetHistory::Record(const QString& name, const std::function<void()>& change) {
    return RecordSaving(name, [&change] {
        change();
        return SavedState::None;
    });
}

bool WorksheetHistory::RecordSaving(const QString& name,
                                    const std::function<SavedState()>& command) {
    SharedSnapshot before = Now();
    SavedState saved = command();
    return RecordSince(name, std::move(before), saved);
}

bool WorksheetHistory::RecordSince(const QString& name, SharedSnapshot before, SavedState saved) {
    int start = m_commandStart = m_stack.index();
    bool endsSaved = m_sheet.file.SpecsChanged == 0;
    m_last = before;
    SharedSnapshot after = Now();
    bool changed = after != before;
    if (changed) {
        m_last = after;
        m_stack.push(new Step(*this, name, std::move(before), std::move(after)));
        // Beyond its limit the stack has dropped its oldest step.
        Forget(start + 1 - m_stack.index());
        NoteStep(m_stack.index() - 1, endsSaved);
        KeepWithinMemory();
    } else if (endsSaved && !IsSaved(start)) {
        // Nothing changed, yet the mark went: only a save clears it.
        MarkSaved(SavedState::End);
    }
    if (saved != SavedState::None) MarkSaved(saved);
    ShowMark(m_stack.index());
    return changed;
}

void WorksheetHistory::NoteStep(int start, bool endsSaved) {
    if (!endsSaved)
        m_savedTo = std::min(m_savedTo, start);  // the states past the start are gone
    else if (IsSaved(start))
        m_savedTo = start + 1;
    else
        m_savedFrom = m_savedTo = start + 1;
}

void WorksheetHistory::MarkSaved(SavedState saved) {
    m_savedFrom = m_savedTo = saved == SavedState::Start ? m_commandStart : m_stack.index();
    ShowMark(m_stack.index());
}

void WorksheetHistory::Clear() {
    m_stack.clear();
    m_last.reset();
    m_commandStart = 0;
    MarkSaved(SavedState::End);
}

void WorksheetHistory::Forget(int dropped) {
    m_savedFrom = std::max(m_savedFrom - dropped, 0);
    m_savedTo -= dropped;
    m_commandStart -= dropped;
}

void WorksheetHistory::KeepWithinMemory() {
    std::vector<const Step*> steps;
    for (int i = 0; i < m_stack.count(); ++i)
        steps.push_back(static_cast<const Step*>(m_stack.command(i)));
    auto held = [&steps](std::size_t from) {
        std::vector<const WorksheetSnapshot*> states;
        for (std::size_t i = from; i < steps.size(); ++i)
            states.insert(states.end(), {steps[i]->Before().get(), steps[i]->After().get()});
        return HeldBytes(states);
    };
    std::size_t dropped = 0;
    while (dropped + 1 < steps.size() && held(dropped) > kMostHeldBytes) ++dropped;
    if (dropped == 0) return;
    // The stack cannot drop its oldest steps by itself: it is built again from the rest, which
    // a push has just left at its top.
    struct Kept {
        QString name;
        SharedSnapshot before, after;
    };
    std::vector<Kept> kept;
    for (std::size_t i = dropped; i < steps.size(); ++i)
        kept.push_back({steps[i]->text(), steps[i]->Before(), steps[i]->After()});
    m_stack.clear();
    for (const Kept& step : kept) m_stack.push(new Step(*this, step.name, step.before, step.after));
    Forget(static_cast<int>(dropped));
}

}  // namespace gyrant
