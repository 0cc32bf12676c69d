#pragma once

// The words of a time slip, shared by every place that shows one: its marks in the order a drag
// strip prints them, the difference as a sentence and what the figures assume.

#include <optional>
#include <string>
#include <vector>

#include "timeslip/parts_time_bought.h"
#include "timeslip/time_slip.h"

namespace gyrant {

struct SlipMarkShown {
    const char* label;  // "60 ft", "1/4 mile mph"
    const char* key;    // the figure's name in exported data ("sixtyFoot")
    bool mph;           // a speed; otherwise seconds
    std::optional<double> TimeSlip::*optionalFigure;  // set for a figure that may be missing
    double TimeSlip::*figure;
};

// 60 ft, 330 ft, 1/8 mile ET and mph, 1000 ft, 1/4 mile ET and mph, 0-60 mph.
const std::vector<SlipMarkShown>& SlipMarksShown();

// The mark's figure on the slip; none when the vehicle never reached it.
std::optional<double> FigureOf(const TimeSlip& slip, const SlipMarkShown& mark);

// The mark's figure as a slip prints it: seconds to the thousandth, mph to the hundredth, "-" for
// a mark the vehicle never reached.
std::string SlipCell(const TimeSlip& slip, const SlipMarkShown& mark);

// "Proposed is 0.045 s quicker, 3.2 ft ahead at the finish." (or slower, behind; or the same).
std::string DifferenceSentence(const SlipDifference& difference);

// Seconds as a slip prints them, to the thousandth ("0.052").
std::string SecondsCell(double seconds);

// How close the parts' seconds come to the whole difference: "The parts' sum, 0.052 s, is 96 % of
// the whole difference, 0.054 s."; without a whole difference, the sum and that there is none.
std::string PartsSumSentence(const PartsTimeBought& parts);

// Where the tab's gears come from, after the slips' own note on them ("The run had one gear
// (2.52).") or alone: the gears of the every-gear tab, where more can be given.
std::string GearsSourceNote(const std::string& gearsNote);

// The figures are an estimate; what they rest on, in two lines.
std::string EstimateNote();

}  // namespace gyrant
