#pragma once

// Where the effective weight goes: each rotating part's equivalent weight in both vehicles, the
// pounds the Proposed vehicle saves on it, and the plain answer a racer asks for.

#include <string>
#include <vector>

#include "model/worksheet.h"

namespace gyrant {

// One line of the answer: a part (or the engine internals together, or a total), its Eq. Wt in
// each vehicle as the tables show it, and the saving, Baseline less Proposed.
struct WeightShare {
    std::string part;
    double baseline = 0;
    double proposed = 0;
    double Saving() const { return baseline - proposed; }
};

struct WeightShares {
    bool twoVehicles = false;
    bool weightsAdded = false;
    std::vector<WeightShare> parts;  // largest saving first (largest Baseline Eq. Wt alone)
    WeightShare rotatingTotal;
    WeightShare vehicleTotal;
};

// A figure of the analyses as shown and printed: two decimals, a leading zero ("0.59").
std::string Figure(double value);

// The table of the shares, as the window shows it and the report prints it: the headings, and a
// share's cells (the part, its Eq. Wt in each vehicle shown and, with two, the saving).
std::vector<std::string> ShareColumnHeadings(bool twoVehicles);
std::vector<std::string> ShareCells(const WeightShare& share, bool twoVehicles);

// The shares of a recalculated worksheet, from the Eq. Wt cells of its shown rows.
WeightShares ShareOfEachPart(const Worksheet& sheet);

// The acceleration gained with the same thrust, in percent: how much lighter in effective weight
// the Proposed vehicle is, against it.
double AccelerationGainPercent(double baselineTotal, double proposedTotal);

// The answer in words: how much lighter (or heavier) the Proposed vehicle is in the gear
// studied, what that is worth in acceleration, and which part buys the most; with one vehicle,
// which part adds the most.
std::string PlainAnswer(const WeightShares& shares);

// Which weight option the figures were computed with.
std::string WeightOptionNote(const WeightShares& shares);

}  // namespace gyrant
