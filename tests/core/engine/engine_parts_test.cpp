// The pieces of the recalculation the reference check cannot see: the strip, the notes, the
// engine dimensions asked for, the layout pass alone. The reference check compares every other
// cell of the recalculated tables, so the rules of the rows are guarded there.
#include <gtest/gtest.h>

#include "editor/displacement_entry.h"
#include "engine/layout.h"
#include "engine/ratios.h"
#include "engine/ring_inertia.h"
#include "support/sheet_fixture.h"

namespace gyrant {
namespace {

class EnginePartsTest : public testing::BlankSheetTest {
  protected:
    const std::string& Cell(int row) { return Baseline().Text(row, kColValue); }
    EditStrip strip;
};

TEST_F(EnginePartsTest, EachTableGetsItsRatiosNoteAndImprovements) {
    strip.Field(kColOD).text = "20";
    Baseline().SetText(kRearWheelRow, kColOD, "15");
    Baseline().SetCurrentRow(kRearWheelRow);
    GetRatios(sheet, kBaseline, &strip);
    EXPECT_NEAR(sheet.derived.Speeds.RearWheelFactor, 12 / 13.0, 1e-12);
    Baseline().SetCurrentRow(kFrontWheelRow);  // only while the strip holds that wheel row
    GetRatios(sheet, kBaseline, &strip);
    EXPECT_NEAR(sheet.derived.Speeds.RearWheelFactor, 12 / 9.75, 1e-12);
    const std::string tail =
        " should be set for all of the Baseline vehicle's inertias to be calculated correctly.";
    for (auto [trans, tire, missing] : {std::tuple{"", "", "Front and/or Rear Tire Diameters, "},
                                        {"0", "25", ""},
                                        {"1.93", "25", nullptr}}) {
        testing::SetValues(Baseline(), {{kFinalDriveRow, "3.08"}, {kGearRatioRow, trans}});
        Baseline().SetText(kFrontTireRow, kColOD, tire);
        Baseline().SetText(kRearTireRow, kColOD, tire);
        GetRatios(sheet, kBaseline);
        EXPECT_EQ(sheet.RatioNote(kBaseline),
                  missing ? "Note: " + std::string(missing) +
                                "Certain Gear Ratios and/or Trans Specs" + tail
                          : "");
    }
    // The strip shows the note of its own table, though the blank Proposed one came last.
    Recalculate(sheet);
    editor.TableClick(kBaseline, kFinalDriveRow);
    EXPECT_EQ(editor.Strip().helpLine.find("Note:"), std::string::npos);
    editor.TableClick(kProposed, kFinalDriveRow);
    EXPECT_TRUE(
        editor.Strip().helpLine.ends_with(" Proposed vehicle's inertias to be calculated "
                                          "correctly."));
    // The layout pass alone brings the improvement column in line with the vehicle count.
    Baseline().SetText(kVehicleWeightRow, kColValue, "3000");
    Proposed().SetText(kVehicleWeightRow, kColValue, "600");
    Recalculate(sheet);
    for (int two : {1, 0}) {
        sheet.document.TwoVehicles = two;
        RefreshLayout(sheet);
        EXPECT_EQ(Proposed().Text(kVehicleWeightRow, kColImprovement), two ? "80." : "");
    }
}

TEST_F(EnginePartsTest, StripModeReadsAndWritesOnlyTheStrip) {
    RunningTotals totals;
    for (auto [field, text] : {std::pair{kColOD, "4"}, {kColID, "3"}, {kColWidth, "50"}})
        strip.Field(field).text = text;
    strip.Field(kColMaterial).listIndex = 1;
    strip.Field(kColUnits).listIndex = 0;
    CalcRingInertia(sheet, strip, kBaseline, kDriveshaftRow, totals);
    EXPECT_EQ(strip.Field(kColWeight).text, "77.88");
    EXPECT_EQ(strip.Field(kColInertia).text, "1.69");
    EXPECT_FALSE(strip.Field(kColWeight).enabled);
    EXPECT_TRUE(strip.Field(kColWidth).enabled);
    EXPECT_EQ(Baseline().Text(kDriveshaftRow, kColWeight), "");
    // Without an O.D. nothing is computed: no negative weight, and a typed weight stays.
    strip.Field(kColOD).text = "";
    CalcRingInertia(sheet, strip, kBaseline, kFrontWheelRow, totals);
    for (int field : {kColWeight, kColInertia, kColEqWt})
        EXPECT_EQ(strip.Field(field).text, "") << field;
    strip.Field(kColMaterial).listIndex = 0;
    strip.Field(kColWeight).text = "20";
    CalcRingInertia(sheet, strip, kBaseline, kDriveshaftRow, totals);
    EXPECT_TRUE(strip.Field(kColWeight).enabled);
    EXPECT_FALSE(strip.Field(kColWidth).enabled);
    EXPECT_EQ(strip.Field(kColWeight).text, "20");
    EXPECT_EQ(strip.Field(kColEqWt).text, "");
}

// None for a displacement of 0 or below; missing cylinders are asked until given or cancelled.
TEST_F(EnginePartsTest, NewDisplacementGivesBoreAndStrokeKeepingAStrokeAlreadyThere) {
    // Each bad answer is refused and asked again.
    dialogs.inputs = {"0", "20", "8"};
    // Cylinders, bore and stroke before; the displacement; bore and stroke after.
    for (auto [cylinders, bore, stroke, cid, newBore, newStroke] :
         {std::tuple{"", "", "", 302.0, "3.835", "3.268"},
          {"8", "", "3.00", 302.0, "4.003", "3.000"},
          {"8", "4", "", 350.0, "4.000", "3.482"},
          {"8", "", "", 0.0, "", ""},
          {"8", "4", "3", -10.0, "4", "3"}}) {
        SCOPED_TRACE(cid);
        testing::SetValues(Baseline(),
                           {{kCylindersRow, cylinders}, {kBoreRow, bore}, {kStrokeRow, stroke}});
        Baseline().SetCurrentRow(kVehicleWeightRow);
        EXPECT_TRUE(EnterDisplacement(sheet, dialogs, cid));
        EXPECT_EQ(Cell(kCylindersRow), "8");
        EXPECT_EQ(Cell(kBoreRow), newBore);
        EXPECT_EQ(Cell(kStrokeRow), newStroke);
        EXPECT_EQ(Baseline().CurrentRow(), kDisplacementRow);
    }
    ASSERT_EQ(dialogs.inputsAsked.size(), 3u);
    EXPECT_EQ(dialogs.inputsAsked.at(2).prompt, "How many cylinders are in this engine (1-16)?");
    EXPECT_EQ(dialogs.inputsAsked[2].title, "Enter Number of Cylinders");
    ASSERT_EQ(dialogs.messages.size(), 2u);
    EXPECT_EQ(dialogs.messages.at(1).text,
              "The value must be between 1 and 16.  Try again or click on Cancel.");
}

}  // namespace
}  // namespace gyrant
