#include <gtest/gtest.h>

#include <algorithm>

#include "calc/calc_layout.h"
#include "calc/calc_menu.h"
#include "help/help_pages.h"
#include "model/spec_rows.h"
#include "support/sheet_fixture.h"

namespace gyrant {
namespace {

class CalcMenuTest : public testing::BlankSheetTest {
  protected:
    CalcMenu& Open(int kind) {
        menu = std::make_unique<CalcMenu>(sheet, strip, kind);
        EXPECT_TRUE(menu->Open().ok);
        return *menu;
    }
    // Each text typed into its input, which then loses the focus.
    void Type(const std::vector<std::pair<int, const char*>>& typed) {
        for (auto [k, text] : typed) {
            menu->Input(k).text = text;
            EXPECT_FALSE(menu->LeaveInput(k, "")) << k;
        }
    }
    std::string Result(int k = 1) { return menu->Output(k).text; }

    EditStrip& strip = editor.Strip();
    std::unique_ptr<CalcMenu> menu;
};

// The sub-menus by kind, as the cases are named and printed.
const char* const kKindNames[] = {
    "",     "FinalDrive", "TireSize",   "Weight",        "Primary",
    "Gear", "Wall",       "DeckHeight", "DeckClearance", "DomeVolume"};

struct Calculation {
    int kind;
    std::vector<std::pair<int, int>> choices;        // list, entry
    std::vector<std::pair<int, const char*>> typed;  // input, text
    const char* result;
    // The engine sub-menus read the table's Stroke (and a Bore of 4.00) in the sheet's unit
    // system; a help page of the kind's topic (0 or 1) gives the same result as a worked example.
    int unitSystem = 0;
    const char* stroke = "";
    int helpPage = -1;
    friend void PrintTo(const Calculation& c, std::ostream* os) {
        *os << kKindNames[c.kind] << " gives \"" << c.result << '"';
    }
};

class CalculationTest : public CalcMenuTest, public ::testing::WithParamInterface<Calculation> {};

TEST_P(CalculationTest, GivesTheResultOfItsMethodAndTheEngineKindsWriteNothingBack) {
    const Calculation& c = GetParam();
    sheet.setup.UnitSystem = c.unitSystem;
    testing::SetValues(Baseline(), {{kStrokeRow, c.stroke}, {kBoreRow, "4.00"}});
    Open(c.kind);
    for (auto [k, index] : c.choices) menu->ListClick(k, index);
    Type(c.typed);
    EXPECT_EQ(Result(), c.result);
    // A result that fills the strip is enabled exactly when there is one.
    EXPECT_TRUE(c.kind >= kDeckHeightCalc || menu->Output(1).enabled == !Result().empty());
    if (c.kind < kDeckHeightCalc) return;
    EXPECT_FALSE(menu->UseCalcValue(dialogs));
    EXPECT_EQ(strip.Field(kColValue).text, "");
    if (c.helpPage < 0) return;
    HelpPages help(sheet.setup.ProgramFolder, c.kind * 100);
    if (c.helpPage == 1) help.Next();
    EXPECT_NE(help.Text().find(std::string("shows ") + c.result + " "), std::string::npos);
}

// The final drive's methods get the same teeth and ratio, so that a method using another's
// formula shows: ring/pinion, rear/front sprocket, primary ratio x sprockets, primary teeth x
// sprockets.
const std::vector<std::pair<int, const char*>> kTeeth = {
    {2, "10"}, {3, "30"}, {4, "14"}, {5, "35"}};
constexpr int kDeck = kDeckHeightCalc, kClearance = kDeckClearanceCalc, kDome = kDomeVolumeCalc;

// clang-format off
const Calculation kCalculations[] = {
    {kFinalDriveCalc, {}, {}, ""}, {kFinalDriveCalc, {{1, 0}}, {{2, "10"}}, ""},
    {kFinalDriveCalc, {{1, 0}}, kTeeth, "3.00"}, {kFinalDriveCalc, {{1, 1}}, kTeeth, "2.50"},
    {kFinalDriveCalc, {{1, 0}}, {{2, "10"}, {3, "30"}, {3, ""}}, ""},  // an input emptied
    {kFinalDriveCalc, {{1, 2}}, kTeeth, "25.00"}, {kFinalDriveCalc, {{1, 3}}, kTeeth, "7.50"},
    {kPrimaryReductionCalc, {}, {{2, "37"}, {3, "60"}}, "1.62"},
    {kTireSizeCalc, {{1, 0}}, {{2, "225"}, {4, "50"}, {5, "16"}}, "24.9"},
    {kTireSizeCalc, {{1, 1}, {3, 5}}, {{4, "78"}, {5, "15"}}, "27.2"},
    {kTireSizeCalc, {{1, 3}}, {{7, "80"}}, "25.5"},
    {kTireSizeCalc, {{1, 3}}, {{7, "80"}, {7, ""}}, ""},
    {kTransmissionCalc, {{1, 3}}, {}, ""}, {kTransmissionCalc, {{1, 3}, {2, 0}}, {}, "2.52"},
    {kTransmissionCalc, {{1, 0}}, {{3, "20"}, {4, "45"}}, "2.25"},
    {kTransmissionCalc, {{1, 0}}, {{3, "20"}, {4, "45"}, {4, ""}}, ""},
    {kWallThicknessCalc, {{1, 1}}, {{2, "3"}, {3, ".25"}, {3, ""}}, ""},
    {kDeck, {}, {{1, "5.7"}, {2, "1.56"}, {3, ".025"}}, "9.025", 0, "3.48", 0},
    {kDeck, {}, {{1, "5.7"}, {2, "1.56"}}, "9.000", 0, "3.48"},  // a zero deck
    {kDeck, {}, {{2, "1.56"}, {3, ".025"}}, "", 0, "3.48"},
    {kDeck, {}, {{1, "145"}, {2, "39.6"}, {3, ".5"}}, "229.55", 1, "3.50", 1},
    {kClearance, {}, {{1, "9.025"}, {2, "1.56"}, {3, "5.7"}}, ".025", 0, "3.48", 0},
    {kClearance, {}, {{1, "9"}, {2, "1.58"}, {3, "5.7"}}, "-.020", 0, "3.48"},  // above the deck
    {kClearance, {}, {{1, "9"}, {3, "5.7"}}, "", 0, "3.48"},
    {kClearance, {}, {{1, "229.55"}, {2, "39.6"}, {3, "145"}}, ".50", 2, "3.50", 1},
    {kDome, {{3, 0}}, {{2, ".1"}, {5, "15"}}, "-5.6"},
    {kDome, {{6, 3}}, {{2, ".1"}, {4, "3"}, {5, "15"}}, "-5.6"},  // input 4 unused
    {kDome, {}, {{1, ""}, {2, ".1"}, {5, "15"}}, ""},  // no bore
    {kDome, {}, {{1, "4.03"}, {2, ".1"}, {5, "27"}}, "6.1", 0, "", 0},
    {kDome, {{6, 1}, {3, 1}}, {{1, "4.03"}, {2, ".5"}, {4, "4"}, {5, "70"}}, "38.5", 0, "", 0},
    {kDome, {{6, 1}}, {{1, "102.4"}, {2, "12.7"}, {5, "70"}}, "34.6", 1, "", 1},
    {kDome, {}, {{1, "102.4"}, {2, "2.5"}, {5, "30"}}, "9.4", 2, "", 1},
    {kDome, {}, {{2, "2.54"}, {5, "15"}}, "-5.6", 1}};  // the bore of the table, in mm
// clang-format on

// Named by the sub-menu and the case's place in the table, "TireSize_9".
INSTANTIATE_TEST_SUITE_P(EveryMethodEdgeCaseAndHelpExample, CalculationTest,
                         ::testing::ValuesIn(kCalculations), [](const auto& test) {
                             return kKindNames[test.param.kind] +
                                    ("_" + std::to_string(test.index));
                         });

TEST(PrintFooter, NamesTheProgramTheFileMidnightAsTwelveAmAndTheComment) {
    std::tm t{};
    t.tm_min = 5, t.tm_mday = 9, t.tm_mon = 2, t.tm_year = 107;
    EXPECT_EQ(PrintFooter("", t, "x"), "Vevizadu Gyrant v1.1\rFile:           3/9/07 12:05 am\rx");
}

TEST_F(CalcMenuTest, TireSizeStartsFromTheStripAndWritesDiameterTreadWeightAndRim) {
    strip.Field(kColOD).text = "26";
    strip.Field(kColWidth).text = "9";
    CalcMenu& m = Open(kTireSizeCalc);
    EXPECT_EQ(m.Input(1).listIndex, 2);  // measured, by default
    EXPECT_EQ(Result(1), "26.0");
    EXPECT_EQ(Result(2), "9.0");
    m.ListClick(1, 0);
    Type({{2, "225"}, {4, "50"}, {5, "16"}});
    EXPECT_EQ(Result(2), "7.7");
    EXPECT_EQ(Result(3), "");
    m.ListClick(9, 1);
    // 225/50R16 stands 24.86 in, its tread 7.70 in wide; walls .473 in thick (.1 + .015 x 24.86)
    // hold 268.8 cu in, the tread band less them 244.6 cu in: 513.4 cu in at .03 lb each.
    EXPECT_EQ(Result(3), "15.40");
    ASSERT_TRUE(m.UseCalcValue(dialogs));
    EXPECT_EQ(strip.Field(kColWeight).text, Result(3));
    EXPECT_EQ(strip.Field(kColMaterial).listIndex, 0);
    EXPECT_EQ(strip.Field(kColID).text, "16");
    m.ListClick(1, 2);  // measured: the weight needs the rim; without a tread the Width stays
    Type({{5, ""}});
    EXPECT_FALSE(m.Output(3).enabled);
    Type({{8, ""}});
    EXPECT_TRUE(m.UseCalcValue(dialogs));
    EXPECT_EQ(strip.Field(kColWidth).text, "7.7");
}

TEST_F(CalcMenuTest, WallThicknessGivesTheInnerDiameterAndCanReplaceTheOuter) {
    strip.Field(kColOD).text = "3.00";
    strip.Field(kColID).text = "2.8";
    CalcMenu& m = Open(kWallThicknessCalc);
    EXPECT_EQ(m.Input(3).text, ".1");
    Type({{3, "0.25"}, {2, "3.5"}});
    dialogs.answers = {Answer::No, Answer::Yes};
    EXPECT_FALSE(m.UseCalcValue(dialogs));
    EXPECT_EQ(strip.Field(kColID).text, "3.");
    EXPECT_EQ(dialogs.messages.at(0).text,
              "Do you want the OD you entered here of 3.5 used also, to replace the current OD of "
              "3.00 ?");
    EXPECT_TRUE(m.UseCalcValue(dialogs));
    EXPECT_EQ(strip.Field(kColOD).text, "3.5");
    m.ListClick(1, 0);
    EXPECT_EQ(Result(), "0");
}

TEST_F(CalcMenuTest, VehicleWeightEstimateFromTheShippedData) {
    CalcMenu& m = Open(kVehicleWeightCalc);
    EXPECT_EQ(m.Input(1).items.front(), "2001");
    EXPECT_EQ(m.Input(1).items.back(), "1955");
    EXPECT_EQ(m.NoteText().find("This screen ESTIMATES"), 0u);
    auto choose = [&m](int k, const std::string& item) {
        auto found = std::find(m.Input(k).items.begin(), m.Input(k).items.end(), item);
        ASSERT_NE(found, m.Input(k).items.end()) << item;
        m.ListClick(k, static_cast<int>(found - m.Input(k).items.begin()));
    };
    for (auto [k, item] : {std::pair{1, "1971"}, {2, "Chevrolet"}, {3, "Camaro"}, {4, "Z28"}})
        choose(k, item);
    m.ListClick(5, 1);
    m.ListClick(6, 0);
    Type({{8, "5"}});
    // The Z28 of 1970 and 1972 was offered with an automatic: 3345 + 40 lb.
    EXPECT_EQ(Result(), "3390");
    EXPECT_EQ(m.NoteText(), "A good match was found.");
    EXPECT_TRUE(m.UseCalcValue(dialogs));
    EXPECT_EQ(strip.Field(kColValue).text, "3390");
    choose(2, "Ford");  // clears the later choices
    EXPECT_EQ(m.Input(3).listIndex, -1);
    EXPECT_EQ(Result(), "");
}

TEST_F(CalcMenuTest, InputsAreCheckedAndUseCalcValueRefusesNothingAnotherRowAndTheUnusual) {
    EXPECT_FALSE(CalcMenu(sheet, strip, kDomeVolumeCalc + 1).Open().ok);  // no such sub-menu
    editor.TableClick(kBaseline, kFinalDriveRow);
    CalcMenu& m = Open(kFinalDriveCalc);
    EXPECT_FALSE(m.UseCalcValue(dialogs));
    EXPECT_EQ(dialogs.messages.at(0).text,
              "No Final Drive Ratio has been calculated.  No Final Drive Ratio can be used.");
    m.ListClick(1, 0);
    m.Input(2).text = "abc";
    EXPECT_EQ(m.LeaveInput(2, "5").value(),
              "# Teeth, Pinion Gear = 0.  Value must be between  5 and  300 .");
    EXPECT_EQ(m.Input(2).text, "5");
    Type({{3, "200"}});
    dialogs.answers = {Answer::No};
    EXPECT_FALSE(m.UseCalcValue(dialogs));
    EXPECT_EQ(dialogs.messages.at(1).buttons, Buttons::YesNoCancel);
    EXPECT_TRUE(dialogs.messages[1].text.starts_with(
        "Calculated Final Drive Ratio is outside normal limit of  1 to  10."));
    Type({{2, "20"}});
    EXPECT_TRUE(m.UseCalcValue(dialogs));
    EXPECT_EQ(strip.Field(kColValue).text, "10.00");
    editor.TableClick(kBaseline, kFinalDriveRow);  // loaded again, still the menu's row
    EXPECT_TRUE(m.StripShowsItsRow());
    editor.TableClick(kProposed, kFinalDriveRow);  // the same row of the other table is not
    EXPECT_TRUE(m.UseCalcValue(dialogs));
    EXPECT_EQ(strip.Field(kColValue).text, "");
    m.ListClick(1, 2);
    m.Input(2).text = "20";
    EXPECT_EQ(m.LeaveInput(2, "").value(),
              "Primary Gear Ratio = 20.  Value must be between  .25 and  10 .");
}

TEST_F(CalcMenuTest, DeckNoteNamesTheStrokeAndThePistonTopNamesTheVolume) {
    sheet.setup.UnitSystem = 1;
    Baseline().SetText(kStrokeRow, kColValue, "3.48");
    EXPECT_EQ(Open(kDeckClearanceCalc).NoteText(),
              "This calculation is based on the current            Stroke = 88.39 .  If this is "
              "incorrect, change this spec before using this menu.\r\rEnter a negative (-) Deck "
              "Ht Clearance if the piston goes above the deck at TDC.");
    Open(kDomeVolumeCalc).ListClick(6, 3);
    EXPECT_EQ(menu->Caption(), "Calc Valve Reliefs CCs");
    EXPECT_EQ(menu->Definition().QuantityName, "Valve Reliefs CCs");
}

TEST_F(CalcMenuTest, TransmissionsListUpTo301WithTheGearsThatExist) {
    std::string text;
    for (int i = 0; i < 34; ++i) text += "header\r\n";
    for (int i = 0; i < 310; ++i) text += "Box\r\n4\r\n2.48, 1.48, 1, 0.75\r\n0\r\n0\r\n";
    testing::WriteFileBytes(folder / "trans", text);
    TransmissionsRead read = LoadTrans(folder / "trans");
    ASSERT_EQ(read.transmissions.size(), 301u);
    EXPECT_EQ(GearEntries(read.transmissions[300]),
              (std::vector<std::string>{"1  2.48", "2  1.48", "3  1.", "4  .75"}));
}

// Records of one make and attribute over the years; the last 1970 record weighs more than any
// vehicle and is left out. An automatic of each year, a convertible or not: 1969 lies between the
// first 1968 record and 1970; for 1971 of the newer 1972 matches (the Camaro and the longer
// "Camaro RS") the last one counts: 3100 + (3290 - 3100) / 2 + 60. A make in another letter case
// is no match.
TEST_F(CalcMenuTest, VehicleWeightsCascadeAndInterpolateWithoutTheNotOfferedMarker) {
    std::string text;
    for (int i = 0; i < 8; ++i) text += "header\r\n";
    for (const char* record :
         {"68|Chevrolet|Camaro|V8 350|3000|50|100|", "68|Chevrolet|Camaro|V8 350|3010|50|100|",
          "70|Chevrolet|Camaro|V8 350|3100|60|-1|", "70|Chevrolet|Camaro|V8 350|1e300|60|-1|",
          "72|Chevrolet|Camaro|V8 350|3205|-1|-1|", "72|Chevrolet|Camaro RS|V8 350|3290|-1|-1|"})
        for (const char* c = record; *c; ++c)
            text += *c == '|' ? std::string("\r\n") : std::string(1, *c);
    testing::WriteFileBytes(folder / "vehweight.txt", text + "70\r\nChevrolet\r\n");
    std::vector<VehicleRecord> records = ReadVehWeights(folder / "vehweight.txt").records;
    ASSERT_EQ(records.size(), 5u);
    EXPECT_EQ(VehicleModels(records, "Chevrolet"),
              (std::vector<std::string>{"Camaro", "Camaro RS"}));
    EXPECT_EQ(VehicleAttributes(records, "Camaro RS"), (std::vector<std::string>{"V8 350"}));
    const std::tuple<int, const char*, bool, const char*, const char*> estimates[] = {
        {1970, "Chevrolet", false, "3160", "A good match was found."},
        {1969, "Chevrolet", false, "3110", "A good match was found."},
        {1971, "Chevrolet", true, "3260",
         "A relatively good match was found.  Note: This vehicle may not have been available with "
         "an automatic.  This vehicle probably was not available as a convertible."},
        {1960, "Chevrolet", false, "3060",
         "Estimated weight is based on the closest match found:  1968 Chevrolet Camaro V8 350"},
        {1980, "Chevrolet", true, "3210",
         "Estimated weight is based on the closest match found:  1972 Chevrolet Camaro V8 350  "
         "Note: This vehicle probably was not available with an automatic.  This vehicle probably "
         "was not available as a convertible."},
        {1970, "chevrolet", false, "", "No close match was found."}};
    for (const auto& [year, make, convertible, weight, note] : estimates) {
        SCOPED_TRACE(std::to_string(year) + " " + make);
        WeightEstimate estimate = EstimateVehicleWeight(
            records, {year, make, "Camaro", "V8 350", true, convertible, 0, 5});
        EXPECT_EQ(estimate.weight, weight);
        EXPECT_EQ(estimate.note, note);
    }
}

// Each sub-menu opens in both unit systems; in the first its controls lie within the window,
// above the buttons, each input inside its group. Every shipped transmission has gears.
TEST_F(CalcMenuTest, ShippedMenusOpenAndLayOutWithoutOverlapAndTheTransmissionsAreThere) {
    for (int kind = kFinalDriveCalc; kind <= kWallThicknessCalc; ++kind) {
        SCOPED_TRACE(kKindNames[kind]);
        MenuDefinition d;
        for (int units : {1, 0}) {
            MenuDefinitionRead read =
                ReadMenuDefinition(MenuDefinitionPath(folder.Path(), kind, units));
            EXPECT_TRUE(read.outcome.ok) << read.outcome.message;
            d = read.definition;
            EXPECT_FALSE(d.inputs.empty());
            EXPECT_EQ(static_cast<int>(d.inputs.size()), d.lowestInput);
        }
        CalcLayout layout = LayOutCalcMenu(d, kind);
        std::vector<TwipsRect> placed;
        for (std::size_t i = 1; i <= d.outputs.size(); ++i)
            placed.insert(placed.end(), {layout.outputCaptions[i], layout.outputValues[i]});
        for (std::size_t i = 1; i <= d.inputs.size(); ++i) {
            placed.insert(placed.end(), {layout.inputCaptions[i], layout.inputFields[i]});
            const TwipsRect& group = layout.groups[static_cast<std::size_t>(d.inputs[i - 1].group)];
            EXPECT_GT(layout.inputFields[i].top, group.top);
            EXPECT_LT(layout.inputFields[i].Bottom(), group.Bottom());
        }
        if (layout.note.height > 0) placed.push_back(layout.note);
        for (std::size_t a = 0; a < placed.size(); ++a) {
            EXPECT_LE(placed[a].Right(), layout.width) << a;
            EXPECT_LT(placed[a].Bottom(), layout.buttonsTop) << a;
            for (std::size_t b = a + 1; b < placed.size(); ++b)
                EXPECT_FALSE(placed[a].Overlaps(placed[b])) << a << " and " << b;
        }
        EXPECT_GT(layout.height, layout.buttonsTop);
    }
    std::vector<Transmission> transmissions = LoadTrans(folder / "CALC" / "trans").transmissions;
    EXPECT_GE(transmissions.size(), 40u);
    for (const Transmission& t : transmissions) EXPECT_GT(t.ratios[0], 0) << t.name;
}

}  // namespace
}  // namespace gyrant
