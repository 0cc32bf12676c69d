#include "editor/row_editor.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

#include "engine/update_table.h"
#include "files/file_commands.h"
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
        Baseline().SetText(1, kColValue, "3000");
        testing::SetVehicleType(Baseline(), "4 Wheel, Rear Drive", 0);
        Baseline().SetText(3, kColValue, "3.73");
        Baseline().SetText(4, kColValue, "2.52");
        SetComponent(Baseline(), 20, "4", "3", "50", "Steel", 1);
        SetComponent(Baseline(), 22, "", "3", "8", "Steel", 1);
        SetComponent(Baseline(), 23, "15", "5", "7", "Steel", 1);
    }
    SpecTable& Baseline() { return sheet.Table(kBaseline); }
    StripField& Field(int field) { return editor.Strip().Field(field); }
    void Type(int field, const std::string& text) {
        editor.EnterTextBox(field);
        Field(field).text = text;
        editor.LeaveTextBox(field);
    }
    // The strip's computed fields against the row's cells.
    void ExpectStripShowsTheRow(int row) {
        for (int field : {int(kColWeight), int(kColInertia), int(kColEqWt)})
            EXPECT_EQ(Field(field).text, Baseline().Text(row, field)) << "field " << field;
    }

    testing::ProgramFolder folder;
    Worksheet sheet;
    testing::FakeDialogs dialogs;
    RowEditor editor{sheet, dialogs};
};

TEST_F(RowEditorTest, EachKindOfRowShowsItsFieldsAndClicksLandOnARowThatTakesInput) {
    editor.TableClick(kBaseline, 3);
    EXPECT_EQ(Field(kColValue).text, "3.73");
    EXPECT_FALSE(Field(kColOD).shown || Field(kColUnits).shown || Field(kColValue).showsList);
    EXPECT_EQ(editor.Strip().calcLeftTwips, 3360);
    editor.TableClick(kBaseline, 17);
    EXPECT_TRUE(Field(kColUnits).shown);
    EXPECT_FALSE(editor.Strip().calcShown);
    editor.TableClick(kBaseline, 2);
    EXPECT_EQ(Field(kColValue).items.size(), 4u);
    EXPECT_EQ(Field(kColValue).listIndex, 0);
    Baseline().SetText(24, kColMaterial, ListChoice("CrbnFbr", 3));
    editor.TableClick(kBaseline, 24);
    EXPECT_EQ(Field(kColMaterial).items, (std::vector<std::string>{"Use Wt", "Tire"}));
    EXPECT_EQ(Field(kColMaterial).listIndex, 1);

    Baseline().SetRowHeight(5, kHiddenRowHeight);
    for (auto [clicked, landed] : {std::pair{30, 1}, {0, 1}, {7, 6}, {5, 4}}) {
        editor.TableClick(kBaseline, clicked);
        EXPECT_EQ(sheet.CurrentRow, landed) << clicked;
    }
}

TEST_F(RowEditorTest, RowSelectorOffersOnlyTheRowsThatTakeInputInTheCurrentTable) {
    Baseline().SetRowHeight(5, kHiddenRowHeight);
    sheet.Table(kProposed).SetRowHeight(12, kHiddenRowHeight);
    auto offered = [this] {
        std::vector<int> rows;
        for (std::size_t i = 0; i < Field(kRowSelector).items.size(); ++i)
            rows.push_back(editor.Strip().RowAt(static_cast<int>(i)));
        return rows;
    };
    editor.TableClick(kBaseline, 20);
    std::vector<int> rows = offered();
    for (int absent : {5, 7, 19, 30, 31})
        EXPECT_EQ(std::count(rows.begin(), rows.end(), absent), 0) << absent;
    EXPECT_EQ(rows.size(), 26u);
    EXPECT_EQ(Field(kRowSelector).items.at(static_cast<std::size_t>(Field(kRowSelector).listIndex)),
              "20");
    editor.TableClick(kProposed, 20);
    rows = offered();
    EXPECT_EQ(std::count(rows.begin(), rows.end(), 5), 1);
    EXPECT_EQ(std::count(rows.begin(), rows.end(), 12), 0);
}

TEST_F(RowEditorTest, ChoiceKeptWithoutAChoiceComesBackWithNone) {
    Baseline().SetText(6, kColValue, "");
    editor.TableClick(kBaseline, 6);
    EXPECT_EQ(Field(kColValue).listIndex, -1);
    editor.KeepChange();
    EXPECT_EQ(Baseline().Text(6, kColValue), std::string(30, ' ') + "-1");
    EXPECT_EQ(Field(kColValue).listIndex, -1);
    editor.ListClick(kColValue, 3);
    editor.KeepChange();
    EXPECT_EQ(Baseline().Text(6, kColValue), ValueChoice("Yes, Higher Stall (loose)", 3));
}

TEST_F(RowEditorTest, KeepChangeWritesTheRowAndTheStripThenShowsTheRowAsTheTableDoes) {
    editor.TableClick(kBaseline, 20);
    Type(kColOD, "3.5");
    editor.ListClick(kColMaterial, 2);
    std::string shownWeight = Field(kColWeight).text;
    editor.KeepChange();
    EXPECT_EQ(Baseline().Text(20, kColOD), "3.5");
    EXPECT_EQ(Baseline().Text(20, kColMaterial), ListChoice("Alum", 2));
    EXPECT_EQ(Baseline().Text(20, kColWeight), shownWeight);
    EXPECT_EQ(sheet.SpecsChanged, 1);
    ExpectStripShowsTheRow(20);
    EXPECT_FALSE(editor.HoldsUnkeptInput());
}

