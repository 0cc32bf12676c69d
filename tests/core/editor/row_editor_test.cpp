#include "editor/row_editor.h"

#include <gtest/gtest.h>

#include <functional>

#include "editor/main_activation.h"
#include "files/file_commands.h"
#include "support/sheet_fixture.h"

namespace gyrant {
namespace {

class RowEditorTest : public testing::SheetTest {
  protected:
    StripField& Field(int field) { return editor.Strip().Field(field); }
    void Type(int field, const std::string& text) {
        editor.EnterTextBox(field);
        Field(field).text = text;
        editor.LeaveTextBox(field);
    }
    // Weight, inertia and equivalent weight of a Baseline row, or of the strip for row 0.
    std::vector<std::string> Results(int row = 0) {
        std::vector<std::string> all;
        for (int column : {kColWeight, kColInertia, kColEqWt})
            all.push_back(row ? Baseline().Text(row, column) : Field(column).text);
        return all;
    }
};

TEST_F(RowEditorTest, EachKindOfRowShowsItsFieldsAndClicksAndSelectorOnlyReachInputRows) {
    editor.TableClick(kBaseline, 3);
    EXPECT_EQ(Field(kColValue).text, "3.73");
    for (int field : {kColOD, kColUnits}) EXPECT_FALSE(Field(field).shown) << field;
    EXPECT_FALSE(Field(kColValue).showsList);
    EXPECT_EQ(editor.Strip().calcLeftTwips, 3360);
    editor.TableClick(kBaseline, 17);
    EXPECT_TRUE(Field(kColUnits).shown);
    EXPECT_FALSE(editor.Strip().calcShown);
    editor.TableClick(kBaseline, 2);
    EXPECT_EQ(Field(kColValue).items.size(), 4u);
    EXPECT_EQ(Field(kColValue).listIndex, 0);
    Baseline().SetText(24, kColMaterial, testing::ListChoice("CrbnFbr", 3));
    editor.TableClick(kBaseline, 24);
    EXPECT_EQ(Field(kColMaterial).items, (std::vector<std::string>{"Use Wt", "Tire"}));
    EXPECT_EQ(Field(kColMaterial).listIndex, 1);
    Baseline().SetRowHeight(5, kHiddenRowHeight);
    for (auto [clicked, landed] : {std::pair{30, 1}, {0, 1}, {7, 6}, {5, 4}}) {
        editor.TableClick(kBaseline, clicked);
        EXPECT_EQ(sheet.view.CurrentRow, landed) << clicked;
    }
    // The row selector offers only the rows that take input in the current table.
    Proposed().SetRowHeight(12, kHiddenRowHeight);
    for (auto [table, hidden, vehicle] :
         {std::tuple{kBaseline, 5, "Baseline"}, {kProposed, 12, "Proposed"}}) {
        editor.TableClick(table, 20);
        EXPECT_EQ(editor.Strip().vehicle, vehicle);
        std::vector<std::string> rows;
        for (int row = 1; row <= 29; ++row)
            if (row != 7 && row != 19 && row != hidden) rows.push_back(std::to_string(row));
        EXPECT_EQ(Field(kRowSelector).items, rows);
        EXPECT_EQ(editor.Strip().SelectedRow(), 20);
    }
    // Each field has the control it is drawn by; a box of typed input (Weight too) takes typing.
    for (int row = 1; row <= 29; ++row) {
        editor.TableClick(kBaseline, row);
        if (Field(kColMaterial).shown) editor.ListClick(kColMaterial, 0);  // "Use Wt"
        for (int field = 0; field < kStripFields; ++field) {
            const StripField& f = Field(field);
            bool typed = f.shown && f.enabled && !f.showsList && field <= kColWeight;
            EXPECT_TRUE(f.showsList ? HasList(field) : HasTextBox(field)) << row;
            EXPECT_FALSE(typed && IsReadOnly(field)) << row << " " << field;
        }
    }
}

TEST_F(RowEditorTest, KeepChangeWritesEachKindOfInputAndTheStripShowsTheRowAsTheTable) {
    editor.TableClick(kBaseline, 20);
    Type(kColOD, "3.5");
    editor.ListClick(kColMaterial, 2);
    std::vector<std::string> shown = Results();
    editor.KeepChange();
    EXPECT_EQ(Baseline().Text(20, kColOD), "3.5");
    EXPECT_EQ(Baseline().Text(20, kColMaterial), testing::ListChoice("Alum", 2));
    EXPECT_EQ(Results(20), shown);
    EXPECT_EQ(Results(), shown);
    EXPECT_EQ(sheet.file.SpecsChanged, 1);
    EXPECT_FALSE(editor.HoldsUnkeptInput());
    // What a sub-menu's "Use Calc Value" writes: a weight to use as it stands.
    editor.TableClick(kBaseline, 20);
    Field(kColMaterial).listIndex = 0;
    Field(kColWeight).text = "20";
    editor.RefreshStripResults();
    shown = Results();
    editor.KeepChange();
    EXPECT_EQ(Results(20), shown);
    // The tables are recalculated from their own rows, not from a wheel typed but not kept.
    shown = Results(23);
    editor.TableClick(kBaseline, 23);
    Type(kColOD, "16");
    editor.Refresh();
    EXPECT_EQ(Results(23), shown);
    // Choices, wheels, tires and displacement are kept by their own rules.
    Baseline().SetText(6, kColValue, "");
    editor.TableClick(kBaseline, 6);
    editor.KeepChange();
    EXPECT_EQ(Baseline().Text(6, kColValue), std::string(30, ' ') + "-1");
    EXPECT_EQ(Field(kColValue).listIndex, -1);
    editor.ListClick(kColValue, 3);
    editor.KeepChange();
    EXPECT_EQ(Baseline().Text(6, kColValue), testing::ValueChoice("Yes, Higher Stall (loose)", 3));
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
    editor.TableClick(kBaseline, 8);
    Type(kColValue, "302");
    // Cancel at the cylinder question keeps nothing: the strip holds the entry, the engine stays.
    dialogs.answers = {Answer::Yes};
    EXPECT_FALSE(editor.ConfirmLeavingRow());
    for (auto [row, text] : {std::pair{8, ".00"}, {9, ""}, {10, ""}, {11, ""}})
        EXPECT_EQ(Baseline().Text(row, kColValue), text) << row;
    EXPECT_TRUE(editor.HoldsUnkeptInput());
    EXPECT_EQ(dialogs.messages.size(), 1u);  // only the Keep Change? question
    Baseline().SetText(9, kColValue, "8");
    editor.KeepChange();
    // The displacement shown is that of the rounded bore and stroke.
    EXPECT_EQ(Baseline().Text(8, kColValue), "301.99");
}

// An input the strip holds is asked about, whatever leaves its row; Cancel stays on it.
TEST_F(RowEditorTest, AnUnkeptInputIsKeptDroppedOrStaysAsTheUserSays) {
    std::function<bool()> moves[] = {
        [this] { return editor.ConfirmLeavingRow(); },
        [this] {
            editor.CopyDown();
            return dialogs.messages.back().title == "Copy to Bottom Spread Sheet?";
        },
        [this] {
            OpenSpecFile(sheet, editor, dialogs);
            return dialogs.choosersShown.size() == 1;
        },
        [this] { return ExitProgram(sheet, editor, dialogs); },
        [this] {  // back in the main window on row 1, a kept change still unsaved
            return ReturnToMainWindow(sheet, editor, dialogs, false) &&
                   sheet.view.CurrentRow == 1 &&
                   sheet.file.SpecsChanged == (Baseline().Text(20, kColOD) == "3.5");
        }};
    for (auto [answer, leaves, od] : {std::tuple{Answer::Yes, true, "3.5"},
                                      {Answer::No, true, "4"},
                                      {Answer::Cancel, false, "4"}}) {
        for (std::size_t move = 0; move < std::size(moves); ++move) {
            SCOPED_TRACE(std::to_string(move) + od);
            dialogs = {};
            editor.TableClick(kBaseline, 20);
            Type(kColOD, "3.5");
            dialogs.answers = {answer, Answer::No, Answer::No};
            EXPECT_EQ(moves[move](), leaves);
            EXPECT_EQ(dialogs.messages.at(0).text, "Keep the change to Driveshaft?");
            EXPECT_EQ(dialogs.messages[0].buttons, Buttons::YesNoCancel);
            EXPECT_EQ(dialogs.messages[0].defaultButton, Answer::Cancel);
            EXPECT_EQ(Baseline().Text(20, kColOD), od);
            EXPECT_EQ(editor.HoldsUnkeptInput(), !leaves);
            Baseline().SetText(20, kColOD, "4");
            sheet.file.SpecsChanged = 0;
        }
    }
    // The same number in another form is not asked about. The box the user is in is checked
    // against its own row first: a refused entry stays on the row, and nothing is asked.
    Baseline().SetText(20, kColOD, "4.0");
    editor.TableClick(kBaseline, 20);
    Type(kColOD, "4.0");
    dialogs = {};
    EXPECT_TRUE(editor.ConfirmLeavingRow());
    EXPECT_TRUE(dialogs.messages.empty());
    editor.TableClick(kBaseline, 3);
    editor.EnterTextBox(kColValue);
    Field(kColValue).text = "099.0";
    EXPECT_FALSE(editor.ConfirmLeavingRow());
    EXPECT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages.at(0).title, "Warning");
    // Left after the strip moved to a choice row, the box checks nothing against that row.
    Field(kColValue).text = "3.5";
    editor.TableClick(kBaseline, kVehicleTypeRow);
    EXPECT_TRUE(editor.LeaveTextBox(kColValue));
    EXPECT_EQ(dialogs.messages.size(), 1u);
}

TEST_F(RowEditorTest, CopyDownAsksThenShowsASecondVehicle) {
    dialogs.answers = {Answer::No, Answer::Yes, Answer::Ok, Answer::Yes};
    editor.CopyDown();
    EXPECT_EQ(Proposed().Text(3, kColValue), "");
    editor.CopyDown();
    ASSERT_EQ(dialogs.messages.size(), 3u);
    EXPECT_EQ(dialogs.messages[0].text,
              "Do you want to copy all specs from the top spread sheet down to the bottom spread "
              "sheet?  This will erase all entries in the bottom spread sheet.");
    EXPECT_EQ(dialogs.messages[0].defaultButton, Answer::No);
    EXPECT_EQ(dialogs.messages[2].text,
              "A second 'spreadsheet', for a comparison vehicle will now be displayed.");
    EXPECT_EQ(Proposed().Text(3, kColValue), "3.73");
    EXPECT_EQ(Proposed().Text(1, kColImprovement), "0.");
    EXPECT_EQ(sheet.document.TwoVehicles, 1);
    EXPECT_EQ(sheet.file.SpecsChanged, 0);
    editor.CopyDown();
    EXPECT_EQ(dialogs.messages.size(), 4u);
}

}  // namespace
}  // namespace gyrant
