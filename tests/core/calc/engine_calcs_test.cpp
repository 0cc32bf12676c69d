#include <gtest/gtest.h>

#include "calc/calc_menu.h"
#include "help/help_pages.h"
#include "model/spec_rows.h"
#include "support/sheet_fixture.h"

namespace gyrant {
namespace {

struct EngineCalc {
    int kind, unitSystem;
    const char* stroke;                              // the Stroke row's Value
    std::vector<std::pair<int, int>> choices;        // list, entry
    std::vector<std::pair<int, const char*>> typed;  // input, text
    const char* result;
    int helpPage;  // of the kind's help topic, whose worked example this is; or -1
};
class EngineCalcTest : public testing::BlankSheetTest,
                       public ::testing::WithParamInterface<EngineCalc> {};

TEST_P(EngineCalcTest, ShowsItsResultWritesNothingBackAndAgreesWithItsHelp) {
    const EngineCalc& c = GetParam();
    sheet.UnitSystem = c.unitSystem;
    Baseline().SetText(kStrokeRow, kColValue, c.stroke);
    Baseline().SetText(kBoreRow, kColValue, "4.00");
    EditStrip strip;
    CalcMenu menu(sheet, strip, c.kind);
    ASSERT_TRUE(menu.Open().ok);
    for (auto [k, index] : c.choices) menu.ListClick(k, index);
    for (auto [k, text] : c.typed) {
        menu.Input(k).text = text;
        EXPECT_FALSE(menu.LeaveInput(k, "")) << k;
    }
    EXPECT_EQ(menu.Output(1).text, c.result);
    EXPECT_TRUE(!menu.UseCalcValue(dialogs) && strip.Field(kColValue).text.empty());
    if (c.helpPage < 0) return;
    HelpPages help(sheet.ProgramFolder, c.kind * 100);
    if (c.helpPage == 1) help.Next();
    EXPECT_NE(help.Text().find(std::string("shows ") + c.result + " "), std::string::npos);
}

// clang-format off
const EngineCalc kEngineCalcs[] = {
    {7, 0, "3.48", {}, {{1, "5.7"}, {2, "1.56"}, {3, ".025"}}, "9.025", 0},
    {7, 0, "3.48", {}, {{1, "5.7"}, {2, "1.56"}}, "9.000", -1},  // a zero deck
    {7, 0, "3.48", {}, {{2, "1.56"}, {3, ".025"}}, "", -1},
    {7, 1, "3.50", {}, {{1, "145"}, {2, "39.6"}, {3, ".5"}}, "229.55", 1},
    {8, 0, "3.48", {}, {{1, "9.025"}, {2, "1.56"}, {3, "5.7"}}, ".025", 0},
    {8, 0, "3.48", {}, {{1, "9"}, {2, "1.58"}, {3, "5.7"}}, "-.020", -1},  // above the deck
    {8, 0, "3.48", {}, {{1, "9"}, {3, "5.7"}}, "", -1},
    {8, 2, "3.50", {}, {{1, "229.55"}, {2, "39.6"}, {3, "145"}}, ".50", 1},
    {9, 0, "", {{3, 0}}, {{2, ".1"}, {5, "15"}}, "-5.6", -1},
    {9, 0, "", {{6, 3}}, {{2, ".1"}, {4, "3"}, {5, "15"}}, "-5.6", -1},  // input 4 unused
    {9, 0, "", {}, {{1, ""}, {2, ".1"}, {5, "15"}}, "", -1},  // no bore
    {9, 0, "", {}, {{1, "4.03"}, {2, ".1"}, {5, "27"}}, "6.1", 0},
    {9, 0, "", {{6, 1}, {3, 1}}, {{1, "4.03"}, {2, ".5"}, {4, "4"}, {5, "70"}}, "38.5", 0},
    {9, 1, "", {{6, 1}}, {{1, "102.4"}, {2, "12.7"}, {5, "70"}}, "34.6", 1},
    {9, 2, "", {}, {{1, "102.4"}, {2, "2.5"}, {5, "30"}}, "9.4", 1},
    {9, 1, "", {}, {{2, "2.54"}, {5, "15"}}, "-5.6", -1}};  // the bore of the table, in mm
// clang-format on

INSTANTIATE_TEST_SUITE_P(PartsEdgeCasesAndHelpExamples, EngineCalcTest,
                         ::testing::ValuesIn(kEngineCalcs));

TEST_F(EngineCalcTest, DeckNoteNamesTheStrokeAndThePistonTopNamesTheVolume) {
    sheet.UnitSystem = 1;
    Baseline().SetText(kStrokeRow, kColValue, "3.48");
    EditStrip strip;
    CalcMenu deck(sheet, strip, kDeckClearanceCalc), volume(sheet, strip, kDomeVolumeCalc);
    ASSERT_TRUE(deck.Open().ok && volume.Open().ok);
    EXPECT_EQ(deck.NoteText(),
              "This calculation is based on the current            Stroke = 88.39 .  If this is "
              "incorrect, change this spec before using this menu.\r\rEnter a negative (-) Deck "
              "Ht Clearance if the piston goes above the deck at TDC.");
    volume.ListClick(6, 3);
    EXPECT_EQ(volume.Caption() + "|" + volume.Definition().QuantityName,
              "Calc Valve Reliefs CCs|Valve Reliefs CCs");
}

}  // namespace
}  // namespace gyrant
