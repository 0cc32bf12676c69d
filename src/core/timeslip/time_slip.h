#pragma once

// The time slip of each vehicle of a worksheet, and how the two compare at the finish.
//
// Every mph figure is the speed at the line itself, not a strip's average over the 66 ft before
// it: the run knows its speed at every instant, and the two differ by well under 1 mph.

#include <optional>
#include <vector>

#include "model/worksheet.h"
#include "outcome.h"
#include "timeslip/run_inputs.h"
#include "timeslip/straight_line_run.h"
#include "timeslip/torque_curve.h"

namespace gyrant {

inline constexpr double kQuarterMile = 1320;  // ft
inline constexpr double kFeetPerSecondPerMph = 5280.0 / 3600;

// Seconds from the start, and mph at the line.
struct TimeSlip {
    double sixtyFoot = 0;
    double threeThirtyFoot = 0;
    double eighthMileET = 0;
    double eighthMileMph = 0;
    double thousandFoot = 0;
    double quarterMileET = 0;
    double quarterMileMph = 0;
    std::optional<double> zeroToSixty;  // none when the vehicle never reaches 60 mph
};

// The Proposed vehicle against the Baseline: positive when the Proposed is quicker.
struct SlipDifference {
    double seconds = 0;    // the Baseline's quarter-mile ET less the Proposed's
    double feetAhead = 0;  // how far the Proposed is ahead as the first one crosses the finish
};

struct TimeSlips {
    Outcome outcome;
    std::vector<TimeSlip> slips;  // Baseline, then Proposed when two are shown
    std::vector<RunResult> runs;  // each vehicle's run, for a chart of speed against time
    std::optional<SlipDifference> difference;  // with two vehicles
    int gears = 0;
};

// The marks of a time slip: 60, 330, 660, 1000 and 1320 ft, and 60 mph.
RunMarks SlipMarks();

// A run's slip; refused, naming the vehicle, when it stopped short of the quarter mile.
struct TimeSlipMade {
    std::optional<TimeSlip> slip;
    Outcome outcome;
};
TimeSlipMade SlipOf(const RunResult& run, int index);

// The Proposed's run against the Baseline's; identical runs give exactly 0 and 0.
SlipDifference DifferenceOf(const RunResult& baseline, const RunResult& proposed);

// Both vehicles run with the same inputs; refused when the engine's torque, a vehicle or a run
// is, with the reason.
TimeSlips RunVehicles(const std::vector<StripVehicle>& vehicles, const RunInputs& inputs,
                      const RunSettings& settings = {});

// The slips of a recalculated worksheet with the gears given (the every-gear tab's ratios).
TimeSlips RunTimeSlips(const Worksheet& sheet, const RunInputs& inputs,
                       const std::vector<double>& ratios, const RunSettings& settings = {});

// What the slips say of the gears: "The run had one gear (2.52)." with a single ratio; empty
// otherwise.
std::string GearsNote(const std::vector<double>& ratios);

}  // namespace gyrant
