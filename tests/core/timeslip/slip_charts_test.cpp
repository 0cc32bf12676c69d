#include "timeslip/slip_charts.h"

#include <gtest/gtest.h>

#include "timeslip/slip_text.h"

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

// The parts' sum, and its share of the whole difference only when there is one.
TEST(PartsSumSentenceTest, GivesTheShareOfAWholeDifference) {
    PartsTimeBought parts;
    parts.partsSum = 0.0712, parts.wholeDifference = 0.08;
    EXPECT_EQ(PartsSumSentence(parts), "Parts' sum 0.071 s, 89 % of the whole difference.");
    parts.wholeDifference = 0;
    EXPECT_EQ(PartsSumSentence(parts), "Parts' sum 0.071 s.");
}

}  // namespace
}  // namespace gyrant
