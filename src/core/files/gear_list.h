#pragma once

// The gear ratios last used for the vehicles in every gear, kept as typed in a small file of
// their own beside the settings, so the settings file keeps its format.

#include <filesystem>
#include <string>

#include "model/worksheet.h"
#include "outcome.h"

namespace gyrant {

std::filesystem::path GearListPath(const Worksheet& sheet);

// The ratios kept, as typed; empty when none are kept or the file cannot be read. They are
// checked where they are used, as typed ratios are.
std::string ReadGearList(const Worksheet& sheet);

// Keeps the ratios, written whole through a temporary file; a failure names the file.
Outcome KeepGearList(const Worksheet& sheet, const std::string& ratios);

}  // namespace gyrant
