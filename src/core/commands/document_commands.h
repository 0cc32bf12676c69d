#pragma once

// The commands that read and write the worksheet's file, as the menus run them. Each says what
// it did, so that the undo history alone keeps the steps and the unsaved mark, and each keeps
// the recent files itself.

#include <functional>
#include <string>

#include "editor/row_editor.h"
#include "model/saved_state.h"
#include "model/worksheet.h"
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

}  // namespace gyrant
