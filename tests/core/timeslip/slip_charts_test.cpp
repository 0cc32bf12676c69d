#include "timeslip/slip_charts.h"

#include <gtest/gtest.h>

namespace gyrant {
namespace {

// A part that makes the Proposed slower stands left of zero, and the legend says what that means.
TEST(SecondsBoughtChartTest, LabelsEachPartsSecondsAndExplainsASlowerOne) {
    PartsTimeBought parts;
    parts.parts = {{18, "Front Tire", 0.0123}, {20, "Driveshaft", -0.004}};
    ChartData chart = SecondsBoughtChart(parts);
    ASSERT_EQ(chart.bars.size(), 2u);
    EXPECT_EQ(chart.bars[0].valueLabel, "0.012 s");
    EXPECT_EQ(chart.bars[1].label, "Driveshaft");
    EXPECT_NE(chart.belowZeroLegend, "");
}

}  // namespace
}  // namespace gyrant
