#include "analysis/weight_shares.h"

#include <algorithm>
#include <cmath>
#include <optional>

#include "model/spec_rows.h"
#include "text/cell_text.h"

namespace gyrant {
namespace {

bool IsEngineInternal(int row) {
    return row == kDisplacementRow || IsEngineWeightRow(row);
}

// Parts and the engine's own rows; a number row's Eq. Wt cell holds nothing of its own.
bool IsRotating(const Worksheet& sheet, int row) {
    return IsEngineInternal(row) || sheet.Rows.RowKind[row] == kComponentRow;
}

// The row's Eq. Wt as its table shows it, nothing when the row is hidden or has none.
std::optional<double> ShownEqWt(const SpecTable& table, int row) {
    const std::string& text = table.Text(row, kColEqWt);
    if (!table.IsShown(row) || IsBlank(text)) return std::nullopt;
    return NumericValue(text);
}

WeightShare TotalOf(const Worksheet& sheet, int row, bool twoVehicles) {
    WeightShare total{std::string(TrimBlanks(sheet.Table(kBaseline).Text(row, kColDescription)))};
    total.baseline = NumericValue(sheet.Table(kBaseline).Text(row, kColEqWt));
    if (twoVehicles) total.proposed = NumericValue(sheet.Table(kProposed).Text(row, kColEqWt));
    return total;
}

std::string Pounds(double value) {
    return Figure(value) + " lb";
}

}  // namespace

std::string Figure(double value) {
    return FormatPicture(value, "#####0.00");
}

WeightShares ShareOfEachPart(const Worksheet& sheet) {
    WeightShares shares;
    shares.twoVehicles = sheet.TwoVehicles == 1;
    shares.weightsAdded = sheet.WeightOption == 1;
    WeightShare engine{"Engine internals"};
    bool engineShown = false;
    int tables = shares.twoVehicles ? 2 : 1;
    for (int row = kDisplacementRow; row < kRotatingTotalRow; ++row) {
        if (!IsRotating(sheet, row)) continue;
        WeightShare part{
            std::string(TrimBlanks(sheet.Table(kBaseline).Text(row, kColDescription)))};
        bool shown = false;
        for (int index = kBaseline; index < tables; ++index) {
            std::optional<double> eqWt = ShownEqWt(sheet.Table(index), row);
            if (!eqWt) continue;
            shown = true;
            (index == kBaseline ? part.baseline : part.proposed) = *eqWt;
        }
        if (!shown) continue;
        if (IsEngineInternal(row)) {
            engine.baseline += part.baseline, engine.proposed += part.proposed;
            engineShown = true;
        } else {
            shares.parts.push_back(part);
        }
    }
    if (engineShown) shares.parts.push_back(engine);
    auto key = [&](const WeightShare& s) { return shares.twoVehicles ? s.Saving() : s.baseline; };
    std::ranges::stable_sort(shares.parts, std::ranges::greater{}, key);
    shares.rotatingTotal = TotalOf(sheet, kRotatingTotalRow, shares.twoVehicles);
    shares.vehicleTotal = TotalOf(sheet, kVehicleTotalRow, shares.twoVehicles);
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

std::string PlainAnswer(const WeightShares& shares) {
    const WeightShare& total = shares.vehicleTotal;
    if (!shares.twoVehicles) {
        if (shares.parts.empty() || shares.parts.front().baseline <= 0)
            return "No rotating part adds to the Baseline vehicle's effective weight.";
        return "The Baseline vehicle's effective weight is " + Pounds(total.baseline) +
               " in the gear studied. " + shares.parts.front().part +
               " adds the most: " + Pounds(shares.parts.front().baseline) + ".";
    }
    double saving = total.Saving();
    double gain = AccelerationGainPercent(total.baseline, total.proposed);
    std::string answer = "The Proposed vehicle's effective weight is " + Pounds(std::abs(saving)) +
                         (saving >= 0 ? " lighter" : " heavier") +
                         " in the gear studied, which with the same thrust is " +
                         Figure(std::abs(gain)) +
                         (gain >= 0 ? " % more acceleration." : " % less acceleration.");
    if (!shares.parts.empty() && shares.parts.front().Saving() > 0)
        answer += " " + shares.parts.front().part +
                  " buys the most: " + Pounds(shares.parts.front().Saving()) + ".";
    return answer;
}

std::string WeightOptionNote(const WeightShares& shares) {
    return shares.weightsAdded ? "Parts' weights added to the vehicle weight."
                               : "Parts' weights not added to the vehicle weight.";
}

}  // namespace gyrant
