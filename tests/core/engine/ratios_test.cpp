#include "engine/ratios.h"

#include <gtest/gtest.h>

#include "support/fake_strip.h"
#include "support/worksheet_builder.h"

namespace gyrant {
namespace {

using testing::ValueChoice;

class GetRatiosTest : public ::testing::Test {
protected:
    SpecTable& Baseline() { return sheet.Table(kBaseline); }
    void SetDrivetrain(const char* finalDrive, const char* trans, const char* rearTire) {
        Baseline().SetText(3, kColValue, finalDrive);
        Baseline().SetText(4, kColValue, trans);
        Baseline().SetText(27, kColOD, rearTire);
        Baseline().SetText(24, kColOD, rearTire);
    }
    Worksheet sheet;
};

TEST_F(GetRatiosTest, WheelFactorIsOneOverTheTireRadiusInFeetOrItsWheelsEstimate) {
    Baseline().SetText(27, kColOD, "25");
    GetRatios(sheet, kBaseline);
    EXPECT_DOUBLE_EQ(sheet.Speeds.RearWheelFactor, 0.96);
    EXPECT_DOUBLE_EQ(sheet.Speeds.FrontWheelFactor, 0);
    // A missing tire is taken as 1.3 times its wheel.
    Baseline().SetText(27, kColOD, "");
    Baseline().SetText(26, kColOD, "15");
    GetRatios(sheet, kBaseline);
    EXPECT_NEAR(sheet.Speeds.RearWheelFactor, 12 / 9.75, 1e-12);
}

TEST_F(GetRatiosTest, WheelBeingEditedIsReadFromTheStrip) {
    testing::FakeStrip strip;
    strip.texts[kColOD] = "20";
    sheet.Strip = &strip;
    Baseline().SetText(26, kColOD, "15");
    Baseline().SetCurrentRow(26);
    GetRatios(sheet, kBaseline);
    EXPECT_NEAR(sheet.Speeds.RearWheelFactor, 12 / 13.0, 1e-12);
    // Only while that table's wheel row is the one in the strip.
    sheet.CurrentTable = kProposed;
    GetRatios(sheet, kBaseline);
    EXPECT_NEAR(sheet.Speeds.RearWheelFactor, 12 / 9.75, 1e-12);
}

TEST_F(GetRatiosTest, ConverterPullsTheEngineFactorTowardsOne) {
    SetDrivetrain("3.08", "1.93", "25");
    GetRatios(sheet, kBaseline);
    EXPECT_NEAR(sheet.Speeds.DriveshaftFactor, 2.9568, 1e-12);
    EXPECT_NEAR(sheet.Speeds.TransInputFactor, 5.706624, 1e-12);
    EXPECT_NEAR(sheet.Speeds.EngineFactor, 5.706624, 1e-12);

    Baseline().SetText(6, kColValue, ValueChoice("Yes, Stock (tight)", 1));
    GetRatios(sheet, kBaseline);
    EXPECT_NEAR(sheet.Speeds.EngineFactor, 3.353312, 1e-12);

    Baseline().SetText(6, kColValue, ValueChoice("Yes, Very High Stall (very loose)", 4));
    GetRatios(sheet, kBaseline);
    EXPECT_NEAR(sheet.Speeds.EngineFactor, 1.9413248, 1e-12);
    EXPECT_EQ(sheet.Speeds.ConverterCode, 4);

    // A converter kept with no choice ends in -1 and does not blend.
    Baseline().SetText(6, kColValue, std::string(30, ' ') + "-1");
    GetRatios(sheet, kBaseline);
    EXPECT_NEAR(sheet.Speeds.EngineFactor, 5.706624, 1e-12);
}

TEST_F(GetRatiosTest, NoteNamesWhatIsMissing) {
    GetRatios(sheet, kBaseline);
    EXPECT_EQ(sheet.RatioNote,
              "Note: Front and/or Rear Tire Diameters, Certain Gear Ratios and/or Trans Specs "
              "should be set for all inertias to be calculated correctly.");
    SetDrivetrain("3.08", "0", "25");
    GetRatios(sheet, kBaseline);
    EXPECT_EQ(sheet.RatioNote,
              "Note: Certain Gear Ratios and/or Trans Specs should be set for all inertias to be "
              "calculated correctly.");
    SetDrivetrain("3.08", "1.93", "25");
    GetRatios(sheet, kBaseline);
    EXPECT_EQ(sheet.RatioNote, "");
}

TEST(CalcVehicleImprovement, ComparesEquivalentWeightsRowByRow) {
    Worksheet sheet;
    auto set = [&](int row, const char* base, const char* proposed) {
        sheet.Table(kBaseline).SetText(row, kColEqWt, base);
        sheet.Table(kProposed).SetText(row, kColEqWt, proposed);
    };
    set(20, "10.00", "9.00");
    set(21, ".00", "5.00");
    set(22, "5.00", ".00");
    set(23, ".00", ".00");
    set(24, "4.00", "   ");
    set(25, "8.00", "10.00");
    set(26, "4.00", "3.00");
    sheet.Table(kProposed).SetText(23, kColImprovement, "old");
    sheet.Table(kProposed).SetText(24, kColImprovement, "old");
    sheet.Table(kBaseline).SetRowHeight(26, kHiddenRowHeight);
    CalcVehicleImprovement(sheet);
    const SpecTable& proposed = sheet.Table(kProposed);
    EXPECT_EQ(proposed.Text(20, kColImprovement), "10.");
    EXPECT_EQ(proposed.Text(21, kColImprovement), "-9999.");
    EXPECT_EQ(proposed.Text(22, kColImprovement), "9999.");
    EXPECT_EQ(proposed.Text(23, kColImprovement), "old");
    EXPECT_EQ(proposed.Text(24, kColImprovement), "old");
    EXPECT_EQ(proposed.Text(25, kColImprovement), "-25.");
    EXPECT_EQ(proposed.Text(26, kColImprovement), "");
}

}  // namespace
}  // namespace gyrant
