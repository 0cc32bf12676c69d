#pragma once

// The run as every view of it shows it: the worksheet's stored inputs read over the defaults of
// the Baseline's kind, both slips over the gears given and, with two vehicles, each part's
// seconds bought. The window, the report, the answer line and gyrant-calc all take it from here.

#include <optional>
#include <string>
#include <vector>

#include "timeslip/parts_time_bought.h"
#include "timeslip/run_entries.h"
#include "timeslip/time_slip.h"

namespace gyrant {

struct StripRun {
    RunInputsRead read;  // the inputs, or the entry refused
    // Success with slips; otherwise why there are none: no engine given, an entry refused, a
    // vehicle the run cannot be made for.
    Outcome outcome;
    TimeSlips slips;
    std::optional<PartsTimeBought> parts;  // with two vehicles
    std::string gearsNote;
};

// The run of a recalculated worksheet with these entries (its own, or gyrant-calc's options over
// them) over the gears given.
StripRun RunOnTheStrip(const Worksheet& sheet, const RunEntries& entries,
                       const std::vector<double>& ratios);

// The same run without the parts' seconds, which the answer sentence does not need.
StripRun SlipsOnTheStrip(const Worksheet& sheet, const RunEntries& entries,
                         const std::vector<double>& ratios);

// The gears of the run for the ratios typed in the every-gear view, the Baseline's gear row when
// none are; none when they are refused.
std::vector<double> RunGearRatios(const std::string& typed, const Worksheet& sheet);

// The gears of the run wherever "Where the Weight Goes" is not asked: those its every-gear view
// last showed, kept beside the settings.
std::vector<double> KeptGearRatios(const Worksheet& sheet);

// What the answer sentence gains from the run: "about 0.08 s quicker in the quarter mile
// (estimate)", or slower, or "no quicker"; "(estimate, one gear)" after a run in one gear; empty
// without a difference to tell.
std::string SecondsClause(const StripRun& run);

// The clause of the worksheet's own run (its stored entries) over the gears given: what every
// answer sentence passes to PlainAnswer or AnswerLine.
std::string SecondsClauseOf(const Worksheet& sheet, const std::vector<double>& ratios);

}  // namespace gyrant
