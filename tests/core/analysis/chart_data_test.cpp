#include "analysis/chart_data.h"

#include <gtest/gtest.h>

namespace gyrant {
namespace {

struct ChartCase {
    std::string name;
    ChartData chart;
    std::vector<std::string> labels;
    std::vector<double> values;
    std::vector<std::string> valueLabels;
    std::string legend;
    std::string belowZeroLegend;
};

WeightShares Shares(bool two, std::vector<WeightShare> parts) {
    WeightShares shares;
    shares.twoVehicles = two;
    shares.parts = std::move(parts);
    return shares;
}

GearFigures Gear(double ratio, bool studied, double rotating, double gain) {
    return {.ratio = ratio, .studied = studied, .rotating = {rotating, 0}, .gainPercent = gain};
}

const std::string kSaving = "Saving per part, lb (Baseline Eq. Wt less Proposed Eq. Wt)";
const std::string kGain = "Acceleration gain per gear, % (Proposed against Baseline)";

std::vector<ChartCase> Cases() {
    std::vector<GearFigures> gears = {Gear(2.52, true, 100, 0.59), Gear(1, false, 150, -0.1)};
    return {
        {"SavingsLargestFirst",
         PartsChart(Shares(true, {{"Flywheel", 10, 7}, {"Front Tire", 20, 12}, {"Hub", 5, 5}})),
         {"Front Tire", "Flywheel", "Hub"},
         {8, 3, 0},
         {"8.00 lb", "3.00 lb", "0.00 lb"},
         kSaving,
         ""},
        {"HeavierPartBelowZero",
         PartsChart(Shares(true, {{"Clutch", 10, 12.5}, {"Hub", 5, 4}})),
         {"Hub", "Clutch"},
         {1, -2.5},
         {"1.00 lb", "-2.50 lb"},
         kSaving,
         "Heavier in the Proposed: bar left of zero"},
        {"OneVehicleShowsEachPartsEqWt",
         PartsChart(Shares(false, {{"Hub", 5, 0}, {"Engine internals", 630, 0}})),
         {"Engine internals", "Hub"},
         {630, 5},
         {"630.00 lb", "5.00 lb"},
         "Baseline Eq. Wt per part, lb (one vehicle: no saving to compare)",
         ""},
        {"GainGearByGear",
         GearsChart(gears, true),
         {"Gear 1*", "Gear 2"},
         {0.59, -0.1},
         {"0.59 %", "-0.10 %"},
         kGain,
         "Less acceleration: bar left of zero"},
        {"OneVehicleShowsEachGearsRotatingEqWt",
         GearsChart(gears, false),
         {"Gear 1*", "Gear 2"},
         {100, 150},
         {"100.00 lb", "150.00 lb"},
         "Baseline rotating parts' Eq. Wt per gear, lb (one vehicle: no gain to compare)",
         ""},
    };
}

class ChartDataTest : public testing::TestWithParam<ChartCase> {
  protected:
    template <typename T>
    std::vector<T> Each(T ChartBar::*field) {
        std::vector<T> all;
        for (const ChartBar& bar : GetParam().chart.bars) all.push_back(bar.*field);
        return all;
    }
};

TEST_P(ChartDataTest, BarsInOrder) {
    EXPECT_EQ(Each(&ChartBar::label), GetParam().labels);
}
TEST_P(ChartDataTest, BarValues) {
    EXPECT_EQ(Each(&ChartBar::value), GetParam().values);
}
TEST_P(ChartDataTest, BarValueLabels) {
    EXPECT_EQ(Each(&ChartBar::valueLabel), GetParam().valueLabels);
}
TEST_P(ChartDataTest, Legend) {
    EXPECT_EQ(GetParam().chart.legend, GetParam().legend);
}
TEST_P(ChartDataTest, BelowZeroLegend) {
    EXPECT_EQ(GetParam().chart.belowZeroLegend, GetParam().belowZeroLegend);
}

INSTANTIATE_TEST_SUITE_P(Charts, ChartDataTest, testing::ValuesIn(Cases()),
                         [](const auto& test) { return test.param.name; });

// Bars of 8, 3 and -2: the zero line stands a fifth of the way across.
struct SpanCase {
    std::string name;
    std::vector<double> values;
    std::size_t bar;
    BarSpan span;
};

class BarSpanTest : public testing::TestWithParam<SpanCase> {
  protected:
    BarSpan Span() {
        ChartData chart;
        for (double value : GetParam().values) chart.bars.push_back({"", value, ""});
        return SpanOf(chart, GetParam().bar);
    }
};

TEST_P(BarSpanTest, Left) {
    EXPECT_DOUBLE_EQ(Span().left, GetParam().span.left);
}
TEST_P(BarSpanTest, Right) {
    EXPECT_DOUBLE_EQ(Span().right, GetParam().span.right);
}

INSTANTIATE_TEST_SUITE_P(
    Spans, BarSpanTest,
    testing::Values(SpanCase{"LongestReachesTheRight", {8, 3, -2}, 0, {0.2, 1}},
                    SpanCase{"ShorterFromZero", {8, 3, -2}, 1, {0.2, 0.5}},
                    SpanCase{"BelowZeroReachesTheLeft", {8, 3, -2}, 2, {0, 0.2}},
                    SpanCase{"AllAboveZeroStartAtTheLeft", {4, 2}, 1, {0, 0.5}},
                    SpanCase{"AllZeroHaveNoLength", {0, 0}, 0, {0, 0}}),
    [](const auto& test) { return test.param.name; });

}  // namespace
}  // namespace gyrant
