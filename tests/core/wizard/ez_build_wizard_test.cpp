#include "wizard/ez_build_wizard.h"

#include <gtest/gtest.h>

#include "engine/update_table.h"
#include "model/setup_tables.h"
#include "support/fake_dialogs.h"
#include "support/program_folder.h"
#include "support/worksheet_builder.h"

namespace gyrant {
namespace {

class WizardTest : public ::testing::Test {
  protected:
    WizardTest() {
        sheet.ProgramFolder = folder.Path();
        EXPECT_TRUE(SetupTables(sheet).ok);
    }
    void Run() {
        RunEzBuildWizard(sheet, editor, dialogs, [this] { ++progress; });
    }
    const std::string& Cell(int row, int column, int table = kBaseline) {
        return sheet.Table(table).Text(row, column);
    }
    // Every cell and row height of both tables.
    std::vector<std::string> Snapshot() {
        std::vector<std::string> cells;
        for (int table : {kBaseline, kProposed})
            for (int row = 1; row <= 31; ++row) {
                cells.push_back(std::to_string(sheet.Table(table).RowHeight(row)));
                for (int column = 0; column < sheet.Table(table).ColumnCount(); ++column)
                    cells.push_back(Cell(row, column, table));
            }
        return cells;
    }
    std::vector<std::string> Prompts() {
        std::vector<std::string> prompts;
        for (const auto& asked : dialogs.inputsAsked) prompts.push_back(asked.prompt);
        return prompts;
    }

