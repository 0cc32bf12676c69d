#include "timeslip/slip_text.h"

#include <cmath>
#include <cstdio>

namespace gyrant {

const std::vector<SlipMarkShown>& SlipMarksShown() {
    static const std::vector<SlipMarkShown> kMarks = {
        {"60 ft", "sixtyFoot", false, nullptr, &TimeSlip::sixtyFoot},
        {"330 ft", "threeThirtyFoot", false, nullptr, &TimeSlip::threeThirtyFoot},
        {"1/8 mile ET", "eighthMileET", false, nullptr, &TimeSlip::eighthMileET},
        {"1/8 mile mph", "eighthMileMph", true, nullptr, &TimeSlip::eighthMileMph},
        {"1000 ft", "thousandFoot", false, nullptr, &TimeSlip::thousandFoot},
        {"1/4 mile ET", "quarterMileET", false, nullptr, &TimeSlip::quarterMileET},
        {"1/4 mile mph", "quarterMileMph", true, nullptr, &TimeSlip::quarterMileMph},
        {"0-60 mph", "zeroToSixty", false, &TimeSlip::zeroToSixty, nullptr},
    };
    return kMarks;
}

std::optional<double> FigureOf(const TimeSlip& slip, const SlipMarkShown& mark) {
    if (mark.optionalFigure) return slip.*mark.optionalFigure;
    return slip.*mark.figure;
}

std::string SlipCell(const TimeSlip& slip, const SlipMarkShown& mark) {
    std::optional<double> value = FigureOf(slip, mark);
    if (!value) return "-";
    char text[32];
    std::snprintf(text, sizeof text, "%.*f", mark.mph ? 2 : 3, *value);
    return text;
}

std::string DifferenceSentence(const SlipDifference& difference) {
    char text[128];
    if (difference.seconds == 0) return "Proposed and Baseline finish together.";
    std::snprintf(text, sizeof text, "Proposed is %.3f s %s, %.1f ft %s at the finish.",
                  std::abs(difference.seconds), difference.seconds > 0 ? "quicker" : "slower",
                  std::abs(difference.feetAhead), difference.feetAhead >= 0 ? "ahead" : "behind");
    return text;
}

std::string SecondsCell(double seconds) {
    char text[32];
    std::snprintf(text, sizeof text, "%.3f", seconds);
    return text;
}

std::string PartsSumSentence(const PartsTimeBought& parts) {
    std::string sum = SecondsCell(parts.partsSum) + " s";
    std::optional<double> percent = parts.SumPercentOfWhole();
    if (!percent) return "The parts' sum is " + sum + ", and the whole difference is 0.";
    char share[32];
    std::snprintf(share, sizeof share, "%.0f", *percent);
    return "The parts' sum, " + sum + ", is " + share + " % of the whole difference, " +
           SecondsCell(parts.wholeDifference) + " s.";
}

std::string GearsSourceNote(const std::string& gearsNote) {
    std::string source =
        "The gears are those of the In Every Gear tab, where a transmission's or "
        "typed ratios can be given.";
    return gearsNote.empty() ? source : gearsNote + " " + source;
}

std::string EstimateNote() {
    return "These figures are an estimate: a prepared strip, standard air, the torque curve "
           "through its peaks,\nthe launch and shift rpm and each part's Eq. Wt in every gear; "
           "wheelspin, wind and weather are not modelled.";
}

}  // namespace gyrant
