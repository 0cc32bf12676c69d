#pragma once

// What the weight window's bar charts show, on screen and on paper: one bar per part or gear,
// each labelled with its value, and a legend saying what the bars measure.

#include <string>
#include <vector>

#include "analysis/every_gear.h"
#include "analysis/weight_shares.h"

namespace gyrant {

struct ChartBar {
    std::string label;  // the part, or the gear ("Gear 1*")
    double value = 0;
    std::string valueLabel;  // the value as the bar's label shows it ("7.98 lb")
};

struct ChartData {
    std::string legend;           // what the bars measure
    std::string belowZeroLegend;  // what a bar left of the zero line means; empty when none is
    std::vector<ChartBar> bars;
};

// Each part's saving in pounds, largest first; with one vehicle there is no saving, and each
// part's Baseline Eq. Wt is shown instead.
ChartData PartsChart(const std::vector<WeightShare>& parts, bool twoVehicles);

// Each gear's acceleration gain, gear by gear; with one vehicle there is no gain, and each gear's
// rotating Eq. Wt is shown instead.
ChartData GearsChart(const std::vector<GearFigures>& gears, bool twoVehicles);

// Where a bar lies across the chart, in fractions of its width from the left: from the zero line
// to its value, the zero line placed so that the longest bars either way fit.
struct BarSpan {
    double left = 0;
    double right = 0;
};
BarSpan SpanOf(const ChartData& chart, std::size_t bar);

}  // namespace gyrant
