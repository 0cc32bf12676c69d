#include "editor/row_editor.h"

#include <gtest/gtest.h>

#include "model/setup_tables.h"
#include "support/fake_dialogs.h"
#include "support/program_folder.h"
#include "support/worksheet_builder.h"

namespace gyrant {
namespace {

using testing::ListChoice;
using testing::SetComponent;
using testing::ValueChoice;

class RowEditorTest : public ::testing::Test {
protected:
    RowEditorTest() {
        sheet.ProgramFolder = folder.Path();
        EXPECT_TRUE(SetupTables(sheet).ok);
        SetComponent(Baseline(), 20, "4", "3", "50", "Steel", 1);
        SetComponent(Baseline(), 23, "15", "5", "7", "Steel", 1);
        Baseline().SetText(2, kColValue, ValueChoice("4 Wheel, Rear Drive", 0));
        Baseline().SetText(3, kColValue, "3.73");
    }
    SpecTable& Baseline() { return sheet.Table(kBaseline); }
    const StripField& Field(int field) { return editor.Strip().Field(field); }
    void Type(int field, const std::string& text) {
        editor.EnterTextBox(field);
        editor.Strip().Field(field).text = text;
        editor.LeaveTextBox(field);
    }

    testing::ProgramFolder folder;
    Worksheet sheet;
    testing::FakeDialogs dialogs;
    RowEditor editor{sheet, dialogs};
};

TEST_F(RowEditorTest, NumericAndChoiceRowsShowOnlyTheirValue) {
    editor.TableClick(kBaseline, 3);
    EXPECT_EQ(Field(kColValue).text, "3.73");
    EXPECT_FALSE(Field(kColValue).showsList);
    EXPECT_FALSE(Field(kColOD).shown);
    EXPECT_FALSE(Field(kColUnits).shown);
    EXPECT_EQ(editor.Strip().calcLeftTwips, 3360);

    editor.TableClick(kBaseline, 17);
    EXPECT_TRUE(Field(kColUnits).shown);
    EXPECT_FALSE(editor.Strip().calcShown);

    editor.TableClick(kBaseline, 2);
    EXPECT_TRUE(Field(kColValue).showsList);
    EXPECT_EQ(Field(kColValue).items.size(), 4u);
    EXPECT_EQ(Field(kColValue).listIndex, 0);
}

TEST_F(RowEditorTest, ClicksLandOnTheNearestRowThatTakesInput) {
    editor.TableClick(kBaseline, 30);
    EXPECT_EQ(sheet.CurrentRow, 1);
    editor.TableClick(kBaseline, 0);
    EXPECT_EQ(sheet.CurrentRow, 1);
    editor.TableClick(kBaseline, 7);
    EXPECT_EQ(sheet.CurrentRow, 6);
    Baseline().SetRowHeight(5, kHiddenRowHeight);
    editor.TableClick(kBaseline, 5);
    EXPECT_EQ(sheet.CurrentRow, 4);
    editor.TableClick(kProposed, 9);
    EXPECT_EQ(sheet.CurrentTable, kProposed);
}

TEST_F(RowEditorTest, ChoiceKeptWithoutAChoiceComesBackWithNone) {
    Baseline().SetText(6, kColValue, "");
    editor.TableClick(kBaseline, 6);
    EXPECT_EQ(Field(kColValue).listIndex, -1);
    editor.KeepChange();
    EXPECT_EQ(Baseline().Text(6, kColValue), std::string(30, ' ') + "-1");
    editor.TableClick(kBaseline, 6);
    EXPECT_EQ(Field(kColValue).listIndex, -1);
    editor.ListClick(kColValue, 3);
    editor.KeepChange();
    EXPECT_EQ(Baseline().Text(6, kColValue), ValueChoice("Yes, Higher Stall (loose)", 3));
}

TEST_F(RowEditorTest, KeepChangeWritesTheRowRecalculatesAndMarksTheWorksheetChanged) {
    editor.TableClick(kBaseline, 20);
    Type(kColOD, "3.5");
    editor.ListClick(kColMaterial, 2);
    editor.KeepChange();
    EXPECT_EQ(Baseline().Text(20, kColOD), "3.5");
    EXPECT_EQ(Baseline().Text(20, kColMaterial), ListChoice("Alum", 2));
    EXPECT_EQ(Baseline().Text(20, kColUnits), ListChoice("Lbs", 0));
    EXPECT_NE(Baseline().Text(30, kColEqWt), "");
    EXPECT_EQ(sheet.SpecsChanged, 1);
}

TEST_F(RowEditorTest, KeepingAWheelOrTireSharesTheRimDiameter) {
    editor.TableClick(kBaseline, 23);
    EXPECT_FALSE(Field(kColID).shown);
    EXPECT_EQ(Field(kColID).text, "");
    editor.KeepChange();
    EXPECT_EQ(Baseline().Text(23, kColID), "");
    EXPECT_EQ(Baseline().Text(24, kColID), "15");

    editor.TableClick(kBaseline, 27);
    EXPECT_EQ(editor.Strip().calcLeftTwips, 9860);
    Type(kColID, "17");
    editor.KeepChange();
    EXPECT_EQ(Baseline().Text(26, kColOD), "17");
}

TEST_F(RowEditorTest, TireRowOffersTireAsItsMaterial) {
    Baseline().SetText(24, kColMaterial, ListChoice("CrbnFbr", 3));
    editor.TableClick(kBaseline, 24);
    EXPECT_EQ(Field(kColMaterial).items, (std::vector<std::string>{"Use Wt", "Tire"}));
    EXPECT_EQ(Field(kColMaterial).listIndex, 1);
}

TEST_F(RowEditorTest, NewDisplacementIsTurnedIntoBoreAndStroke) {
    Baseline().SetText(9, kColValue, "8");
    editor.TableClick(kBaseline, 8);
    Type(kColValue, "302");
    editor.KeepChange();
    EXPECT_EQ(Baseline().Text(10, kColValue), "3.835");
    EXPECT_EQ(Baseline().Text(11, kColValue), "3.268");
    // The displacement shown is that of the rounded bore and stroke.
    EXPECT_EQ(Baseline().Text(8, kColValue), "301.99");
}

TEST_F(RowEditorTest, CopyDownAsksThenShowsASecondVehicle) {
    dialogs.answers = {Answer::No};
    editor.CopyDown();
    EXPECT_EQ(sheet.Table(kProposed).Text(3, kColValue), "");

    Baseline().SetText(1, kColValue, "3000");
    dialogs.answers = {Answer::Yes};
    editor.CopyDown();
    ASSERT_EQ(dialogs.messages.size(), 3u);
    EXPECT_EQ(dialogs.messages[0].text,
              "Do you want to copy all specs from the top spread sheet down to the bottom spread "
              "sheet?  This will erase all entries in the bottom spread sheet.");
    EXPECT_EQ(dialogs.messages[0].title, "Copy to Bottom Spread Sheet?");
    EXPECT_EQ(dialogs.messages[0].buttons, Buttons::YesNo);
    EXPECT_EQ(dialogs.messages[0].defaultButton, Answer::No);
    EXPECT_EQ(dialogs.messages[2].text, "A second 'spreadsheet', for a comparison vehicle will now be displayed.");
    EXPECT_EQ(sheet.TwoVehicles, 1);
    EXPECT_EQ(sheet.Table(kProposed).Text(3, kColValue), "3.73");
    EXPECT_EQ(sheet.Table(kProposed).Text(1, kColImprovement), "0.");
    EXPECT_EQ(sheet.SpecsChanged, 0);

    dialogs.answers = {Answer::Yes};
    editor.CopyDown();
    EXPECT_EQ(dialogs.messages.size(), 4u);
}

}  // namespace
}  // namespace gyrant