TEST_F(RowEditorTest, TheStripShowsNoFigureTheTableWouldNot) {
    Recalculate(sheet);
    editor.TableClick(kBaseline, 22);
    EXPECT_EQ(Field(kColWeight).text, "");
    ExpectStripShowsTheRow(22);
    // What a sub-menu's "Use Calc Value" writes: a weight to use as it stands.
    editor.TableClick(kBaseline, 20);
    Field(kColMaterial).listIndex = 0;
    Field(kColWeight).text = "20";
    editor.RefreshStripResults();
    EXPECT_TRUE(Field(kColWeight).enabled);
    std::string inertia = Field(kColInertia).text;
    editor.KeepChange();
    EXPECT_EQ(Baseline().Text(20, kColInertia), inertia);
    EXPECT_TRUE(Field(kColWeight).enabled);
}

TEST_F(RowEditorTest, KeepingAWheelOrTireSharesTheRimDiameter) {
    editor.TableClick(kBaseline, 23);
    EXPECT_FALSE(Field(kColID).shown);
    editor.KeepChange();
    EXPECT_EQ(Baseline().Text(23, kColID), "");
    EXPECT_EQ(Baseline().Text(24, kColID), "15");
    editor.TableClick(kBaseline, 27);
    EXPECT_EQ(editor.Strip().calcLeftTwips, 9860);
    Type(kColID, "17");
    editor.KeepChange();
    EXPECT_EQ(Baseline().Text(26, kColOD), "17");
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

// Leaving a row whose input was not kept asks first, whatever leaves it.
struct UnkeptInput {
    const char* name;
    Answer answer;
    bool leaves;
    const char* kept;  // the row's O.D. afterwards
};

class UnkeptInputTest : public RowEditorTest, public ::testing::WithParamInterface<UnkeptInput> {};

TEST_P(UnkeptInputTest, IsKeptDroppedOrStaysAsTheUserSays) {
    const UnkeptInput& c = GetParam();
    std::vector<std::function<bool()>> moves = {
        [this] { return editor.ConfirmLeavingRow(); },
        [this] {
            editor.CopyDown();
            return dialogs.messages.back().title == "Copy to Bottom Spread Sheet?";
        },
        [this] {
            OpenSpecFile(sheet, editor, dialogs);
            return dialogs.choosersShown.size() == 1;
        },
        [this] { return ExitProgram(sheet, editor, dialogs); }};
    for (std::size_t move = 0; move < moves.size(); ++move) {
        SCOPED_TRACE(move);
        dialogs.messages.clear();
        dialogs.choosersShown.clear();
        editor.TableClick(kBaseline, 20);
        Type(kColOD, "3.5");
        dialogs.answers = {c.answer, Answer::No, Answer::No};
        EXPECT_EQ(moves[move](), c.leaves);
        EXPECT_EQ(dialogs.messages.at(0).text, "Keep the change to Driveshaft?");
        EXPECT_EQ(dialogs.messages[0].buttons, Buttons::YesNoCancel);
        EXPECT_EQ(Baseline().Text(20, kColOD), c.kept);
        EXPECT_EQ(editor.HoldsUnkeptInput(), !c.leaves);
        Baseline().SetText(20, kColOD, "4");
        sheet.SpecsChanged = 0;
    }
}

INSTANTIATE_TEST_SUITE_P(Answers, UnkeptInputTest,
                         ::testing::Values(UnkeptInput{"Yes", Answer::Yes, true, "3.5"},
                                           UnkeptInput{"No", Answer::No, true, "4"},
                                           UnkeptInput{"Cancel", Answer::Cancel, false, "4"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(RowEditorTest, OnlyAnInputThatDiffersFromTheRowIsAskedAboutAndARefusedOneStays) {
    editor.TableClick(kBaseline, 20);
    Type(kColOD, "4");
    Field(kColWidth).text = "50";
    EXPECT_TRUE(editor.ConfirmLeavingRow());
    EXPECT_TRUE(dialogs.messages.empty());
    editor.TableClick(kBaseline, 3);
    editor.EnterTextBox(kColValue);
    Field(kColValue).text = "99";
    dialogs.answers = {Answer::Yes};
    EXPECT_FALSE(editor.ConfirmLeavingRow());
    EXPECT_EQ(dialogs.messages.at(1).title, "Warning");
    EXPECT_EQ(Baseline().Text(3, kColValue), "3.73");
    EXPECT_EQ(sheet.SpecsChanged, 0);
}

TEST_F(RowEditorTest, CopyDownAsksThenShowsASecondVehicle) {
    dialogs.answers = {Answer::No};
    editor.CopyDown();
    EXPECT_EQ(sheet.Table(kProposed).Text(3, kColValue), "");
    dialogs.answers = {Answer::Yes};
    editor.CopyDown();
    ASSERT_EQ(dialogs.messages.size(), 3u);
    EXPECT_EQ(dialogs.messages[0].text,
              "Do you want to copy all specs from the top spread sheet down to the bottom spread "
              "sheet?  This will erase all entries in the bottom spread sheet.");
    EXPECT_EQ(dialogs.messages[0].title, "Copy to Bottom Spread Sheet?");
    EXPECT_EQ(dialogs.messages[0].defaultButton, Answer::No);
    EXPECT_EQ(dialogs.messages[2].text,
              "A second 'spreadsheet', for a comparison vehicle will now be displayed.");
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
