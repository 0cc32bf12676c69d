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

struct AxisCase {
    const char* name;
    double high;
    double end;
    double step;
    const char* lastLabel;
    friend void PrintTo(const AxisCase& c, std::ostream* os) { *os << c.name; }
};

const AxisCase kAxes[] = {
    {"QuarterMileTime", 13.27, 14, 2, "14"}, {"TrapSpeed", 104.6, 120, 20, "120"},
    {"ShortRun", 0.83, 0.9, 0.1, "0.9"},     {"EngineSpeed", 6050, 7000, 1000, "7000"},
    {"RoundEnd", 100, 100, 10, "100"},       {"NothingToShow", 0, 0.1, 0.1, "0.1"},
};

class RoundAxisTest : public ::testing::TestWithParam<AxisCase> {};

// An axis ends on a round figure at or past the highest point, with ten steps or fewer.
TEST_P(RoundAxisTest, EndsOnARoundStepPastTheHighestPoint) {
    ChartAxis axis = RoundAxis("", 0, GetParam().high);
    EXPECT_NEAR(axis.high, GetParam().end, 1e-9);
    ASSERT_GE(axis.ticks.size(), 2u);
    EXPECT_LE(axis.ticks.size(), 11u);
    EXPECT_NEAR(axis.ticks[1] - axis.ticks[0], GetParam().step, 1e-9);
    EXPECT_EQ(axis.tickLabels.back(), GetParam().lastLabel);
}

INSTANTIATE_TEST_SUITE_P(Axes, RoundAxisTest, ::testing::ValuesIn(kAxes),
                         [](const auto& test) { return std::string(test.param.name); });

TEST(SpeedChartTest, ShowsMphAndMarksEachShift) {
    TimeSlips slips;
    RunResult run;
    run.trace = {{0, 0, 0, 0, false}, {1, 44, 22, 0, true}, {2, 88, 88, 1, false}};
    slips.runs = {run, run};
    LineChartData chart = SpeedChart(slips);
    ASSERT_EQ(chart.series.size(), 2u);
    EXPECT_EQ(chart.series[1].name, "Proposed");
    EXPECT_NEAR(chart.series[0].points[2].y, 60, 1e-9);
    ASSERT_EQ(chart.series[0].marks.size(), 1u);
    EXPECT_EQ(chart.series[0].marks[0].x, 1);
    EXPECT_EQ(chart.y.title, "Speed (mph)");
}

// The curve runs from 1000 rpm to the shift rpm, its peaks marked where the engine was given.
TEST(TorqueChartTest, MarksBothPeaksUpToTheShift) {
    RunInputs inputs = DefaultRunInputs({});
    inputs.engine.peaks = {350, 5500, 380, 4000};
    LineChartData chart = TorqueChart(inputs);
    ASSERT_EQ(chart.series.size(), 2u);
    EXPECT_EQ(chart.series[0].points.front().x, 1000);
    EXPECT_NEAR(chart.series[0].points.back().x, 6050, 1e-9);
    EXPECT_NEAR(chart.series[0].marks[0].y, 380, 1e-9);
    EXPECT_NEAR(chart.series[1].marks[0].x, 5500, 1e-9);
    EXPECT_NEAR(chart.series[1].marks[0].y, 350, 1e-9);
}

TEST(TorqueChartTest, DrawsNoLineWithoutACurve) {
    EXPECT_TRUE(TorqueChart(DefaultRunInputs({})).series.empty());
}

}  // namespace
}  // namespace gyrant
