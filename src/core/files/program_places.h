#pragma once

// Where the program finds its data and keeps its settings and worksheets. Run from its own
// folder (the build tree, a portable copy) it keeps everything beside itself; installed, or in
// a folder it cannot write, it reads its data from ../share/gyrant and keeps the settings and
// worksheets in the user's own folders.

#include <filesystem>
#include <string>

#include "model/worksheet.h"
#include "outcome.h"

namespace gyrant {

struct ProgramPlaces {
    std::filesystem::path dataFolder;
    std::filesystem::path settingsFolder;
    std::filesystem::path specFolder;
    bool userFolders = false;
    // Why the settings can not be kept in a file, when the user has no home folder to keep
    // them in; empty when they can.
    std::string settingsUnkept;
};

// The folder of the data files of a program in `programFolder`: beside it, or ../share/gyrant.
std::filesystem::path DataFolderOf(const std::filesystem::path& programFolder);

// The places for a program in `programFolder`, with the user's home and configuration folders
// from the environment (HOME, XDG_CONFIG_HOME), each honoured only as a full path. Without a
// home folder the settings are not kept and the worksheets' folder is the examples' own.
ProgramPlaces LocateProgramPlaces(const std::filesystem::path& programFolder);

// Points the worksheet at the places, creating the user's folders on first use (the spec folder
// with a copy of the example worksheets). A settings folder that cannot be made leaves the
// settings unkept, saying why.
void UseProgramPlaces(Worksheet& sheet, const ProgramPlaces& places);

// Sets the tables up from the row-definition file among the program's data (GyrantTEXT) and
// takes the worksheet's display name; the failure names a missing or short file.
Outcome SetupWorksheet(Worksheet& sheet);

}  // namespace gyrant
