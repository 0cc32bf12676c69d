#include <gtest/gtest.h>

#include <algorithm>

#include "analysis/every_gear.h"
#include "analysis/weight_shares.h"
#include "help/help_pages.h"
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
    EXPECT_EQ(WeightOptionNote(shares), "Parts' weights not added to the vehicle weight.");

    // One vehicle has nothing to compare, and no car to take as lighter.
    sheet.document.TwoVehicles = 0;
    shares = ShareOfEachPart(sheet);
    EXPECT_EQ(shares.parts.front().proposed, 0);
    EXPECT_FALSE(shares.adjusted);
    EXPECT_EQ(AnswerLine(shares), "");
    EXPECT_EQ(PlainAnswer(shares),
              "The Baseline vehicle's effective weight is 4117.48 lb in the "
              "gear studied. Clutch/Converter adds the most: 139.76 lb.");
}

// A worksheet made from the example: T_P' (row 31's Eq. Wt, less the parts' weight saving when
// the Proposed car is taken as lighter by them), the saving, the gain, the parts' savings added
// up (less a Vehicle Weight the user changed), and the line under the main window's tables.
struct AnswerCase {
    const char* name;
    void (*change)(Worksheet&);
    double proposedTotal, saving, gainPercent, partsSaving;
    bool adjusted;
    const char* line;
    friend void PrintTo(const AnswerCase& c, std::ostream* os) { *os << c.name; }
};

const AnswerCase kAnswerCases[] = {
    {"LighterPartsOnEqualWeights", [](Worksheet&) {}, 4093.18 - 52.83, 77.13, 1.908993, 77.13, true,
     "Proposed vs Baseline in the gear studied: 77.13 lb lighter, 1.91 % more acceleration. "
     "Front Tire and Rear Tire buy the most: 17.98 lb each. The Proposed car was taken as "
     "3647.17 lb: the Baseline's 3700 lb less 52.83 lb of lighter parts."},
    {"HeavierPartsOnEqualWeights",
     [](Worksheet& s) {
         for (int row : {kFrontTireRow, kRearTireRow})
             s.Table(kProposed).SetText(row, kColWeight, "40");
     },
     4160.19 + 31.17, -73.88, -1.762674, -73.88, true,
     "Proposed vs Baseline in the gear studied: 73.88 lb heavier, 1.76 % less acceleration. Rear "
     "Wheel buys the most: 17.73 lb. The Proposed car was taken as 3731.17 lb: the Baseline's "
     "3700 lb plus 31.17 lb of heavier parts."},
    {"ChangedVehicleWeight",
     [](Worksheet& s) { s.Table(kProposed).SetText(kVehicleWeightRow, kColValue, "3650"); },
     4043.18, 74.30, 1.837662, 24.30, false,
     "Proposed vs Baseline in the gear studied: 74.30 lb lighter, 1.84 % more acceleration. "
     "Front Tire and Rear Tire buy the most: 7.98 lb each."},
    {"NoVehicleWeight",
     [](Worksheet& s) {
         for (int table : {kBaseline, kProposed})
             s.Table(table).SetText(kVehicleWeightRow, kColValue, "");
     },
     393.18, 24.30, 6.180375, 24.30, false,
     "Proposed vs Baseline in the gear studied: 24.30 lb lighter, 6.18 % more acceleration. "
     "Front Tire and Rear Tire buy the most: 7.98 lb each."},
    {"WeightsAdd", [](Worksheet& s) { s.document.WeightOption = 1; }, 4479.29, 77.12, 1.721701,
     77.12, false,
     "Proposed vs Baseline in the gear studied: 77.12 lb lighter, 1.72 % more acceleration. "
     "Front Tire and Rear Tire buy the most: 17.98 lb each."},
    {"NoParts",
     [](Worksheet& s) {
         for (int table : {kBaseline, kProposed}) {
             s.Table(table) = SpecTable(s.Table(table).ColumnCount());
             s.Table(table).SetText(kVehicleWeightRow, kColValue, "3700");
         }
     },
     3700, 0, 0, 0, false, "Proposed vs Baseline in the gear studied: the same effective weight."},
};

class AnswerTest : public testing::ExampleSheetTest,
                   public ::testing::WithParamInterface<AnswerCase> {};

TEST_P(AnswerTest, ComparesTheProposedCarAsTheRuleTakesIt) {
    const AnswerCase& expected = GetParam();
    expected.change(sheet);
    Recalculate(sheet);
    WeightShares shares = ShareOfEachPart(sheet);
    double parts = 0;
    for (const WeightShare& part : shares.parts) parts += part.Saving();
    EXPECT_NEAR(ProposedEffectiveWeight(shares), expected.proposedTotal, 0.005);
    EXPECT_NEAR(shares.vehicleTotal.Saving(), expected.saving, 0.005);
    EXPECT_NEAR(AnswerGainPercent(shares), expected.gainPercent, 0.000001);
    EXPECT_NEAR(parts, expected.partsSaving, 0.03);
    EXPECT_EQ(shares.adjusted, expected.adjusted);
    EXPECT_EQ(AnswerLine(shares), expected.line);
}

INSTANTIATE_TEST_SUITE_P(Worksheets, AnswerTest, ::testing::ValuesIn(kAnswerCases),
                         [](const auto& worksheet) { return std::string(worksheet.param.name); });

TEST_F(AnalysisTest, EachGearIsWhatTheTablesShowWithThatRatioAndTheWorksheetStays) {
    double answerGain = AnswerGainPercent(ShareOfEachPart(sheet));
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
    }
    // The Proposed car weighs in every gear what the answer takes it as.
    EXPECT_DOUBLE_EQ(gears[0].gainPercent, answerGain);
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

TEST_F(AnalysisTest, TheHelpsWorkedExampleIsTheProgramsOwnAnswer) {
    WeightShares shares = ShareOfEachPart(sheet);
    HelpPages help(sheet.setup.ProgramFolder, kWeightHelpTopic);
    help.Next();
    const std::pair<const char*, std::string> figures[] = {
        {"TP'", Figure(ProposedEffectiveWeight(shares)) + " lb"},
        {"Saving", Figure(shares.vehicleTotal.Saving()) + " lb"},
        {"Gain", Figure(AnswerGainPercent(shares)) + " %"},
        {"taken as", Figure(shares.proposedVehicleWeightUsed) + " lb."}};
    for (const auto& [figure, shown] : figures)
        EXPECT_NE(help.Text().find(" = " + shown), std::string::npos) << figure << " " << shown;
}

}  // namespace
}  // namespace gyrant
