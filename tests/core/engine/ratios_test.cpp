#include "engine/ratios.h"

#include <gtest/gtest.h>

#include "support/fake_strip.h"
#include "support/worksheet_builder.h"

namespace gyrant {
namespace {

class GetRatiosTest : public ::testing::Test {
  protected:
    SpecTable& Baseline() { return sheet.Table(kBaseline); }
    void SetDrivetrain(const char* finalDrive, const char* trans, const char* tire) {
        Baseline().SetText(3, kColValue, finalDrive);
        Baseline().SetText(4, kColValue, trans);
        Baseline().SetText(27, kColOD, tire);
        Baseline().SetText(24, kColOD, tire);
    }
    Worksheet sheet;
};

TEST_F(GetRatiosTest, MissingTireIsEstimatedFromItsWheelAsTypedInTheStrip) {
    testing::FakeStrip strip;
    strip.texts[kColOD] = "20";
    Baseline().SetText(26, kColOD, "15");
    Baseline().SetCurrentRow(26);
    GetRatios(sheet, kBaseline);
    EXPECT_NEAR(sheet.Speeds.RearWheelFactor, 12 / 9.75, 1e-12);
    EXPECT_DOUBLE_EQ(sheet.Speeds.FrontWheelFactor, 0);
    sheet.Strip = &strip;
    GetRatios(sheet, kBaseline);
    EXPECT_NEAR(sheet.Speeds.RearWheelFactor, 12 / 13.0, 1e-12);
    // Only while that table's wheel row is the one in the strip.
    sheet.CurrentTable = kProposed;
    GetRatios(sheet, kBaseline);
    EXPECT_NEAR(sheet.Speeds.RearWheelFactor, 12 / 9.75, 1e-12);
}

TEST_F(GetRatiosTest, ConverterPullsTheEngineFactorTowardsOne) {
    SetDrivetrain("3.08", "1.93", "25");
    // A converter kept with no choice ends in -1 and does not blend.
    for (auto [converter, factor] :
         {std::pair{testing::ValueChoice("No", 0), 5.706624},
          {testing::ValueChoice("Yes, Stock (tight)", 1), 3.353312},
          {testing::ValueChoice("Yes, Very High Stall (very loose)", 4), 1.9413248},
          {std::string(30, ' ') + "-1", 5.706624}}) {
        Baseline().SetText(6, kColValue, converter);
        GetRatios(sheet, kBaseline);
        EXPECT_NEAR(sheet.Speeds.DriveshaftFactor, 2.9568, 1e-12);
        EXPECT_NEAR(sheet.Speeds.TransInputFactor, 5.706624, 1e-12);
        EXPECT_NEAR(sheet.Speeds.EngineFactor, factor, 1e-12) << converter;
    }
}

TEST_F(GetRatiosTest, NoteNamesWhatIsMissing) {
    const std::string tail = " should be set for all inertias to be calculated correctly.";
    for (auto [trans, tire, note] :
         {std::tuple{
              "", "",
              "Note: Front and/or Rear Tire Diameters, Certain Gear Ratios and/or Trans Specs" +
                  tail},
          {"0", "25", "Note: Certain Gear Ratios and/or Trans Specs" + tail},
          {"1.93", "25", std::string()}}) {
        SetDrivetrain("3.08", trans, tire);
        GetRatios(sheet, kBaseline);
        EXPECT_EQ(sheet.RatioNote, note);
    }
}

// Rows with a blank Eq. Wt, hidden in either table, or 0 in both get no figure, whatever they
// held; with one vehicle shown the column is empty.
TEST(CalcVehicleImprovement, ComparesEquivalentWeightsRowByRow) {
    Worksheet sheet;
    const char* rows[][3] = {{"10.00", "9.00", "10."}, {".00", "5.00", "-9999."},
                             {"5.00", ".00", "9999."}, {".00", ".00", ""},
                             {"4.00", "   ", ""},      {"8.00", "10.00", "-25."},
                             {"4.00", "3.00", ""},     {"4.00", "3.00", ""}};
    for (int i = 0; i < 8; ++i) {
        sheet.Table(kBaseline).SetText(20 + i, kColEqWt, rows[i][0]);
        sheet.Table(kProposed).SetText(20 + i, kColEqWt, rows[i][1]);
        sheet.Table(kProposed).SetText(20 + i, kColImprovement, "old");
    }
    sheet.Table(kBaseline).SetRowHeight(26, kHiddenRowHeight);
    sheet.Table(kProposed).SetRowHeight(27, kHiddenRowHeight);
    for (int two : {1, 0}) {
        sheet.TwoVehicles = two;
        CalcVehicleImprovement(sheet);
        for (int i = 0; i < 8; ++i)
            EXPECT_EQ(sheet.Table(kProposed).Text(20 + i, kColImprovement), two ? rows[i][2] : "")
                << 20 + i;
    }
}

}  // namespace
}  // namespace gyrant
