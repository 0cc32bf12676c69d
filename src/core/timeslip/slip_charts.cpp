#include "timeslip/slip_charts.h"

#include "timeslip/slip_text.h"

namespace gyrant {

ChartData SecondsBoughtChart(const PartsTimeBought& parts) {
    ChartData chart;
    chart.legend = "Quarter-mile seconds bought per part (estimate)";
    for (const PartTimeBought& part : parts.parts)
        chart.bars.push_back(
            {part.description, part.secondsBought, SecondsText(part.secondsBought)});
    if (!chart.bars.empty() && chart.bars.back().value < 0)
        chart.belowZeroLegend = "Slower with the Proposed part: bar left of zero";
    return chart;
}

}  // namespace gyrant
