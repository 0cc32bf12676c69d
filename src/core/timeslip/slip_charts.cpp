#include "timeslip/slip_charts.h"

#include <cstdio>

namespace gyrant {

ChartData SecondsBoughtChart(const PartsTimeBought& parts) {
    ChartData chart;
    chart.legend = "Quarter-mile seconds bought per part (estimate)";
    for (const PartTimeBought& part : parts.parts) {
        char label[32];
        std::snprintf(label, sizeof label, "%.3f s", part.secondsBought);
        chart.bars.push_back({part.description, part.secondsBought, label});
    }
    if (!chart.bars.empty() && chart.bars.back().value < 0)
        chart.belowZeroLegend = "Slower with the Proposed part: bar left of zero";
    return chart;
}

}  // namespace gyrant
