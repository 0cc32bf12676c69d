#include "analysis/weight_shares.h"

#include <algorithm>
#include <cmath>
#include <optional>

#include "engine/ring_inertia.h"
#include "model/spec_rows.h"
#include "text/cell_text.h"

namespace gyrant {
namespace {

bool IsEngineInternal(int row) {
    return row == kDisplacementRow || IsEngineWeightRow(row);
}

// Parts and the engine's own rows; a number row's Eq. Wt cell holds nothing of its own.
bool IsRotating(const Worksheet& sheet, int row) {
    return IsEngineInternal(row) || sheet.setup.Rows.RowKind[row] == kComponentRow;
}

// The row's Eq. Wt as its table shows it, nothing when the row is hidden or has none.
std::optional<double> ShownEqWt(const SpecTable& table, int row) {
    const std::string& text = table.Text(row, kColEqWt);
    if (!table.IsShown(row) || IsBlank(text)) return std::nullopt;
    return NumericValue(text);
}

double Cell(const Worksheet& sheet, int index, int row, int column) {
    return NumericValue(sheet.Table(index).Text(row, column));
}

// A row's figures in both vehicles; false when neither table shows it. Its own weight counts
// only where the table counts it in the rotating total, and only when the answer adjusts.
bool ReadPart(const Worksheet& sheet, int row, const WeightShares& shares, WeightShare& part) {
    bool shown = false;
    for (int index = kBaseline; index <= (shares.twoVehicles ? kProposed : kBaseline); ++index) {
        std::optional<double> eqWt = ShownEqWt(sheet.Table(index), row);
        if (!eqWt) continue;
        shown = true;
        (index == kBaseline ? part.baseline : part.proposed) += *eqWt;
        double weight = shares.adjusted ? CountedWeight(sheet.Table(index), row) : 0;
        part.weightSaving += index == kBaseline ? weight : -weight;
    }
    return shown;
}

WeightShare TotalOf(const Worksheet& sheet, int row, bool twoVehicles, double adjustment) {
    WeightShare total{std::string(TrimBlanks(sheet.Table(kBaseline).Text(row, kColDescription))),
                      row};
    total.baseline = Cell(sheet, kBaseline, row, kColEqWt);
    if (twoVehicles) total.proposed = Cell(sheet, kProposed, row, kColEqWt);
    total.weightSaving = adjustment;
    return total;
}

std::string Pounds(double value) {
    return Figure(value) + " lb";
}

// "A", "A and B", "A, B and C".
std::string Names(const std::vector<std::string>& names) {
    std::string joined;
    for (std::size_t i = 0; i < names.size(); ++i)
        joined += (i == 0 ? "" : i + 1 == names.size() ? " and " : ", ") + names[i];
    return joined;
}

// Which part (or parts, saving the same as shown) buys the most; nothing when none saves.
std::string BuysTheMost(const WeightShares& shares) {
    if (shares.parts.empty() || shares.parts.front().Saving() < 0.005) return "";
    std::string most = Figure(shares.parts.front().Saving());
    std::vector<std::string> names;
    for (const WeightShare& part : shares.parts)
        if (Figure(part.Saving()) == most) names.push_back(part.part);
    if (names.size() == 1) return " " + names.front() + " buys the most: " + most + " lb.";
    return " " + Names(names) + " buy the most: " + most + " lb each.";
}

std::string AdjustmentNote(const WeightShares& shares) {
    double partsSaving = shares.vehicleTotal.weightSaving;
    return " The Proposed car was taken as " + ProposedWeightText(shares) + " lb: the Baseline's " +
           PlainNumber(shares.baselineVehicleWeight) + " lb " +
           (partsSaving > 0 ? "less " : "plus ") + Pounds(std::abs(partsSaving)) +
           (partsSaving > 0 ? " of lighter parts." : " of heavier parts.");
}

std::string Comparison(const WeightShares& shares, const std::string& secondsClause) {
    std::string seconds = secondsClause.empty() ? "." : ", " + secondsClause + ".";
    double saving = shares.vehicleTotal.Saving();
    if (Figure(std::abs(saving)) == Figure(0)) return "the same effective weight" + seconds;
    double gain = AnswerGainPercent(shares);
    return Pounds(std::abs(saving)) + (saving > 0 ? " lighter, " : " heavier, ") +
           Figure(std::abs(gain)) + (gain >= 0 ? " % more" : " % less") + " acceleration" + seconds;
}

}  // namespace

std::string Figure(double value) {
    return FormatPicture(value, "#####0.00");
}

double ProposedWeightAdjustment(const Worksheet& sheet) {
    if (sheet.document.WeightOption == 1 || sheet.document.TwoVehicles != 1) return 0;
    // A worksheet without a Vehicle Weight has no car on the scale to take as lighter.
    double baselineWeight = Cell(sheet, kBaseline, kVehicleWeightRow, kColValue);
    if (baselineWeight <= 0 ||
        baselineWeight != Cell(sheet, kProposed, kVehicleWeightRow, kColValue))
        return 0;
    return Cell(sheet, kBaseline, kRotatingTotalRow, kColWeight) -
           Cell(sheet, kProposed, kRotatingTotalRow, kColWeight);
}

WeightShares ShareOfEachPart(const Worksheet& sheet) {
    WeightShares shares;
    shares.twoVehicles = sheet.document.TwoVehicles == 1;
    shares.weightsAdded = sheet.document.WeightOption == 1;
    double adjustment = ProposedWeightAdjustment(sheet);
    shares.adjusted = adjustment != 0;
    shares.baselineVehicleWeight = Cell(sheet, kBaseline, kVehicleWeightRow, kColValue);
    shares.proposedVehicleWeightUsed =
        shares.weightsAdded ? Cell(sheet, kProposed, kVehicleTotalRow, kColWeight)
                            : Cell(sheet, kProposed, kVehicleWeightRow, kColValue) - adjustment;
    WeightShare engine{"Engine internals", kDisplacementRow};
    bool engineShown = false;
    for (int row = kDisplacementRow; row < kRotatingTotalRow; ++row) {
        if (!IsRotating(sheet, row)) continue;
        WeightShare part{std::string(TrimBlanks(sheet.Table(kBaseline).Text(row, kColDescription))),
                         row};
        if (!ReadPart(sheet, row, shares, IsEngineInternal(row) ? engine : part)) continue;
        if (IsEngineInternal(row))
            engineShown = true;
        else
            shares.parts.push_back(part);
    }
    if (engineShown) shares.parts.push_back(engine);
    auto key = [&](const WeightShare& s) { return shares.twoVehicles ? s.Saving() : s.baseline; };
    std::ranges::stable_sort(shares.parts, std::ranges::greater{}, key);
    shares.rotatingTotal = TotalOf(sheet, kRotatingTotalRow, shares.twoVehicles, adjustment);
    shares.vehicleTotal = TotalOf(sheet, kVehicleTotalRow, shares.twoVehicles, adjustment);
    return shares;
}

std::vector<std::string> ShareColumnHeadings(bool twoVehicles) {
    if (!twoVehicles) return {"Part", "Baseline Eq. Wt, lb"};
    return {"Part", "Baseline Eq. Wt, lb", "Proposed Eq. Wt, lb", "Saving, lb"};
}

std::vector<std::string> ShareCells(const WeightShare& share, bool twoVehicles) {
    if (!twoVehicles) return {share.part, Figure(share.baseline)};
    return {share.part, Figure(share.baseline), Figure(share.proposed), Figure(share.Saving())};
}

double AccelerationGainPercent(double baselineTotal, double proposedTotal) {
    if (proposedTotal <= 0 || baselineTotal <= 0) return 0;
    return 100 * (baselineTotal / proposedTotal - 1);
}

double ProposedEffectiveWeight(const WeightShares& shares) {
    return shares.vehicleTotal.proposed - shares.vehicleTotal.weightSaving;
}

double AnswerGainPercent(const WeightShares& shares) {
    return AccelerationGainPercent(shares.vehicleTotal.baseline, ProposedEffectiveWeight(shares));
}

std::string PlainAnswer(const WeightShares& shares, const std::string& secondsClause) {
    const WeightShare& total = shares.vehicleTotal;
    if (!shares.twoVehicles) {
        if (shares.parts.empty() || shares.parts.front().baseline <= 0)
            return "No rotating part adds to the Baseline vehicle's effective weight.";
        return "The Baseline vehicle's effective weight is " + Pounds(total.baseline) +
               " in the gear studied. " + shares.parts.front().part +
               " adds the most: " + Pounds(shares.parts.front().baseline) + ".";
    }
    return "Proposed vs Baseline in the gear studied: " + Comparison(shares, secondsClause) +
           BuysTheMost(shares) + (shares.adjusted ? AdjustmentNote(shares) : "");
}

std::string AnswerLine(const WeightShares& shares, const std::string& secondsClause) {
    bool compared = shares.twoVehicles && shares.vehicleTotal.baseline > 0 &&
                    ProposedEffectiveWeight(shares) > 0;
    return compared ? PlainAnswer(shares, secondsClause) : "";
}

std::string ProposedWeightText(const WeightShares& shares) {
    return PlainNumber(NumericValue(Figure(shares.proposedVehicleWeightUsed)));
}

std::string SetProposedWeightLabel(const WeightShares& shares) {
    return "Set the Proposed Vehicle Weight to " + ProposedWeightText(shares);
}

std::string WeightOptionNote(const WeightShares& shares) {
    return shares.weightsAdded ? "Parts' weights added to the vehicle weight."
                               : "Parts' weights not added to the vehicle weight.";
}

}  // namespace gyrant
