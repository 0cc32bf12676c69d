#include "wizard/ez_build_wizard.h"

#include <gtest/gtest.h>

#include "engine/update_table.h"
#include "support/sheet_fixture.h"

namespace gyrant {
namespace {

using testing::TableText;

class WizardTest : public testing::BlankSheetTest {
  protected:
    void Run() {
        RunEzBuildWizard(sheet, editor, dialogs, [this] { ++progress; });
    }
    const std::string& Cell(int row, int column = kColValue, int table = kBaseline) {
        return sheet.Table(table).Text(row, column);
    }
    std::vector<std::string> Prompts() {
        std::vector<std::string> prompts;
        for (const auto& asked : dialogs.inputsAsked) prompts.push_back(asked.prompt);
        return prompts;
    }
    int progress = 0;
};

// With one vehicle shown the wizard builds the Baseline vehicle, whichever table was clicked
// last, and shows what Refresh would.
TEST_F(WizardTest, BuildsABlankBaselineVehicleCompletely) {
    sheet.view.CurrentTable = kProposed;
    sheet.Table(kProposed).SetText(kEngineDetailsRow, kColValue,
                                   testing::ValueChoice("Yes, do details", 0));
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
    EXPECT_EQ(dialogs.inputsAsked.at(0).title, "EZ Build Wizard");
    EXPECT_EQ(dialogs.inputsAsked[0].defaultText, " ");
    // clang-format off
    const std::pair<int, std::string> cells[] = {
        {kVehicleWeightRow, "3200"}, {kFinalDriveRow, "3.73"}, {kGearRatioRow, "2.52"},
        {kDisplacementRow, "349.97"}, {kCylindersRow, "8"}, {kBoreRow, "4.028"},
        {kStrokeRow, "3.433"}, {kVehicleTypeRow, ComposeChoice("4 Wheel, Rear Drive", 20, 0)},
        {kConverterRow, ComposeChoice("No", 20, 0)},
        {kEngineDetailsRow, ComposeChoice("No, est. perf. eng.", 20, 2)}};
    // clang-format on
    for (const auto& [row, value] : cells) EXPECT_EQ(Cell(row), value) << row;
    EXPECT_EQ(Cell(kRearTireRow, kColOD), "26");
    EXPECT_EQ(Cell(kRearTireRow, kColMaterial), "Tire" + std::string(20, ' ') + "1");
    // No rim diameter was asked for, so the tire is taken as solid to its centre.
    EXPECT_EQ(Cell(kRearTireRow, kColWeight), "14.45");
    EXPECT_EQ(Cell(kVehicleWeightRow, kColValue, kProposed), "");
    std::string baseline = TableText(Baseline()), proposed = TableText(sheet.Table(kProposed));
    Recalculate(sheet);
    EXPECT_EQ(TableText(Baseline()), baseline);
    EXPECT_EQ(TableText(sheet.Table(kProposed)), proposed);
    ASSERT_EQ(dialogs.messages.size(), 3u);
    EXPECT_EQ(dialogs.messages.at(1).text,
              "Would you like to save these Specs to a file (which will give it a name of your "
              "choosing)?");
    EXPECT_EQ(dialogs.messages.at(2).title, "Save Inputs");
    EXPECT_NE(dialogs.messages.at(2).text.find("Click on the 'Keep Change' button to the right"),
              std::string::npos);
    EXPECT_EQ(sheet.view.CurrentRow, kVehicleWeightRow);
    EXPECT_EQ(sheet.file.SpecsChanged, 1);
    EXPECT_GT(progress, 6);
}

// Each vehicle is offered once; a front-drive Baseline is asked for its front tire, offered the
// values its table holds, and keeps the choices filled.
TEST_F(WizardTest, TwoVehiclesAreOfferedOnceEachAndAFrontDriveAsksForTheFrontTire) {
    sheet.document.TwoVehicles = 1;
    testing::SetValues(sheet.Table(kBaseline),
                       {{kVehicleTypeRow, testing::ValueChoice("4 Wheel, Front Drive", 1)},
                        {kFinalDriveRow, "4.1"},
                        {kCylindersRow, "4"},
                        {kEngineDetailsRow, testing::ValueChoice("No, est. race eng.", 3)}});
    dialogs.answers = {Answer::Yes, Answer::No, Answer::Yes, Answer::No, Answer::Ok};
    dialogs.inputs = {"3000", "3.5", "2", "300", "8", "25", "2900", "4.1", "3.3", "122", "24"};
    Run();
    EXPECT_EQ(dialogs.messages.at(1).title, "Build Baseline Vehicle");
    EXPECT_EQ(dialogs.messages.at(2).text,
              "You just started building a Proposed Vehicle.  Do you now want to build a Baseline "
              "Vehicle?");
    EXPECT_EQ(dialogs.messages.at(2).title, "Now Build Baseline Vehicle?");
    EXPECT_EQ(dialogs.messages.size(), 5u);
    EXPECT_EQ(Cell(kVehicleWeightRow, kColValue, kProposed), "3000");
    EXPECT_EQ(Cell(kVehicleWeightRow), "2900");
    EXPECT_EQ(sheet.view.CurrentTable, kBaseline);
    EXPECT_NE(Cell(kVehicleTotalRow, kColImprovement, kProposed), "");
    EXPECT_EQ(dialogs.inputsAsked.at(7).defaultText, "4.1");
    EXPECT_EQ(Prompts().back(), "What is the Diameter of the vehicle's Front Tire?");
    EXPECT_EQ(Cell(kFrontTireRow, kColOD), "24");
    EXPECT_EQ(Cell(kRearTireRow, kColOD), "");
    EXPECT_EQ(Cell(kEngineDetailsRow), testing::ValueChoice("No, est. race eng.", 3));
}

// An empty answer ends the wizard leaving what was entered; an answer outside the row's
// limits is asked again, and a whole-number row rounds it; unsaved changes are offered for
// saving first.
TEST_F(WizardTest, AnswersAreCheckedAndAnEmptyOneEndsTheWizard) {
    float high = sheet.setup.Rows.RowHighLimit[kVehicleWeightRow][0];
    float low = sheet.setup.Rows.RowLowLimit[kVehicleWeightRow][0];
    dialogs.answers = {Answer::Yes, Answer::Yes, Answer::Yes};
    dialogs.inputs = {"", "3000", "3.5", "", "abc", "-5", "1e999", PlainNumber(high), ""};
    Run();
    EXPECT_EQ(sheet.file.SpecsChanged, 0);
    Run();
    EXPECT_EQ(Cell(kFinalDriveRow), "3.5");
    EXPECT_EQ(Cell(kGearRatioRow), "");
    EXPECT_EQ(Cell(kVehicleTotalRow, kColEqWt), "");
    sheet.file.SpecsChanged = 0;
    Run();
    EXPECT_EQ(dialogs.inputsAsked.size(), 9u);
    ASSERT_EQ(dialogs.messages.size(), 6u);
    EXPECT_EQ(dialogs.messages.at(3).text, "Error.  Your entry must be between " +
                                               GeneralFormSingle(low) + " and " +
                                               GeneralFormSingle(high) + ".  Try again.");
    EXPECT_EQ(dialogs.messages.at(3).title, "EZ Build Wizard");
    EXPECT_EQ(Cell(kVehicleWeightRow), PlainNumber(high));
    sheet.setup.Rows.RowHighLimit[kVehicleWeightRow][0] = 16.001f;
    sheet.setup.Rows.RowLowLimit[kVehicleWeightRow][0] = 1;
    dialogs.answers = {Answer::Yes, Answer::No};
    dialogs.inputs = {"7.6", ""};
    Run();
    EXPECT_EQ(Cell(kVehicleWeightRow), "8");
    EXPECT_EQ(dialogs.messages.back().title, "Save Inputs");  // the change is offered for saving
    // A save first whose Save As is cancelled ends the wizard.
    sheet.file.SpecsChanged = 1;
    dialogs = {};
    dialogs.answers = {Answer::Yes, Answer::Yes};
    Run();
    EXPECT_EQ(dialogs.choosersShown.size(), 1u);
    EXPECT_TRUE(dialogs.inputsAsked.empty());
}

}  // namespace
}  // namespace gyrant
