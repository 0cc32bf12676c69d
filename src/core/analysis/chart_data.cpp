#include "analysis/chart_data.h"

#include <algorithm>

namespace gyrant {
namespace {

ChartBar Bar(std::string label, double value, const char* unit) {
    return {std::move(label), value, Figure(value) + unit};
}

// The legend for bars below zero, only when a bar is.
void MarkBelowZero(ChartData& chart, const char* meaning) {
    if (std::ranges::any_of(chart.bars, [](const ChartBar& bar) { return bar.value < 0; }))
        chart.belowZeroLegend = meaning;
}

}  // namespace

ChartData PartsChart(const std::vector<WeightShare>& parts, bool twoVehicles) {
    ChartData chart;
    chart.legend = twoVehicles ? "Effective weight saved per part, lb (Proposed against Baseline)"
                               : "Baseline Eq. Wt per part, lb (one vehicle: no saving to compare)";
    for (const WeightShare& part : parts)
        chart.bars.push_back(Bar(part.part, twoVehicles ? part.Saving() : part.baseline, " lb"));
    std::ranges::stable_sort(chart.bars, std::ranges::greater{}, &ChartBar::value);
    MarkBelowZero(chart, "Heavier in the Proposed: bar left of zero");
    return chart;
}

ChartData GearsChart(const std::vector<GearFigures>& gears, bool twoVehicles) {
    ChartData chart;
    chart.legend = twoVehicles
                       ? "Acceleration gain per gear, % (Proposed against Baseline)"
                       : "Baseline rotating parts' Eq. Wt per gear, lb (one vehicle: no gain "
                         "to compare)";
    for (std::size_t g = 0; g < gears.size(); ++g) {
        std::string label = "Gear " + GearLabel(g, gears[g]);
        chart.bars.push_back(twoVehicles ? Bar(label, gears[g].gainPercent, " %")
                                         : Bar(label, gears[g].rotating[0], " lb"));
    }
    MarkBelowZero(chart, "Less acceleration: bar left of zero");
    return chart;
}

BarSpan SpanOf(const ChartData& chart, std::size_t bar) {
    double low = 0, high = 0;
    for (const ChartBar& each : chart.bars) {
        low = std::min(low, each.value);
        high = std::max(high, each.value);
    }
    if (high - low <= 0) return {};
    double zero = -low / (high - low), end = (chart.bars[bar].value - low) / (high - low);
    return {std::min(zero, end), std::max(zero, end)};
}

}  // namespace gyrant
