#include "calc/calc_menu.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "support/fake_dialogs.h"
#include "support/program_folder.h"

namespace gyrant {
namespace {

using testing::WriteFileBytes;

// Definition files with the inputs each sub-menu's arithmetic reads.
constexpr const char* kFinalDrive =
    "Final Drive\r\nFinal Drive Ratio\r\n10\r\n1\r\n0\r\nN\r\n1\r\nRatio\r\n5\r\n2\r\n1\r\n4\r\nMethod\r\ncmbMethod\r\n"
    "4\r\nRing\r\nChain\r\nPrimary ratio\r\nPrimary teeth\r\nTeeth\r\nPinion\r\n300\r\n5\r\nRing\r\n300\r\n5\r\n"
    "Front\r\n300\r\n5\r\nRear\r\n300\r\n5\r\n";
constexpr const char* kTire =
    "Tire Size\r\nTire Diameter\r\n60\r\n10\r\n0\r\nN\r\n3\r\nDiameter\r\nTread\r\nWeight\r\n9\r\n1\r\n9\r\n0\r\nTire\r\n"
    "cmbMethod\r\n4\r\nMetric\r\nLetter\r\nMeasured\r\nRollout\r\nWidth mm\r\n400\r\n100\r\ncmbLetter\r\n14\r\nA\r\nB\r\n"
    "C\r\nD\r\nE\r\nF\r\nG\r\nH\r\nI\r\nJ\r\nK\r\nL\r\nM\r\nN\r\nAspect\r\n100\r\n20\r\nRim\r\n30\r\n8\r\nDiameter\r\n"
    "60\r\n10\r\nRollout\r\n190\r\n30\r\nTread\r\n40\r\n0\r\ncmbEstimate\r\n2\r\nNo\r\nYes\r\n";
constexpr const char* kWall =
    "Wall\r\nInner Diameter\r\n40\r\n0\r\n0\r\nN\r\n1\r\nI.D.\r\n3\r\n1\r\n3\r\n0\r\nPart\r\ncmbPart\r\n2\r\nSolid\r\n"
    "Tube\r\nO.D.\r\n40\r\n0\r\nWall\r\n10\r\n0\r\n";
constexpr const char* kTransmission =
    "Transmission\r\nTransmission Ratio\r\n7\r\n0.4\r\n0\r\nN\r\n1\r\nRatio\r\n4\r\n1\r\n4\r\n0\r\nBox\r\n"
    "cmbTransmission\r\n1\r\nOwn gears\r\ncmbGear\r\n0\r\nDriving\r\n200\r\n1\r\nDriven\r\n200\r\n1\r\n";

class CalcMenuTest : public ::testing::Test {
protected:
    CalcMenuTest() {
        sheet.ProgramFolder = folder.Path();
        std::filesystem::create_directories(folder / "CALC");
        WriteFileBytes(folder / "CALC/finldrve.CLC", kFinalDrive);
        WriteFileBytes(folder / "CALC/tiredia.CLC", kTire);
        WriteFileBytes(folder / "CALC/WallThck.CLC", kWall);
        WriteFileBytes(folder / "CALC/TransRatio.CLC", kTransmission);
        std::string trans;
        for (int i = 0; i < 34; ++i) trans += "header\r\n";
        trans += "Three speed\r\n3\r\n2.52\r\n1.52\r\n1\r\n0\r\n0\r\n0\r\n";
        WriteFileBytes(folder / "CALC/trans", trans);
    }
    CalcMenu& Open(int kind) {
        menu = std::make_unique<CalcMenu>(sheet, strip, kind);
        EXPECT_TRUE(menu->Open().ok);
        return *menu;
    }
    void Type(int k, const std::string& text) {
        menu->Input(k).text = text;
        EXPECT_FALSE(menu->LeaveInput(k, "")) << k;
    }
    std::string Result(int k = 1) { return menu->Output(k).text; }

