#pragma once

// The commands that read and write the worksheet's file, as the menus run them. Each says what
// it did, so that the undo history alone keeps the steps and the unsaved mark, and each keeps
// the recent files itself.

#include <functional>
#include <string>

#include "editor/row_editor.h"
#include "model/saved_state.h"
#include "model/worksheet.h"
#include "outcome.h"
#include "ports/dialogs.h"
#include "wizard/ez_build_wizard.h"

namespace gyrant {

// File > Open and a file opened by name (a recent or dropped file): true when a file replaced
// the worksheet; that file then heads the recent files.
bool OpenCommand(Worksheet& sheet, RowInEdit& editor, Dialogs& dialogs);
bool OpenNamedCommand(Worksheet& sheet, RowInEdit& editor, Dialogs& dialogs,
                      const std::string& path);

// File > Save and Save As; a file written heads the recent files.
SavedState SaveCommand(Worksheet& sheet, Dialogs& dialogs);
SavedState SaveAsCommand(Worksheet& sheet, Dialogs& dialogs);

// The EZ Build Wizard, as RunEzBuildWizard runs it; a file it wrote heads the recent files.
SavedState WizardCommand(Worksheet& sheet, RowEditor& editor, Dialogs& dialogs,
                         const std::function<void()>& showProgress, WizardTarget target);

// An input of the run typed in "On the Strip", kept with the worksheet by its key (blanks around
// it dropped); an empty text removes the entry, so that the default holds again. A text refused
// by CheckEntry keeps nothing and says why; one equal to what is kept changes nothing. A change
// marks the worksheet unsaved.
Outcome SetRunEntryCommand(Worksheet& sheet, const std::string& key, const std::string& text);

}  // namespace gyrant
