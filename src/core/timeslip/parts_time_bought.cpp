#include "timeslip/parts_time_bought.h"

#include <algorithm>
#include <memory>

#include "analysis/weight_shares.h"
#include "engine/update_table.h"
#include "model/spec_rows.h"
#include "text/cell_text.h"
#include "timeslip/time_slip.h"

namespace gyrant {
namespace {

bool InputsDiffer(const Worksheet& sheet, int row) {
    const SpecTable& baseline = sheet.Table(kBaseline);
    const SpecTable& proposed = sheet.Table(kProposed);
    if (!baseline.IsShown(row) && !proposed.IsShown(row)) return false;
    for (int column = kColValue; column <= kColUnits; ++column)
        if (baseline.Text(row, column) != proposed.Text(row, column)) return true;
    return false;
}

// The worksheet with the Proposed table as the Baseline but for one row, recalculated.
std::unique_ptr<Worksheet> WithOnePart(const Worksheet& sheet, int partRow) {
    auto copy = std::make_unique<Worksheet>();
    copy->document.tables = sheet.document.tables;
    copy->document.TwoVehicles = 1;
    copy->document.WeightOption = sheet.document.WeightOption;
    for (int row = kFirstSpecRow; row <= kOtherRearRow; ++row) {
        if (row == partRow) continue;
        for (int column = kColValue; column <= kColUnits; ++column)
            copy->Table(kProposed).SetText(row, column, sheet.Table(kBaseline).Text(row, column));
    }
    Recalculate(*copy);
    return copy;
}

struct PartRun {
    std::optional<double> quarterMileET;
    Outcome outcome;
};

PartRun RunWithOnePart(const Worksheet& sheet, int row, bool weightCounts, const RunInputs& in,
                       const TorqueCurve& curve, const std::vector<double>& ratios,
                       const RunSettings& settings) {
    std::unique_ptr<Worksheet> copy = WithOnePart(sheet, row);
    double lighterBy = weightCounts ? ProposedWeightAdjustment(*copy) : 0;
    StripVehicleMade vehicle = VehicleOnTheStrip(*copy, kProposed, ratios, lighterBy);
    if (!vehicle.outcome.ok) return {std::nullopt, vehicle.outcome};
    RunResult run = RunTheStrip(*vehicle.vehicle, in, curve, SlipMarks(), settings);
    TimeSlipMade slip = SlipOf(run, kProposed);
    if (!run.outcome.ok || !slip.outcome.ok)
        return {std::nullopt, run.outcome.ok ? slip.outcome : run.outcome};
    return {slip.slip->quarterMileET, Outcome::Success()};
}

PartsTimeBought Refused(Outcome outcome) {
    PartsTimeBought refused;
    refused.outcome = std::move(outcome);
    return refused;
}

}  // namespace

std::optional<double> PartsTimeBought::SumPercentOfWhole() const {
    if (wholeDifference == 0) return std::nullopt;
    return 100 * partsSum / wholeDifference;
}

PartsTimeBought TimeBoughtByEachPart(const Worksheet& sheet, const RunInputs& inputs,
                                     const std::vector<double>& ratios,
                                     const RunSettings& settings) {
    if (sheet.document.TwoVehicles != 1)
        return Refused(Outcome::Failure("The time each part buys needs both vehicles."));
    TimeSlips slips = RunTimeSlips(sheet, inputs, ratios, settings);
    if (!slips.outcome.ok) return Refused(slips.outcome);
    TorqueCurve curve = *TorqueCurve::Of(inputs.engine).curve;
    // The answer counts the parts' own weight when it takes the Proposed car as lighter by them.
    bool weightCounts = ProposedWeightAdjustment(sheet) != 0;
    double baselineET = slips.slips[kBaseline].quarterMileET;
    PartsTimeBought bought;
    bought.wholeDifference = slips.difference->seconds;
    for (int row = kDisplacementRow; row <= kOtherRearRow; ++row) {
        if (!InputsDiffer(sheet, row)) continue;
        PartRun run = RunWithOnePart(sheet, row, weightCounts, inputs, curve, ratios, settings);
        if (!run.outcome.ok) return Refused(run.outcome);
        std::string description(TrimBlanks(sheet.Table(kBaseline).Text(row, kColDescription)));
        bought.parts.push_back({row, description, baselineET - *run.quarterMileET});
        bought.partsSum += bought.parts.back().secondsBought;
    }
    std::ranges::stable_sort(bought.parts, std::ranges::greater{}, &PartTimeBought::secondsBought);
    return bought;
}

}  // namespace gyrant
