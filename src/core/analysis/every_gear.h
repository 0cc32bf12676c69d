#pragma once

// The worksheet in every gear: the figures the main tables would show with each ratio in the
// gear row, for both vehicles.

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "calc/transmissions.h"
#include "model/worksheet.h"
#include "outcome.h"

namespace gyrant {

inline constexpr std::size_t kMostGears = 8;

// One gear: its ratio, and per vehicle (Baseline, Proposed) the engine's speed factor, the Total
// Rotating and Vehicle Total Eq. Wt and the rotating share of the total in percent.
struct GearFigures {
    double ratio = 0;
    bool studied = false;  // the ratio the Baseline's gear row holds
    std::array<double, 2> engineFactor{};
    std::array<double, 2> rotating{};
    std::array<double, 2> total{};
    std::array<double, 2> rotatingShare{};
    double gainPercent = 0;  // with two vehicles, as the answer compares them
};

// Recalculates a copy of the worksheet with each ratio in the gear row of both tables; the
// worksheet itself is not changed.
std::vector<GearFigures> FiguresInEveryGear(const Worksheet& sheet,
                                            const std::vector<double>& ratios);

// The columns of the per-gear table after the gear's label: the ratio, the gain with two
// vehicles (the answer, so it comes first), then per vehicle shown its engine factor, Total
// Rotating and Vehicle Total Eq. Wt and rotating share; their headings, the label's first.
std::vector<std::string> GearColumnHeadings(bool twoVehicles);
std::vector<double> GearColumnValues(const GearFigures& gear, bool twoVehicles);

// The gear's number from 1, marked "*" when it is the gear studied.
std::string GearLabel(std::size_t index, const GearFigures& gear);

struct GearRatiosRead {
    std::vector<double> ratios;
    Outcome outcome;
};

// Ratios typed as "2.52, 1.52, 1.00": up to eight, each within the gear row's limits.
GearRatiosRead ReadGearRatios(const std::string& text, const Worksheet& sheet);

// The ratios the every-gear view shows: those typed, or the Baseline's gear row when none are.
GearRatiosRead RatiosToShow(const std::string& typed, const Worksheet& sheet);

// A transmission's gears as they would be typed ("2.48, 1.48, 1, .75").
std::string TypedRatios(const Transmission& transmission);

}  // namespace gyrant
