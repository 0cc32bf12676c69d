#pragma once

// The quarter-mile seconds each part buys: for every part row that differs between the two
// tables, the Baseline run again with only that row as the Proposed table has it.

#include <optional>
#include <string>
#include <vector>

#include "model/worksheet.h"
#include "outcome.h"
#include "timeslip/run_inputs.h"
#include "timeslip/straight_line_run.h"

namespace gyrant {

struct PartTimeBought {
    int row = 0;
    std::string description;   // the row's, as the Baseline table shows it
    double secondsBought = 0;  // the Baseline's quarter-mile ET less the one with this part
};

struct PartsTimeBought {
    Outcome outcome;
    std::vector<PartTimeBought> parts;  // most seconds bought first
    double partsSum = 0;
    double wholeDifference = 0;  // the Baseline's quarter-mile ET less the Proposed's
    // The parts' sum as a percentage of the whole difference; none when that is 0.
    std::optional<double> SumPercentOfWhole() const;
};

// Part rows are the engine's rows and the rotating parts' (Displacement to Other Rear); one
// differs when any of its cells from Value to Units does and either table shows it. A part's
// own weight counts too whenever the answer's rule counts the parts' weight: with the parts'
// weights added to the vehicle's, or when the Proposed car is taken as lighter by its parts.
// Refused with one vehicle, or when a run is.
PartsTimeBought TimeBoughtByEachPart(const Worksheet& sheet, const RunInputs& inputs,
                                     const std::vector<double>& ratios,
                                     const RunSettings& settings = {});

}  // namespace gyrant
