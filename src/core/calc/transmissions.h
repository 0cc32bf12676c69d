#pragma once

// The transmission table "Calc/trans": transmissions with the ratios of up to six gears.

#include <array>
#include <filesystem>
#include <string>
#include <vector>

#include "outcome.h"

namespace gyrant {

struct Transmission {
    std::string name;
    std::array<double, 6> ratios{};  // 0 or less: no such gear
};

struct TransmissionsRead {
    std::vector<Transmission> transmissions;
    Outcome outcome;
};

// Reads up to 301 transmissions after the 34 header lines. A missing file, or one that lists
// no transmission or holds a line longer than any real one, is a failure that names the file.
TransmissionsRead LoadTrans(const std::filesystem::path& path);

// A transmission's gears as the gear list shows them: the gear's number, two blanks and its
// ratio ("1  2.48", "4  1.").
std::vector<std::string> GearEntries(const Transmission& transmission);

}  // namespace gyrant
