#pragma once

// The main window's size and place from the last run, kept in a small file of its own beside the
// settings so that the settings file keeps its format: four whole numbers, in twips.

#include <filesystem>
#include <optional>

#include "files/window_geometry.h"
#include "model/worksheet.h"
#include "outcome.h"

namespace gyrant {

// "gyrant-window.txt" in the settings' folder.
std::filesystem::path WindowPlacePath(const Worksheet& sheet);

// The place kept in the file; nothing when it is missing, damaged or has no size.
std::optional<WindowRect> ReadWindowPlace(const std::filesystem::path& path);

// Keeps the place for the next run.
Outcome WriteWindowPlace(const std::filesystem::path& path, const WindowRect& place);

}  // namespace gyrant
