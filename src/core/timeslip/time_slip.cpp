#include "timeslip/time_slip.h"

#include "text/cell_text.h"

namespace gyrant {
namespace {

enum Mark : std::size_t { kSixtyFoot, kThreeThirty, kEighthMile, kThousandFoot, kQuarter };

double Mph(double feetPerSecond) {
    return feetPerSecond / kFeetPerSecondPerMph;
}

TimeSlips Refused(Outcome outcome) {
    TimeSlips refused;
    refused.outcome = std::move(outcome);
    return refused;
}

}  // namespace

RunMarks SlipMarks() {
    return {{60, 330, kQuarterMile / 2, 1000, kQuarterMile}, {60 * kFeetPerSecondPerMph}};
}

TimeSlipMade SlipOf(const RunResult& run, int index) {
    const auto& at = run.atDistance;
    if (at.size() <= kQuarter || !at[kQuarter])
        return {std::nullopt, Outcome::Failure(std::string("The ") + VehicleName(index) +
                                               " vehicle does not reach the quarter mile.")};
    TimeSlip slip;
    slip.sixtyFoot = at[kSixtyFoot]->time;
    slip.threeThirtyFoot = at[kThreeThirty]->time;
    slip.eighthMileET = at[kEighthMile]->time;
    slip.eighthMileMph = Mph(at[kEighthMile]->speed);
    slip.thousandFoot = at[kThousandFoot]->time;
    slip.quarterMileET = at[kQuarter]->time;
    slip.quarterMileMph = Mph(at[kQuarter]->speed);
    if (!run.atSpeed.empty()) slip.zeroToSixty = run.atSpeed.front();
    return {slip, Outcome::Success()};
}

SlipDifference DifferenceOf(const RunResult& baseline, const RunResult& proposed) {
    double baselineET = baseline.trace.back().time;
    double proposedET = proposed.trace.back().time;
    SlipDifference difference{baselineET - proposedET, 0};
    if (proposedET < baselineET)
        difference.feetAhead = kQuarterMile - DistanceAt(baseline.trace, proposedET);
    else if (baselineET < proposedET)
        difference.feetAhead = DistanceAt(proposed.trace, baselineET) - kQuarterMile;
    return difference;
}

TimeSlips RunVehicles(const std::vector<StripVehicle>& vehicles, const RunInputs& inputs,
                      const RunSettings& settings) {
    TimeSlips slips;
    TorqueCurveMade curve = TorqueCurve::Of(inputs.engine);
    if (!curve.outcome.ok) return Refused(curve.outcome);
    for (std::size_t i = 0; i < vehicles.size(); ++i) {
        RunResult run = RunTheStrip(vehicles[i], inputs, *curve.curve, SlipMarks(), settings);
        if (!run.outcome.ok) return Refused(run.outcome);
        TimeSlipMade slip = SlipOf(run, static_cast<int>(i));
        if (!slip.outcome.ok) return Refused(slip.outcome);
        slips.gears = run.gears;
        slips.slips.push_back(*slip.slip);
        slips.runs.push_back(std::move(run));
    }
    if (slips.runs.size() == 2) slips.difference = DifferenceOf(slips.runs[0], slips.runs[1]);
    return slips;
}

TimeSlips RunTimeSlips(const Worksheet& sheet, const RunInputs& inputs,
                       const std::vector<double>& ratios, const RunSettings& settings) {
    StripVehiclesMade vehicles = VehiclesOnTheStrip(sheet, ratios);
    if (!vehicles.outcome.ok) return Refused(vehicles.outcome);
    return RunVehicles(vehicles.vehicles, inputs, settings);
}

std::string GearsNote(const std::vector<double>& ratios) {
    if (ratios.size() != 1) return "";
    return "The run had one gear (" + PlainNumber(ratios.front()) + ").";
}

}  // namespace gyrant
