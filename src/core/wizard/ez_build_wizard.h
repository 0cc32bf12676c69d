#pragma once

// The EZ Build Wizard: builds a vehicle from a few questions (weight, final drive, transmission
// ratio, displacement, driven tire), fills the choices still blank with sensible ones,
// recalculates, offers to build the other vehicle and to save.

#include <functional>

#include "editor/row_editor.h"
#include "model/saved_state.h"
#include "model/worksheet.h"
#include "ports/dialogs.h"

namespace gyrant {

// Whether the wizard builds into the worksheet's own file or starts a new, untitled worksheet
// from the cells on screen ("New and Start EZ Build Wizard").
enum class WizardTarget { SameWorksheet, NewWorksheet };

// Runs the wizard. `showProgress` is called whenever cells have changed, so the window can
// draw the tables and the strip as the questions go. Says which worksheet the run left in the
// file: none, the one it started from (saved before anything changed, SavedState::Start), or
// the one it built (saved at the end, SavedState::End).
SavedState RunEzBuildWizard(Worksheet& sheet, RowEditor& editor, Dialogs& dialogs,
                            const std::function<void()>& showProgress,
                            WizardTarget target = WizardTarget::SameWorksheet);

}  // namespace gyrant