    testing::ProgramFolder folder;
    Worksheet sheet;
    EditStrip strip;
    testing::FakeDialogs dialogs;
    std::unique_ptr<CalcMenu> menu;
};

TEST_F(CalcMenuTest, FinalDriveFromTeethInEachMethod) {
    CalcMenu& m = Open(1);
    EXPECT_EQ(Result(), "");
    m.ListClick(1, 0);
    Type(2, "10");
    Type(3, "41");
    EXPECT_EQ(Result(), "4.10");
    EXPECT_FALSE(m.Input(4).enabled);
    m.Input(2).text = "";
    m.Recalculate();
    EXPECT_EQ(Result(), "");
    m.ListClick(1, 3);
    Type(2, "20");
    Type(3, "50");
    Type(4, "15");
    Type(5, "45");
    EXPECT_EQ(Result(), "7.50");
    EXPECT_EQ(m.Input(2).caption, "#Teeth, Engine Primary Gear");
    EXPECT_TRUE(m.UseCalcValue(dialogs));
    EXPECT_EQ(strip.Field(kColValue).text, "7.50");
}

TEST_F(CalcMenuTest, PrimaryReductionAlwaysUsesTheTeethOfItsGears) {
    CalcMenu& m = Open(4);
    EXPECT_EQ(m.Input(1).items, (std::vector<std::string>{"Primary Reduction"}));
    EXPECT_FALSE(m.Input(1).enabled);
    EXPECT_EQ(m.Input(2).caption, "# Teeth, Engine Gear");
    Type(2, "37");
    Type(3, "60");
    EXPECT_EQ(Result(), "1.62");
}

TEST_F(CalcMenuTest, TireDiameterFromAMetricSizeWithTreadAndWeight) {
    CalcMenu& m = Open(2);
    m.ListClick(1, 0);
    Type(2, "225");
    Type(4, "50");
    Type(5, "16");
    EXPECT_EQ(Result(1), "24.9");
    EXPECT_EQ(Result(2), "7.7");
    EXPECT_EQ(Result(3), "");
    m.ListClick(9, 1);
    EXPECT_FALSE(Result(3).empty());
    EXPECT_TRUE(m.UseCalcValue(dialogs));
    EXPECT_EQ(strip.Field(kColOD).text, "24.9");
    EXPECT_EQ(strip.Field(kColWidth).text, "7.7");
    EXPECT_EQ(strip.Field(kColWeight).text, Result(3));
    EXPECT_EQ(strip.Field(kColMaterial).listIndex, 0);
    EXPECT_EQ(strip.Field(kColID).text, "16");
}

TEST_F(CalcMenuTest, TireDiameterFromALetterSizeOrARollout) {
    CalcMenu& m = Open(2);
    m.ListClick(1, 1);
    m.ListClick(3, 5);
    Type(4, "78");
    Type(5, "15");
    EXPECT_EQ(Result(1), "27.2");
    m.ListClick(1, 3);
    Type(7, "80");
    EXPECT_EQ(Result(1), "25.5");
    EXPECT_EQ(Result(2), "");
    EXPECT_FALSE(m.Output(2).enabled);
}

TEST_F(CalcMenuTest, TireMenuStartsFromTheStripAndMeasuresByDefault) {
    strip.Field(kColOD).text = "26";
    strip.Field(kColID).text = "15";
    strip.Field(kColWidth).text = "9";
    CalcMenu& m = Open(2);
    EXPECT_EQ(m.Input(1).listIndex, 2);
    EXPECT_EQ(Result(1), "26.0");
    EXPECT_EQ(Result(2), "9.0");
}

TEST_F(CalcMenuTest, WallThicknessGivesTheInnerDiameterAndCanReplaceTheOuter) {
    strip.Field(kColOD).text = "3.00";
    strip.Field(kColID).text = "2.8";
    CalcMenu& m = Open(6);
    EXPECT_EQ(m.Input(1).listIndex, 1);
    EXPECT_EQ(m.Input(3).text, ".1");
    Type(3, "0.25");
    EXPECT_EQ(Result(), "2.5");
    Type(2, "3.5");
    dialogs.answers = {Answer::No};
    EXPECT_FALSE(m.UseCalcValue(dialogs));
    EXPECT_EQ(strip.Field(kColID).text, "3.");
    EXPECT_EQ(dialogs.messages[0].text, "Do you want the OD you entered here of 3.5 used also, to replace the current OD of 3.00 ?");
    dialogs.answers = {Answer::Yes};
    EXPECT_TRUE(m.UseCalcValue(dialogs));
    EXPECT_EQ(strip.Field(kColOD).text, "3.5");
    m.ListClick(1, 0);
    EXPECT_EQ(Result(), "0");
}

TEST_F(CalcMenuTest, TransmissionRatioFromTheListOrOwnGears) {
    CalcMenu& m = Open(5);
    ASSERT_EQ(m.Input(1).items.size(), 2u);
    m.ListClick(1, 1);
    EXPECT_EQ(m.Input(2).items, (std::vector<std::string>{"1  2.52", "2  1.52", "3  1."}));
    EXPECT_EQ(Result(), "");
    m.ListClick(2, 0);
    EXPECT_EQ(Result(), "2.52");
    m.ListClick(1, 0);
    Type(3, "20");
    Type(4, "45");
    EXPECT_EQ(Result(), "2.25");
    EXPECT_TRUE(m.UseCalcValue(dialogs));
    EXPECT_EQ(strip.Field(kColValue).text, "2.25");
}

TEST_F(CalcMenuTest, VehicleWeightEstimateFromTheShippedData) {
    testing::ProgramFolder shipped;
    sheet.ProgramFolder = shipped.Path();
    CalcMenu& m = Open(3);
    EXPECT_EQ(m.Input(1).items.front(), "2001");
    EXPECT_EQ(m.Input(1).items.back(), "1955");
    EXPECT_EQ(m.NoteText().find("This screen ESTIMATES"), 0u);
    auto choose = [&m](int k, const std::string& item) {
        auto found = std::find(m.Input(k).items.begin(), m.Input(k).items.end(), item);
        ASSERT_NE(found, m.Input(k).items.end()) << item;
        m.ListClick(k, static_cast<int>(found - m.Input(k).items.begin()));
    };
    choose(1, "1966");
    choose(2, "Pontiac");
    choose(3, "GTO");
    ASSERT_FALSE(m.Input(4).items.empty());
    m.ListClick(4, 0);
    m.ListClick(5, 0);
    m.ListClick(6, 0);
    Type(8, "5");
    EXPECT_FALSE(Result().empty());
    EXPECT_NE(m.NoteText().find("match"), std::string::npos);
    EXPECT_TRUE(m.UseCalcValue(dialogs));
    EXPECT_EQ(strip.Field(kColValue).text, Result());
    // Choosing another make clears the later choices.
    choose(2, "Ford");
    EXPECT_EQ(m.Input(3).listIndex, -1);
    EXPECT_EQ(Result(), "");
}

TEST_F(CalcMenuTest, UseCalcValueRefusesNothingAndAsksAboutUnusualResults) {
    CalcMenu& m = Open(1);
    EXPECT_FALSE(m.UseCalcValue(dialogs));
    EXPECT_EQ(dialogs.messages[0].text, "No Final Drive Ratio has been calculated.  No Final Drive Ratio can be used.");
    m.ListClick(1, 0);
    Type(2, "5");
    Type(3, "200");
    dialogs.answers = {Answer::No};
    EXPECT_FALSE(m.UseCalcValue(dialogs));
    EXPECT_EQ(dialogs.messages[1].buttons, Buttons::YesNoCancel);
    EXPECT_EQ(dialogs.messages[1].defaultButton, Answer::No);
    EXPECT_TRUE(dialogs.messages[1].text.starts_with("Calculated Final Drive Ratio is outside normal limit of  1 to  10."));
    Type(2, "20");
    EXPECT_TRUE(m.UseCalcValue(dialogs));
    EXPECT_EQ(strip.Field(kColValue).text, "10.00");
}

TEST_F(CalcMenuTest, NumericInputsAreCheckedAgainstTheirLimits) {
    CalcMenu& m = Open(1);
    m.ListClick(1, 0);
    m.Input(2).text = "abc";
    std::optional<std::string> warning = m.LeaveInput(2, "12");
    ASSERT_TRUE(warning);
    EXPECT_EQ(*warning, "# Teeth, Pinion Gear = 0.  Value must be between  5 and  300 .");
    EXPECT_EQ(m.Input(2).text, "12");
    m.ListClick(1, 2);
    m.Input(2).text = "20";
    EXPECT_EQ(*m.LeaveInput(2, ""), "Primary Gear Ratio = 20.  Value must be between  .25 and  10 .");
}

TEST_F(CalcMenuTest, KindsNoRowOpensAndMissingFilesAreRefused) {
    CalcMenu deck(sheet, strip, 7);
    EXPECT_FALSE(deck.Open().ok);
    std::filesystem::remove(folder / "CALC/tiredia.CLC");
    CalcMenu tire(sheet, strip, 2);
    Outcome opened = tire.Open();
    EXPECT_FALSE(opened.ok);
    EXPECT_NE(opened.message.find("tiredia.CLC"), std::string::npos);
}

}  // namespace
}  // namespace gyrant
