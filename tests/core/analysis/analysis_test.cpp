#include <gtest/gtest.h>

#include <algorithm>

#include "analysis/every_gear.h"
#include "analysis/weight_shares.h"
#include "model/spec_rows.h"
#include "support/sheet_fixture.h"
#include "text/cell_text.h"

namespace gyrant {
namespace {

class AnalysisTest : public testing::ExampleSheetTest {
  protected:
    double EqWt(int table, int row) { return NumericValue(sheet.Table(table).Text(row, kColEqWt)); }
};

TEST_F(AnalysisTest, EveryPartIsTheTablesOwnFigureLargestSavingFirst) {
    WeightShares shares = ShareOfEachPart(sheet);
    ASSERT_EQ(shares.parts.size(), 13u);  // rows 14-16 and 20-28, and the engine internals
    for (std::size_t i = 1; i < shares.parts.size(); ++i)
        EXPECT_GE(shares.parts[i - 1].Saving(), shares.parts[i].Saving());
    double baseline = 0, proposed = 0;
    for (const WeightShare& part : shares.parts)
        baseline += part.baseline, proposed += part.proposed;
    EXPECT_NEAR(baseline, EqWt(kBaseline, kRotatingTotalRow), 0.01 * 13);
    EXPECT_NEAR(proposed, EqWt(kProposed, kRotatingTotalRow), 0.01 * 13);
    auto engine =
        std::ranges::find(shares.parts, std::string("Engine internals"), &WeightShare::part);
    ASSERT_NE(engine, shares.parts.end());
    EXPECT_DOUBLE_EQ(engine->baseline, EqWt(kBaseline, kDisplacementRow) +
                                           EqWt(kBaseline, kCrankshaftRow) +
                                           EqWt(kBaseline, kRotatingPerCylinderRow) +
                                           EqWt(kBaseline, kReciprocatingPerCylinderRow));
    EXPECT_EQ(PlainAnswer(shares),
              "The Proposed vehicle's effective weight is 24.30 lb lighter in the gear studied, "
              "which with the same thrust is 0.59 % more acceleration. Front Tire buys the most: "
              "7.98 lb.");
    EXPECT_EQ(WeightOptionNote(shares), "Parts' weights not added to the vehicle weight.");

    sheet.TwoVehicles = 0;
    shares = ShareOfEachPart(sheet);
    EXPECT_EQ(shares.parts.front().proposed, 0);
    EXPECT_EQ(PlainAnswer(shares),
              "The Baseline vehicle's effective weight is 4117.48 lb in the "
              "gear studied. Clutch/Converter adds the most: 139.76 lb.");

    // The other way round, no part buys anything.
    sheet.TwoVehicles = 1;
    std::swap(sheet.Table(kBaseline), sheet.Table(kProposed));
    EXPECT_EQ(PlainAnswer(ShareOfEachPart(sheet)),
              "The Proposed vehicle's effective weight is 24.30 lb heavier in the gear studied, "
              "which with the same thrust is 0.59 % less acceleration.");
}

TEST_F(AnalysisTest, EachGearIsWhatTheTablesShowWithThatRatioAndTheWorksheetStays) {
    std::vector<GearFigures> gears = FiguresInEveryGear(sheet, {2.52, 1.52, 1.0});
    ASSERT_EQ(gears.size(), 3u);
    EXPECT_TRUE(gears[0].studied);
    EXPECT_FALSE(gears[1].studied);
    EXPECT_EQ(sheet.Table(kBaseline).Text(kGearRatioRow, kColValue), "2.52");
    // The same worksheet recalculated with each ratio typed into both tables.
    for (const GearFigures& gear : gears) {
        for (int table : {kBaseline, kProposed})
            sheet.Table(table).SetText(kGearRatioRow, kColValue, PlainNumber(gear.ratio));
        Recalculate(sheet);
        for (int table : {kBaseline, kProposed}) {
            auto t = static_cast<std::size_t>(table);
            EXPECT_EQ(gear.rotating[t], EqWt(table, kRotatingTotalRow));
            EXPECT_EQ(gear.total[t], EqWt(table, kVehicleTotalRow));
        }
        EXPECT_DOUBLE_EQ(gear.gainPercent, AccelerationGainPercent(gear.total[0], gear.total[1]));
    }
    // A lower gear turns the engine slower: less of the car's effective weight spins.
    EXPECT_GT(gears[0].engineFactor[0], gears[1].engineFactor[0]);
    EXPECT_GT(gears[0].rotatingShare[0], gears[2].rotatingShare[0]);
}

TEST_F(AnalysisTest, TypedRatiosAreUpToEightNumbersWithinTheGearRowsLimits) {
    // clang-format off
    const std::pair<std::string, std::vector<double>> cases[] = {
        {"2.52, 1.52,1.00", {2.52, 1.52, 1.0}}, {" 3 ,", {3}}, {"", {}}, {"2.5x", {}}, {"2,,1", {}},
        {"8", {}}, {"0.3", {}}, {"1,1,1,1,1,1,1,1", std::vector<double>(8, 1)},
        {"1,1,1,1,1,1,1,1,1", {}}};
    // clang-format on
    for (const auto& [text, ratios] : cases) {
        GearRatiosRead read = ReadGearRatios(text, sheet);
        EXPECT_EQ(read.outcome.ok, !ratios.empty()) << text;
        EXPECT_EQ(read.outcome.ok ? read.ratios : ratios, ratios) << text;
    }
    EXPECT_EQ(ReadGearRatios("9", sheet).outcome.message,
              "\"9\" is not a gear ratio: each must be between .4 and 7.");
    EXPECT_EQ(
        ReadGearRatios(std::string(259, '9'), sheet).outcome.message,
        "\"999999999999999999999999...\" is not a gear ratio: each must be between .4 and 7.");
    // Nothing typed shows the gear studied; a transmission's gears are typed for it.
    EXPECT_EQ(RatiosToShow(" ", sheet).ratios, std::vector<double>{2.52});
    EXPECT_EQ(TypedRatios({"Box", {2.48, 1.48, 1, 0.75, 0, -1}}), "2.48, 1.48, 1, .75");
}

}  // namespace
}  // namespace gyrant
