#include "commands/document_commands.h"

#include "files/file_commands.h"
#include "files/recent_files.h"
#include "text/cell_text.h"
#include "timeslip/run_entries.h"

namespace gyrant {
namespace {

// The list of recent files is a convenience: a settings folder that cannot be written keeps
// the old one without a message on every Open or Save.
bool Remembered(bool done, const Worksheet& sheet) {
    if (done) static_cast<void>(RememberRecentFile(sheet));
    return done;
}

SavedState EndSaved(bool saved, const Worksheet& sheet) {
    return Remembered(saved, sheet) ? SavedState::End : SavedState::None;
}

}  // namespace

bool OpenCommand(Worksheet& sheet, RowInEdit& editor, Dialogs& dialogs) {
    return Remembered(OpenSpecFile(sheet, editor, dialogs), sheet);
}

bool OpenNamedCommand(Worksheet& sheet, RowInEdit& editor, Dialogs& dialogs,
                      const std::string& path) {
    return Remembered(OpenNamedSpecFile(sheet, editor, dialogs, path), sheet);
}

SavedState SaveCommand(Worksheet& sheet, Dialogs& dialogs) {
    return EndSaved(SaveSpecFile(sheet, dialogs), sheet);
}

SavedState SaveAsCommand(Worksheet& sheet, Dialogs& dialogs) {
    return EndSaved(SaveSpecFileAs(sheet, dialogs), sheet);
}

SavedState WizardCommand(Worksheet& sheet, RowEditor& editor, Dialogs& dialogs,
                         const std::function<void()>& showProgress, WizardTarget target) {
    SavedState saved = RunEzBuildWizard(sheet, editor, dialogs, showProgress, target);
    Remembered(saved != SavedState::None, sheet);
    return saved;
}

Outcome SetRunEntryCommand(Worksheet& sheet, const std::string& key, const std::string& text) {
    std::string kept(TrimBlanks(text));
    if (!kept.empty()) {
        Outcome checked = CheckEntry(key, kept);
        if (!checked.ok) return checked;
    }
    std::map<std::string, std::string>& entries = sheet.document.RunEntries;
    auto stored = entries.find(key);
    bool same = stored == entries.end() ? kept.empty() : stored->second == kept;
    if (same) return Outcome::Success();
    if (kept.empty())
        entries.erase(stored);
    else
        entries[key] = kept;
    sheet.file.SpecsChanged = 1;
    return Outcome::Success();
}

}  // namespace gyrant
