#include "analysis/chart_data.h"

#include <gtest/gtest.h>

namespace gyrant {
namespace {

struct ChartCase {
    std::string name;
    ChartData chart;
    std::vector<std::string> labels;  // in the order drawn
    std::vector<std::string> valueLabels;
    std::string legend;
    std::string belowZeroLegend;
    friend void PrintTo(const ChartCase& c, std::ostream* os) { *os << c.name; }
};

const std::vector<GearFigures> kGears = {
    {.ratio = 2.52, .studied = true, .rotating = {100, 0}, .gainPercent = 0.59},
    {.ratio = 1, .studied = false, .rotating = {150, 0}, .gainPercent = -0.1}};
// A part's Eq. Wt in both vehicles, and the pounds its own weight saves when the car is taken
// lighter with it.
WeightShare Share(const char* part, double baseline, double proposed, double weightSaving = 0) {
    return {.part = part, .baseline = baseline, .proposed = proposed, .weightSaving = weightSaving};
}

const std::string kSaving = "Effective weight saved per part, lb (Proposed against Baseline)";

// clang-format off
const ChartCase kCases[] = {
    {"SavingsLargestFirst",
     PartsChart({Share("Flywheel", 10, 7), Share("Front Tire", 20, 12), Share("Hub", 5, 5)}, true),
     {"Front Tire", "Flywheel", "Hub"}, {"8.00 lb", "3.00 lb", "0.00 lb"}, kSaving, ""},
    {"OwnWeightSavedCounts",
     PartsChart({Share("Flywheel", 10, 7), Share("Front Wheel", 20, 18, 4)}, true),
     {"Front Wheel", "Flywheel"}, {"6.00 lb", "3.00 lb"}, kSaving, ""},
    {"HeavierPartBelowZero", PartsChart({Share("Clutch", 10, 12.5), Share("Hub", 5, 4)}, true),
     {"Hub", "Clutch"}, {"1.00 lb", "-2.50 lb"}, kSaving,
     "Heavier in the Proposed: bar left of zero"},
    {"OneVehicleShowsEachPartsEqWt",
     PartsChart({Share("Hub", 5, 0), Share("Engine internals", 630, 0)}, false),
     {"Engine internals", "Hub"}, {"630.00 lb", "5.00 lb"},
     "Baseline Eq. Wt per part, lb (one vehicle: no saving to compare)", ""},
    {"GainGearByGear", GearsChart(kGears, true), {"Gear 1*", "Gear 2"}, {"0.59 %", "-0.10 %"},
     "Acceleration gain per gear, % (Proposed against Baseline)",
     "Less acceleration: bar left of zero"},
    {"OneVehicleShowsEachGearsRotatingEqWt", GearsChart(kGears, false), {"Gear 1*", "Gear 2"},
     {"100.00 lb", "150.00 lb"},
     "Baseline rotating parts' Eq. Wt per gear, lb (one vehicle: no gain to compare)", ""}};
// clang-format on

class ChartDataTest : public testing::TestWithParam<ChartCase> {};

TEST_P(ChartDataTest, BarsLabelsAndLegends) {
    const ChartCase& c = GetParam();
    std::vector<std::string> labels, valueLabels;
    for (const ChartBar& bar : c.chart.bars) {
        labels.push_back(bar.label);
        valueLabels.push_back(bar.valueLabel);
    }
    EXPECT_EQ(labels, c.labels);
    EXPECT_EQ(valueLabels, c.valueLabels);
    EXPECT_EQ(c.chart.legend, c.legend);
    EXPECT_EQ(c.chart.belowZeroLegend, c.belowZeroLegend);
}

INSTANTIATE_TEST_SUITE_P(Charts, ChartDataTest, testing::ValuesIn(kCases),
                         [](const auto& test) { return test.param.name; });

// Bars of 8, 3 and -2 put the zero line a fifth of the way across.
TEST(BarSpanTest, RunsFromTheZeroLineToTheValue) {
    const std::pair<std::vector<double>, std::vector<BarSpan>> cases[] = {
        {{8, 3, -2}, {{0.2, 1}, {0.2, 0.5}, {0, 0.2}}},
        {{4, 2}, {{0, 1}, {0, 0.5}}},
        {{0, 0}, {{0, 0}, {0, 0}}}};
    for (const auto& [values, spans] : cases) {
        ChartData chart;
        for (double value : values) chart.bars.push_back({"", value, ""});
        for (std::size_t i = 0; i < spans.size(); ++i) {
            EXPECT_DOUBLE_EQ(SpanOf(chart, i).left, spans[i].left) << values[i];
            EXPECT_DOUBLE_EQ(SpanOf(chart, i).right, spans[i].right) << values[i];
        }
    }
}

}  // namespace
}  // namespace gyrant
