#pragma once

// The File menu's commands: Open, Save, Save As and Exit, with their questions and file
// choosers, and keeping edited comments. Each asks the user only through the dialogs.

#include <string>

#include "model/worksheet.h"
#include "ports/dialogs.h"
#include "ports/row_in_edit.h"

namespace gyrant {

// Asks about an input the strip holds and about unsaved changes, then for a spec file, and
// reads it; then the tables are set up again, both vehicles are recalculated and the strip
// shows row 1 of the Baseline vehicle (also after a bad file, which leaves every cell as it
// was). A Cancel, or a save that was cancelled or failed, leaves everything as it was.
// True when a file replaced the worksheet.
bool OpenSpecFile(Worksheet& sheet, RowInEdit& editor, Dialogs& dialogs);

// Opens a spec file the user named (on the command line, a dropped file, a recent file), as
// Open does.
bool OpenNamedSpecFile(Worksheet& sheet, RowInEdit& editor, Dialogs& dialogs,
                       const std::string& path);

// Writes the worksheet to its file, or asks for one when it has none. True when written.
bool SaveSpecFile(Worksheet& sheet, Dialogs& dialogs);

// Asks for a file name (cut to 40 characters, asking before the cut name replaces a file)
// and writes the worksheet there. True when written.
bool SaveSpecFileAs(Worksheet& sheet, Dialogs& dialogs);

// Asks about an input the strip holds, offers to save unsaved changes (Save As) and writes
// the settings. True when the program may end: not after Cancel, nor after a Save As that
// was cancelled or failed.
bool ExitProgram(Worksheet& sheet, RowInEdit& editor, Dialogs& dialogs);

// The worksheet keeps its cells but belongs to no file any more, so the next Save asks for a
// name instead of replacing the file it came from.
void StartUntitled(Worksheet& sheet);

// The comments kept with "OK" in the comments window; a change counts as unsaved work.
void KeepComments(Worksheet& sheet, const std::string& comments);

}  // namespace gyrant
