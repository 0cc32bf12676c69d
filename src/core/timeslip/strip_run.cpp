#include "timeslip/strip_run.h"

#include <cmath>
#include <cstdio>

#include "analysis/every_gear.h"
#include "files/gear_list.h"
#include "timeslip/straight_line_run.h"

namespace gyrant {

StripRun SlipsOnTheStrip(const Worksheet& sheet, const RunEntries& entries,
                         const std::vector<double>& ratios) {
    StripRun run;
    run.read = ReadRunEntries(entries, KindOf(sheet, kBaseline));
    run.outcome = run.read.outcome;
    if (!run.outcome.ok) return run;
    run.slips = RunTimeSlips(sheet, run.read.inputs, ratios);
    run.outcome = run.slips.outcome;
    run.gearsNote = GearsNote(ratios);
    return run;
}

StripRun RunOnTheStrip(const Worksheet& sheet, const RunEntries& entries,
                       const std::vector<double>& ratios) {
    StripRun run = SlipsOnTheStrip(sheet, entries, ratios);
    if (!run.outcome.ok || sheet.document.TwoVehicles != 1) return run;
    run.parts = TimeBoughtByEachPart(sheet, run.read.inputs, ratios);
    run.outcome = run.parts->outcome;
    return run;
}

std::string SecondsClause(const StripRun& run) {
    if (!run.outcome.ok || !run.slips.difference) return "";
    // A run in one gear is far from the car's own, and the answer says so where it is read.
    std::string estimate = run.slips.gears == 1 ? " (estimate, one gear)" : " (estimate)";
    char seconds[32];
    std::snprintf(seconds, sizeof seconds, "%.2f", std::abs(run.slips.difference->seconds));
    if (std::string(seconds) == "0.00") return "no quicker in the quarter mile" + estimate;
    const char* way = run.slips.difference->seconds > 0 ? "quicker" : "slower";
    return std::string("about ") + seconds + " s " + way + " in the quarter mile" + estimate;
}

std::vector<double> RunGearRatios(const std::string& typed, const Worksheet& sheet) {
    GearRatiosRead read = RatiosToShow(typed, sheet);
    return read.outcome.ok ? read.ratios : std::vector<double>{};
}

std::vector<double> KeptGearRatios(const Worksheet& sheet) {
    return RunGearRatios(ReadGearList(sheet), sheet);
}

std::string SecondsClauseOf(const Worksheet& sheet, const std::vector<double>& ratios) {
    if (!EngineGiven(sheet.document.RunEntries)) return "";
    return SecondsClause(SlipsOnTheStrip(sheet, sheet.document.RunEntries, ratios));
}

}  // namespace gyrant
