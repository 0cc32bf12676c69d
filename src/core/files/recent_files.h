#pragma once

// The worksheets opened or saved last, newest first, for File > Open Recent. They are kept in
// a small file of their own beside the settings, one full path a line, so the settings file
// keeps its format.

#include <cstddef>
#include <filesystem>
#include <string>
#include <vector>

#include "model/worksheet.h"
#include "outcome.h"

namespace gyrant {

inline constexpr std::size_t kRecentFileCount = 6;

// Where the list is kept: beside the settings file.
std::filesystem::path RecentFilesPath(const Worksheet& sheet);

// The list kept in `path`, newest first: its first kRecentFileCount lines, the rest unread. A line
// that is not a whole absolute path, names nothing to open (a missing file, a folder, a FIFO, a
// device, a dangling link) or repeats an earlier line is passed over; a missing or unreadable
// list is empty.
std::vector<std::string> ReadRecentFiles(const std::filesystem::path& path);

// `list` with `file` first and nowhere else, cut to kRecentFileCount.
std::vector<std::string> WithRecentFile(std::vector<std::string> list, const std::string& file);

// Puts the worksheet's file first in the list kept beside the settings, written whole through a
// temporary file; an untitled worksheet changes nothing. A failure names the list file.
Outcome RememberRecentFile(const Worksheet& sheet);

}  // namespace gyrant