    testing::ProgramFolder folder;
    Worksheet sheet;
    testing::FakeDialogs dialogs;
    RowEditor editor{sheet, dialogs};
    int progress = 0;
};

// With one vehicle shown the wizard builds the Baseline vehicle, whichever table was clicked
// last, and shows what Refresh would.
TEST_F(WizardTest, BuildsABlankBaselineVehicleCompletely) {
    sheet.CurrentTable = kProposed;
    sheet.Table(kProposed).SetText(12, kColValue, testing::ValueChoice("Yes, do details", 0));
    dialogs.answers = {Answer::Yes, Answer::No, Answer::Ok};
    dialogs.inputs = {"3200", "3.730", "2.52 first", "350", "8", "26"};
    Run();
    EXPECT_EQ(Prompts(), (std::vector<std::string>{
                             "What is the Vehicle's Weight?",
                             "What is the Vehicle's Final Drive Ratio (rear axle ratio)?",
                             "What is the ratio for the Transmission Ratio you want to analyze?",
                             "What is the Cubic Inches of the Engine?",
                             "How many cylinders are in this engine (1-16)?",
                             "What is the Diameter of the vehicle's Rear Tire?"}));
    EXPECT_EQ(dialogs.inputsAsked[0].title, "EZ Build Wizard");
    EXPECT_EQ(dialogs.inputsAsked[0].defaultText, " ");
    for (auto [row, value] : {std::pair{1, "3200"},
                              {3, "3.73"},
                              {4, "2.52"},
                              {8, "349.97"},
                              {9, "8"},
                              {10, "4.028"},
                              {11, "3.433"}})
        EXPECT_EQ(Cell(row, kColValue), value) << row;
    for (auto [row, item, position] :
         {std::tuple{2, "4 Wheel, Rear Drive", 0}, {6, "No", 0}, {12, "No, est. perf. eng.", 2}})
        EXPECT_EQ(Cell(row, kColValue), ComposeChoice(item, 20, position)) << row;
    EXPECT_EQ(Cell(27, kColOD), "26");
    EXPECT_EQ(Cell(27, kColMaterial), "Tire" + std::string(20, ' ') + "1");
    // No rim diameter was asked for, so the tire is taken as solid to its centre.
    EXPECT_EQ(Cell(27, kColWeight), "14.45");
    EXPECT_EQ(Cell(1, kColValue, kProposed), "");
    std::vector<std::string> built = Snapshot();
    Recalculate(sheet);
    EXPECT_EQ(built, Snapshot());
    ASSERT_EQ(dialogs.messages.size(), 3u);
    EXPECT_EQ(dialogs.messages[1].text,
              "Would you like to save these Specs to a file (which will give it a name of your "
              "choosing)?");
    EXPECT_EQ(dialogs.messages[2].title, "Save Inputs");
    EXPECT_NE(dialogs.messages[2].text.find("Click on the 'Keep Change' button to the right"),
              std::string::npos);
    EXPECT_EQ(sheet.CurrentRow, 1);
    EXPECT_EQ(sheet.SpecsChanged, 1);
    EXPECT_GT(progress, 6);
}

TEST_F(WizardTest, FrontDriveAsksForTheFrontTireAndKeepsFilledChoices) {
    testing::SetVehicleType(sheet.Table(kBaseline), "4 Wheel, Front Drive", 1);
    sheet.Table(kBaseline).SetText(12, kColValue, testing::ValueChoice("No, est. race eng.", 3));
    sheet.Table(kBaseline).SetText(9, kColValue, "4");
    sheet.Table(kBaseline).SetText(3, kColValue, "4.1");
    dialogs.answers = {Answer::Yes, Answer::No, Answer::Ok};
    dialogs.inputs = {"2600", "4.1", "3.3", "122", "24"};
    Run();
    EXPECT_EQ(dialogs.inputsAsked[1].defaultText, "4.1");
    EXPECT_EQ(dialogs.inputsAsked.back().prompt,
              "What is the Diameter of the vehicle's Front Tire?");
    EXPECT_EQ(Cell(24, kColOD), "24");
    EXPECT_EQ(Cell(27, kColOD), "");
    EXPECT_EQ(Cell(2, kColValue), testing::ValueChoice("4 Wheel, Front Drive", 1));
    EXPECT_EQ(Cell(12, kColValue), testing::ValueChoice("No, est. race eng.", 3));
}

TEST_F(WizardTest, TwoVehiclesAreOfferedOnceEach) {
    sheet.TwoVehicles = 1;
    dialogs.answers = {Answer::Yes, Answer::No, Answer::Yes, Answer::No, Answer::Ok};
    dialogs.inputs = {"3000", "3.5", "2", "300", "8", "25", "2900", "3.5", "2", "300", "8", "25"};
    Run();
    EXPECT_EQ(dialogs.messages[1].title, "Build Baseline Vehicle");
    EXPECT_EQ(dialogs.messages[2].text,
              "You just started building a Proposed Vehicle.  Do you now want to build a Baseline "
              "Vehicle?");
    EXPECT_EQ(dialogs.messages[2].title, "Now Build Baseline Vehicle?");
    EXPECT_EQ(dialogs.messages[3].title, "Save Inputs");
    EXPECT_EQ(dialogs.messages.size(), 5u);
    EXPECT_EQ(Cell(1, kColValue, kProposed), "3000");
    EXPECT_EQ(Cell(1, kColValue, kBaseline), "2900");
    EXPECT_EQ(sheet.CurrentTable, kBaseline);
    EXPECT_EQ(Cell(31, kColImprovement, kProposed),
              FormatPicture(100 * (1 - NumericValue(Cell(31, kColEqWt, kProposed)) /
                                           NumericValue(Cell(31, kColEqWt))),
                            "#####0.##"));
}

TEST_F(WizardTest, AnEmptyAnswerEndsTheWizardLeavingWhatWasEntered) {
    dialogs.answers = {Answer::Yes};
    dialogs.inputs = {""};
    Run();
    for (int row = 1; row <= 31; ++row)
        EXPECT_EQ(Cell(row, kColValue), row == 8 ? Cell(8, kColValue) : "") << row;
    EXPECT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(sheet.SpecsChanged, 0);

    dialogs.answers = {Answer::Yes};
    dialogs.inputs = {"3000", "3.5", ""};
    Run();
    EXPECT_EQ(Cell(1, kColValue), "3000");
    EXPECT_EQ(Cell(3, kColValue), "3.5");
    EXPECT_EQ(Cell(4, kColValue), "");
    EXPECT_EQ(Cell(31, kColEqWt), "");
}

TEST_F(WizardTest, AnswersOutsideTheLimitsAreAskedAgain) {
    float high = sheet.Rows.RowHighLimit[1][0];
    float low = sheet.Rows.RowLowLimit[1][0];
    dialogs.answers = {Answer::Yes};
    dialogs.inputs = {"abc", "  ", "-5", "1e999", "99999999", PlainNumber(high), ""};
    Run();
    EXPECT_EQ(dialogs.inputsAsked.size(), 7u);
    ASSERT_EQ(dialogs.messages.size(), 6u);
    EXPECT_EQ(dialogs.messages[1].text, "Error.  Your entry must be between " +
                                            GeneralFormSingle(low) + " and " +
                                            GeneralFormSingle(high) + ".  Try again.");
    EXPECT_EQ(dialogs.messages[1].title, "EZ Build Wizard");
    EXPECT_EQ(dialogs.inputsAsked[5].defaultText, " ");
    EXPECT_EQ(Cell(1, kColValue), PlainNumber(high));
}

TEST_F(WizardTest, WholeNumberRowsRoundTheAnswer) {
    sheet.Rows.RowHighLimit[1][0] = 16.001f;
    sheet.Rows.RowLowLimit[1][0] = 1;
    dialogs.answers = {Answer::Yes};
    dialogs.inputs = {"7.6", "1", ""};
    Run();
    EXPECT_EQ(Cell(1, kColValue), "8");
}

TEST_F(WizardTest, UnsavedChangesAreOfferedForSavingFirst) {
    sheet.SpecsChanged = 1;
    dialogs.answers = {Answer::Yes, Answer::Cancel};
    Run();
    EXPECT_EQ(dialogs.messages.back().title, "Save Inputs");
    EXPECT_TRUE(dialogs.inputsAsked.empty());
}

}  // namespace
}  // namespace gyrant
