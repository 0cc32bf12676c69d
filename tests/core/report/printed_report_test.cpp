#include "report/printed_report.h"

#include <gtest/gtest.h>

#include "engine/update_table.h"
#include "files/spec_file.h"
#include "model/setup_tables.h"
#include "support/fake_dialogs.h"
#include "support/program_folder.h"
#include "support/recording_surface.h"

namespace gyrant {
namespace {

using testing::RecordingSurface;

class ReportTest : public ::testing::Test {
protected:
    ReportTest() {
        sheet.ProgramFolder = folder.Path();
        EXPECT_TRUE(SetupTables(sheet).ok);
        sheet.SpecFilePath = (folder / "GyrantFiles" / "V8 Street Car.qrx").string();
        EXPECT_EQ(ReadWriteSpecFile(sheet, true).status, SpecFileStatus::Done);
        Recalculate(sheet);
    }
    ReportResult Print(RecordingSurface& surface, const std::string& comment = "") {
        return PrintReportWithComment(sheet, surface, comment, when);
    }
    bool Printed(const RecordingSurface& surface, const std::string& text) { return !surface.Find(text).empty(); }

    testing::ProgramFolder folder;
    Worksheet sheet;
    testing::FakeDialogs dialogs;
    ReportTime when{"12/6/2026", "9:05:03 am"};
};

TEST_F(ReportTest, HeaderNamesTheProgramTheFileAndTheMoment) {
    RecordingSurface page(1000, 1400);
    EXPECT_EQ(Print(page).end, ReportEnd::Printed);
    EXPECT_TRUE(page.ended);
    EXPECT_EQ(page.texts[0].text, " ");
    auto title = page.Find("Gyrant v1.1");
    ASSERT_EQ(title.size(), 1u);
    EXPECT_EQ(title[0].x, 60);
    EXPECT_EQ(title[0].size, 11);
    EXPECT_EQ(page.Find("Date: 12/6/2026")[0].x, 750);
    EXPECT_TRUE(Printed(page, "File: V8 Street Car.qrx"));
    EXPECT_TRUE(Printed(page, "Time: 9:05:03 am"));
    EXPECT_TRUE(Printed(page, "Calculated Test Results"));
    EXPECT_TRUE(Printed(page, "Page: 1"));
    EXPECT_FALSE(Printed(page, "Report Comment:  "));
    EXPECT_EQ(page.Find("Gyrant File Comments:")[0].size, 9);
    // The printer has no "MSSANS" font; the first Arial is taken.
    EXPECT_EQ(page.Find("Gyrant File Comments:")[0].font, "Arial Narrow");

    sheet.DisplayName = std::string(40, 'n');
    RecordingSurface again(1000, 1400);
    Print(again, "For the customer");
    EXPECT_TRUE(Printed(again, "File: " + std::string(29, 'n')));
    EXPECT_TRUE(Printed(again, "Report Comment:  For the customer"));
}

TEST_F(ReportTest, TablesPrintAsShownWithColumnsInScreenProportions) {
    RecordingSurface page(1000, 1400);
    Print(page);
    // Both vehicles: the Proposed table follows with its improvement column.
    EXPECT_EQ(page.Find("Description").size(), 2u);
    EXPECT_EQ(page.Find("Imprvmnt").size(), 1u);
    EXPECT_EQ(page.Find("Row").size(), 0u);
    EXPECT_NEAR(page.Find("Value")[0].x, 60 + 2160.0 / 11140 * 0.86 * 1000, 1e-9);
    EXPECT_EQ(page.Find("Description")[0].x, 60);
    // A choice cell prints its item only; hidden rows are left out.
    EXPECT_EQ(page.Find("4 Wheel, Rear Drive").size(), 2u);
    EXPECT_EQ(page.Find("Primary Reduction").size(), 0u);
    EXPECT_EQ(page.Find("Steel").size(), 5u);
    for (const auto& line : page.lines) {
        bool vertical = line.x1 == line.x2;
        EXPECT_TRUE(vertical || (line.x1 == 50 && line.x2 == 930)) << line.x1 << " " << line.x2;
    }
}

TEST_F(ReportTest, OneVehiclePrintsOnlyTheBaselineInElevenColumns) {
    sheet.TwoVehicles = 0;
    RecordingSurface page(1000, 1400);
    Print(page);
    EXPECT_EQ(page.Find("Description").size(), 1u);
    EXPECT_TRUE(page.Find("Imprvmnt").empty());
    EXPECT_NEAR(page.Find("Value")[0].x, 60 + 2160.0 / 10060 * 0.86 * 1000, 1e-9);
    EXPECT_EQ(page.Find("% Total").size(), 1u);
}

TEST_F(ReportTest, SpacerRowsPrintAsRuledLines) {
    sheet.TwoVehicles = 0;
    RecordingSurface page(1000, 1400);
    Print(page);
    // Rules above the comments and the table, under the headings, for rows 7 and 19 and to
    // close: six double rules, and the frame's two sides.
    EXPECT_EQ(page.lines.size(), 6u * 2 + 2);
}

TEST_F(ReportTest, ShortCommentLinesShareTheWidthInTwoColumns) {
    sheet.FileComments = "one\r\ntwo\r\nthree\r\n";
    RecordingSurface page(1000, 1400);
    Print(page);
    auto one = page.Find("one")[0], two = page.Find("two")[0], three = page.Find("three")[0];
    EXPECT_EQ(one.y, three.y);
    EXPECT_GT(two.y, one.y);
    EXPECT_EQ(one.x, 70);
    EXPECT_EQ(two.x, 70);
    EXPECT_GT(three.x, 70);

    sheet.FileComments = std::string(60, 'a') + " " + std::string(60, 'b');
    RecordingSurface wide(1000, 1400);
    Print(wide);
    EXPECT_EQ(wide.Find(std::string(60, 'a'))[0].x, 70);
    EXPECT_EQ(wide.Find(std::string(60, 'b'))[0].x, 70);
}

TEST_F(ReportTest, AskingFirstCanStopThePrint) {
    RecordingSurface page(1000, 1400);
    dialogs.inputs = {""};
    EXPECT_EQ(PrintReport(sheet, page, dialogs, when).end, ReportEnd::Cancelled);
    EXPECT_TRUE(page.texts.empty());
    EXPECT_FALSE(page.cancelled);
    EXPECT_EQ(dialogs.inputsAsked[0].title, "Printed Comment");
    EXPECT_EQ(dialogs.inputsAsked[0].defaultText, " ");

    dialogs.inputs = {"   "};
    EXPECT_EQ(PrintReport(sheet, page, dialogs, when).end, ReportEnd::Printed);
    EXPECT_TRUE(page.Find("Report Comment:  ").empty());
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(ReportTest, ALandscapePageAsksAndPrintsWiderWhenTheUserGoesOn) {
    RecordingSurface stopped(1400, 1000);
    dialogs.inputs = {" "};
    dialogs.answers = {Answer::Yes};
    EXPECT_EQ(PrintReport(sheet, stopped, dialogs, when).end, ReportEnd::Cancelled);
    EXPECT_TRUE(stopped.cancelled);
    EXPECT_TRUE(stopped.texts.empty());
    EXPECT_EQ(dialogs.messages[0].title, "Stop Printing ?");
    EXPECT_EQ(dialogs.messages[0].buttons, Buttons::YesNoCancel);

    RecordingSurface landscape(1400, 1000);
    dialogs.inputs = {" "};
    dialogs.answers = {Answer::No};
    EXPECT_EQ(PrintReport(sheet, landscape, dialogs, when).end, ReportEnd::Printed);
    EXPECT_EQ(landscape.Find("Gyrant v1.1")[0].x, 42);
    EXPECT_EQ(landscape.lines[0].x1, 28);
    EXPECT_EQ(landscape.lines[0].x2, 1330);
}

TEST_F(ReportTest, APrinterFailureIsReported) {
    RecordingSurface page(1000, 1400);
    page.failure = "The printer is out of paper.";
    ReportResult result = Print(page);
    EXPECT_EQ(result.end, ReportEnd::Failed);
    EXPECT_EQ(result.message, "The printer is out of paper.");
}

TEST(ChoosePrinterFont, PrefersSansSerifThenArialThenOthers) {
    testing::RecordingSurface page(1000, 1400);
    page.fonts = {"Courier", "MS Sans Serif", "MSSansSerif", "Arial"};
    EXPECT_EQ(ChoosePrinterFont(page), "MSSansSerif");
    page.fonts = {"Times Roman"};
    page.SetFontName("Default");
    EXPECT_EQ(ChoosePrinterFont(page), "Default");
    page.fonts = {"Univers", "Roman"};
    EXPECT_EQ(ChoosePrinterFont(page), "Univers");
}

}  // namespace
}  // namespace gyrant
