#pragma once

#include <string>

#include "model/worksheet.h"

namespace gyrant {

// The name of the open worksheet in the window title: its path below the default spec folder
// "GyrantFiles" when it lies there, else its bare file name ("Untitled" for a new worksheet).
void MakeDisplayName(Worksheet& sheet);

// The folder the file choosers start in and the display name is taken below: "GyrantFiles"
// beside the program, or the user's own when the worksheet keeps its files elsewhere.
std::string DefaultSpecFolder(const Worksheet& sheet);

// The main window's title for the worksheet's display name, in UTF-8 ('?' for a byte of the
// name that is not UTF-8).
std::string WindowTitle(const Worksheet& sheet);

// The part of a path after its last separator ("/" or "\").
std::string FileNameOf(const std::string& path);

}  // namespace gyrant
