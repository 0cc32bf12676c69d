#pragma once

// What a command that may write the worksheet to its file says it did, for the undo history:
// the wizard and the File menu's commands return it.

namespace gyrant {

// Which state of the worksheet a command wrote to its file: none, the one it started from (a
// save before it changed anything), or the one it ended in.
enum class SavedState { None, Start, End };

}  // namespace gyrant
