#include "engine/engine_inertia.h"

#include <gtest/gtest.h>

#include <cmath>

#include "support/fake_dialogs.h"
#include "support/worksheet_builder.h"

namespace gyrant {
namespace {

class EngineInertiaTest : public ::testing::Test {
protected:
    SpecTable& Table() { return sheet.Table(kBaseline); }
    const std::string& Cell(int row, int column) { return Table().Text(row, column); }
    void SetEngine(const std::string& cylinders, const std::string& bore, const std::string& stroke) {
        Table().SetText(9, kColValue, cylinders);
        Table().SetText(10, kColValue, bore);
        Table().SetText(11, kColValue, stroke);
    }
    // An engine of exactly `cid` cubic inches: one cylinder, a stroke of 4.
    void SetDisplacement(double cid) {
        SetEngine("1", PlainNumber(std::sqrt(cid / 3.14159)), "4");
    }
    Worksheet sheet;
    RunningTotals totals;
    testing::FakeDialogs dialogs;
};

TEST_F(EngineInertiaTest, DisplacementFromCylindersBoreAndStroke) {
    SetEngine("8", "4.00", "3.48");
    CalcCID(sheet, kBaseline);
    EXPECT_EQ(FormatPicture(sheet.Engine.EngineCID, "####.00"), "349.85");
    SetEngine("", "x", "");
    CalcCID(sheet, kBaseline);
    EXPECT_EQ(sheet.Engine.EngineCID, 0);
}

TEST_F(EngineInertiaTest, EstimateGrowsWithDisplacementAndFallsWithTheEngineClass) {
    SetDisplacement(302);
    sheet.Speeds.EngineFactor = 2;
    const char* expected[] = {"11.84", "9.50", "7.15"};
    for (int engineClass = 0; engineClass <= 2; ++engineClass) {
        sheet.Flags.EngineEstClass = engineClass;
        CalcEngineInertia(sheet, kBaseline, totals);
        EXPECT_EQ(Cell(8, kColInertia), expected[engineClass]);
    }
    EXPECT_EQ(Cell(8, kColEqWt), "28.59");
}

TEST_F(EngineInertiaTest, DetailsComputeTheCrankshaftAndPerCylinderWeights) {
    SetEngine("8", "4.00", "3.48");
    sheet.Flags.EngineDetails = 1;
    sheet.Speeds.EngineFactor = 1;
    Table().SetText(13, kColValue, "50");
    Table().SetText(17, kColValue, "450");
    Table().SetText(17, kColUnits, testing::ValueChoice("Gms", 1));
    Table().SetText(18, kColValue, "1.5");
    CalcEngineInertia(sheet, kBaseline, totals);
    EXPECT_EQ(Cell(8, kColInertia), ".00");
    EXPECT_EQ(Cell(8, kColEqWt), ".00");
    EXPECT_EQ(Cell(13, kColWeight), "50.");
    EXPECT_EQ(Cell(13, kColInertia), "3.48");
    EXPECT_EQ(Cell(17, kColWeight), "3600.");
    EXPECT_EQ(Cell(17, kColInertia), ".33");
    EXPECT_EQ(Cell(18, kColWeight), "12.");
    EXPECT_EQ(Cell(18, kColInertia), ".66");
    double rotating = 3600.0 / 454;
    EXPECT_NEAR(totals.TotalWeight, 50 + rotating + 12, 1e-9);
}

TEST_F(EngineInertiaTest, WeightOptionAddsDetailWeightsToTheRowsButNotTheTotal) {
    SetEngine("8", "4.00", "3.48");
    sheet.Flags.EngineDetails = 1;
    sheet.Speeds.EngineFactor = 1;
    sheet.WeightOption = 1;
    Table().SetText(13, kColValue, "50");
    CalcEngineInertia(sheet, kBaseline, totals);
    EXPECT_EQ(Cell(13, kColEqWt), "53.48");
    EXPECT_NEAR(totals.TotalEqWt, 0.5 * 50 * 4.48 * 4.48 / 144, 1e-9);
}

TEST_F(EngineInertiaTest, NewDisplacementGivesBoreAndStrokeKeepingAStrokeAlreadyThere) {
    struct Case {
        const char *bore, *stroke;
        double cid;
        const char *newBore, *newStroke;
    };
    for (const Case& c : {Case{"", "", 302, "3.835", "3.268"}, Case{"", "3.00", 302, "4.003", "3.000"},
                          Case{"4", "", 350, "4.000", "3.482"},
                          // A displacement of 0 or below has no bore and stroke.
                          Case{"", "", 0, "", ""}, Case{"4", "3", -10, "4", "3"}}) {
        SetEngine("8", c.bore, c.stroke);
        Table().SetCurrentRow(1);
        BuildNewEngineDims(sheet, dialogs, c.cid);
        EXPECT_EQ(Cell(10, kColValue), c.newBore) << c.cid;
        EXPECT_EQ(Cell(11, kColValue), c.newStroke) << c.cid;
        EXPECT_EQ(Table().CurrentRow(), 8);
    }
    EXPECT_TRUE(dialogs.inputsAsked.empty());
}

TEST_F(EngineInertiaTest, MissingCylinderCountIsAskedFor) {
    dialogs.inputs = {"6"};
    BuildNewEngineDims(sheet, dialogs, 231);
    ASSERT_EQ(dialogs.inputsAsked.size(), 1u);
    EXPECT_EQ(dialogs.inputsAsked[0].prompt, "How many cylinders are in this engine (1-16)?");
    EXPECT_EQ(dialogs.inputsAsked[0].title, "Enter Number of Cylinders");
    EXPECT_EQ(dialogs.inputsAsked[0].defaultText, "");
    EXPECT_EQ(Cell(9, kColValue), "6");
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(EngineInertiaTest, CylinderQuestionWarnsOnceThenTakesEight) {
    dialogs.inputs = {"0", "20", "4"};
    BuildNewEngineDims(sheet, dialogs, 302);
    EXPECT_EQ(dialogs.inputsAsked.size(), 2u);
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text, "The value must be between 1 and 16.  Try again or click on Cancel.");
    EXPECT_EQ(dialogs.messages[0].title, "Enter Number of Cylinders");
    EXPECT_EQ(dialogs.messages[0].buttons, Buttons::Ok);
    EXPECT_EQ(Cell(9, kColValue), "8");
    EXPECT_EQ(Cell(11, kColValue), "3.268");
}

}  // namespace
}  // namespace gyrant
