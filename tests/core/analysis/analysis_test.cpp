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
    // A tire's saving is its Eq. Wt saved and, the car taken as lighter by its parts, the
    // 5 lb it saves on each of two wheels.
    EXPECT_DOUBLE_EQ(shares.parts.front().Saving(), 38.29 - 30.31 + 2 * (24 - 19));
    EXPECT_EQ(SetProposedWeightLabel(shares), "Set the Proposed Vehicle Weight to 3647.17");
    EXPECT_EQ(WeightOptionNote(shares), "Parts' weights not added to the vehicle weight.");

    // One vehicle has nothing to compare, and no car to take as lighter.
    sheet.TwoVehicles = 0;
    shares = ShareOfEachPart(sheet);
    EXPECT_EQ(shares.parts.front().proposed, 0);
    EXPECT_FALSE(shares.adjusted);
    EXPECT_EQ(AnswerLine(shares), "");
    EXPECT_EQ(PlainAnswer(shares),
              "The Baseline vehicle's effective weight is 4117.48 lb in the "
              "gear studied. Clutch/Converter adds the most: 139.76 lb.");
}

// A worksheet made from the example, and what the answer takes the Proposed car as.
struct AnswerCase {
    const char* name;
    void (*change)(Worksheet&);
    double proposedTotal;  // T_P': row 31's Eq. Wt, less the parts' weight saving when adjusted
    double saving;
    double gainPercent;
    double partsSaving;
    bool adjusted;
    const char* line;  // under the main window's tables
};

void PrintTo(const AnswerCase& worksheet, std::ostream* out) {
    *out << worksheet.name;
}

void Put(Worksheet& sheet, int table, int row, const std::string& value) {
    sheet.Table(table).SetText(row, kColValue, value);
}

const AnswerCase kAnswerCases[] = {
    {"LighterPartsOnEqualWeights", [](Worksheet&) {}, 4093.18 - 52.83, 77.13, 1.908993, 77.13, true,
     "Proposed vs Baseline in the gear studied: 77.13 lb lighter, 1.91 % more acceleration. "
     "Front Tire and Rear Tire buy the most: 17.98 lb each. The Proposed car was taken as "
     "3647.17 lb: the Baseline's 3700 lb less 52.83 lb of lighter parts."},
    {"HeavierPartsOnEqualWeights",
     [](Worksheet& s) {
         for (int row = kVehicleWeightRow; row <= kVehicleTotalRow; ++row)
             for (int column = kColValue; column <= kColPercentTotal; ++column) {
                 std::string proposed = s.Table(kProposed).Text(row, column);
                 s.Table(kProposed).SetText(row, column, s.Table(kBaseline).Text(row, column));
                 s.Table(kBaseline).SetText(row, column, proposed);
             }
     },
     4117.48 + 52.83, -77.13, -1.849503, -77.13, true,
     "Proposed vs Baseline in the gear studied: 77.13 lb heavier, 1.85 % less acceleration. "
     "The Proposed car was taken as 3752.83 lb: the Baseline's 3700 lb plus 52.83 lb of heavier "
     "parts."},
    {"ChangedVehicleWeight", [](Worksheet& s) { Put(s, kProposed, kVehicleWeightRow, "3650"); },
     4043.18, 74.30, 1.837662, 24.30, false,
     "Proposed vs Baseline in the gear studied: 74.30 lb lighter, 1.84 % more acceleration. "
     "Front Tire and Rear Tire buy the most: 7.98 lb each."},
    {"WeightsAdd", [](Worksheet& s) { s.WeightOption = 1; }, 4479.29, 77.12, 1.721701, 77.12, false,
     "Proposed vs Baseline in the gear studied: 77.12 lb lighter, 1.72 % more acceleration. "
     "Front Tire and Rear Tire buy the most: 17.98 lb each."},
    {"NoParts",
     [](Worksheet& s) {
         for (int table : {kBaseline, kProposed})
             for (int row = kVehicleTypeRow; row <= kOtherRearRow; ++row)
                 for (int column = kColValue; column <= kColPercentTotal; ++column)
                     s.Table(table).SetText(row, column, "");
     },
     3700, 0, 0, 0, false, "Proposed vs Baseline in the gear studied: the same effective weight."},
};

class AnswerTest : public testing::ExampleSheetTest,
                   public ::testing::WithParamInterface<AnswerCase> {
  protected:
    WeightShares Shares() {
        GetParam().change(sheet);
        Recalculate(sheet);
        return ShareOfEachPart(sheet);
    }
};

TEST_P(AnswerTest, TakesTheProposedCarAsTheRuleSays) {
    EXPECT_NEAR(ProposedEffectiveWeight(Shares()), GetParam().proposedTotal, 0.005);
}

TEST_P(AnswerTest, SavesTheBaselineLessTheProposedCarTaken) {
    EXPECT_NEAR(Shares().vehicleTotal.Saving(), GetParam().saving, 0.005);
}

TEST_P(AnswerTest, GainsTheAccelerationOfTheSavingWithTheSameThrust) {
    EXPECT_NEAR(AnswerGainPercent(Shares()), GetParam().gainPercent, 0.000001);
}

// The parts add up to the whole saving, less a Vehicle Weight the user changed.
TEST_P(AnswerTest, PartsSavingsAddUp) {
    WeightShares shares = Shares();
    double sum = 0;
    for (const WeightShare& part : shares.parts) sum += part.Saving();
    EXPECT_NEAR(sum, GetParam().partsSaving, 0.03);
}

TEST_P(AnswerTest, SaysWhetherTheProposedCarWasTakenLighterByItsParts) {
    EXPECT_EQ(Shares().adjusted, GetParam().adjusted);
}

TEST_P(AnswerTest, LineUnderTheTables) {
    EXPECT_EQ(AnswerLine(Shares()), GetParam().line);
}

INSTANTIATE_TEST_SUITE_P(Worksheets, AnswerTest, ::testing::ValuesIn(kAnswerCases),
                         [](const auto& worksheet) { return std::string(worksheet.param.name); });

TEST_F(AnalysisTest, EachGearIsWhatTheTablesShowWithThatRatioAndTheWorksheetStays) {
    double answerGain = AnswerGainPercent(ShareOfEachPart(sheet));
    std::vector<GearFigures> gears = FiguresInEveryGear(sheet, {2.52, 1.52, 1.0});
    ASSERT_EQ(gears.size(), 3u);
    EXPECT_TRUE(gears[0].studied && !gears[1].studied);
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
        // The Proposed car weighs in every gear what the answer takes it as.
        EXPECT_DOUBLE_EQ(gear.gainPercent,
                         AccelerationGainPercent(gear.total[0],
                                                 gear.total[1] - ProposedWeightAdjustment(sheet)));
    }
    EXPECT_DOUBLE_EQ(gears[0].gainPercent, answerGain);
    // A lower gear turns the engine slower: less of the car's effective weight spins.
    EXPECT_TRUE(gears[0].engineFactor[0] > gears[1].engineFactor[0] &&
                gears[0].rotatingShare[0] > gears[2].rotatingShare[0]);
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
