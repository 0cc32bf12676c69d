#pragma once

// Where the effective weight goes: each rotating part's equivalent weight in both vehicles, the
// pounds the Proposed vehicle saves on it, and the plain answer a racer asks for.

#include <string>
#include <vector>

#include "model/worksheet.h"

namespace gyrant {

// One line of the answer: a part (or the engine internals together, or a total), its Eq. Wt in
// each vehicle as the tables show it, and the saving: Baseline less Proposed, plus its own weight
// saved when the Proposed car is taken as lighter by its parts.
struct WeightShare {
    std::string part;
    int row = 0;  // the row it comes from; the engine's first row for the internals together
    double baseline = 0;
    double proposed = 0;
    double weightSaving = 0;
    double Saving() const { return baseline - proposed + weightSaving; }
};

struct WeightShares {
    bool twoVehicles = false;
    bool weightsAdded = false;
    // The Proposed car is taken as the Baseline's Vehicle Weight less its parts' weight saving:
    // with "Stays Total", equal Vehicle Weights and rotating parts of another weight.
    bool adjusted = false;
    double baselineVehicleWeight = 0;
    // The Proposed car's weight on the scale as the answer takes it.
    double proposedVehicleWeightUsed = 0;
    std::vector<WeightShare> parts;  // largest saving first (largest Baseline Eq. Wt alone)
    WeightShare rotatingTotal;
    WeightShare vehicleTotal;  // its saving is the whole effective weight saving
};

// A figure of the analyses as shown and printed: two decimals, a leading zero ("0.59").
std::string Figure(double value);

// The table of the shares, as the window shows it and the report prints it: the headings, and a
// share's cells (the part, its Eq. Wt in each vehicle shown and, with two, the saving).
std::vector<std::string> ShareColumnHeadings(bool twoVehicles);
std::vector<std::string> ShareCells(const WeightShare& share, bool twoVehicles);

// The shares of a recalculated worksheet, from the Eq. Wt cells of its shown rows.
WeightShares ShareOfEachPart(const Worksheet& sheet);

// What the Proposed car's weight on the scale is taken as less than its Vehicle Weight: the
// Baseline's rotating weight less the Proposed's with "Stays Total", two vehicles of equal
// Vehicle Weight above 0 and parts of another weight; 0 in every other case.
double ProposedWeightAdjustment(const Worksheet& sheet);

// The acceleration gained with the same thrust, in percent: how much lighter in effective weight
// the Proposed vehicle is, against it.
double AccelerationGainPercent(double baselineTotal, double proposedTotal);

// The Proposed vehicle's effective weight as the answer compares it, and the gain that gives.
double ProposedEffectiveWeight(const WeightShares& shares);
double AnswerGainPercent(const WeightShares& shares);

// The answer in words: how much lighter (or heavier) the Proposed vehicle is in the gear
// studied, what that is worth in acceleration, which part buys the most and, when the Proposed
// car was taken as lighter by its parts, by how much; with one vehicle, which part adds the most.
// With two vehicles, `secondsClause` (a run's "about 0.08 s quicker in the quarter mile
// (estimate)") follows the acceleration; the run lies above this layer, so it comes as text.
std::string PlainAnswer(const WeightShares& shares, const std::string& secondsClause = "");

// The answer under the main window's tables: empty with one vehicle or nothing to compare.
std::string AnswerLine(const WeightShares& shares, const std::string& secondsClause = "");

// The Vehicle Weight the answer took the Proposed car as, as it would be typed; and the button
// that keeps it in the Proposed table.
std::string ProposedWeightText(const WeightShares& shares);
std::string SetProposedWeightLabel(const WeightShares& shares);

// Which weight option the figures were computed with.
std::string WeightOptionNote(const WeightShares& shares);

}  // namespace gyrant
