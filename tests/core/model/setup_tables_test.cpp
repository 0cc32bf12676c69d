#include "model/setup_tables.h"

#include <gtest/gtest.h>

#include "support/program_folder.h"

namespace gyrant {
namespace {

TEST(RowDefinitions, ShippedFileDescribesEveryRowWithItsKindAndSubMenu) {
    testing::ProgramFolder folder;
    RowDefinitionsRead read = ReadRowDefinitions(folder / "GyrantTEXT/helpi.txt");
    ASSERT_TRUE(read.outcome.ok) << read.outcome.message;
    const RowDefinitions& rows = read.definitions;
    // Rows 1 to 31; the spacers 7 and 19 and the totals have no kind.
    const std::string kinds = "12111211111210001110000000000";
    const std::string calcKinds = "3015400000000000000660026026000";
    for (int row = 1; row <= 31; ++row) {
        if (row <= 29 && row != 7 && row != 19)
            EXPECT_EQ(rows.RowKind[row], kinds[row - 1] - '0') << row;
        EXPECT_EQ(rows.RowCalcKind[row], calcKinds[row - 1] - '0') << "row " << row;
        EXPECT_EQ(rows.RowDescription[row].empty(), row == 7 || row == 19) << "row " << row;
        for (int k = 0; k < kLimitInputs; ++k)
            EXPECT_LE(rows.RowLowLimit[row][k], rows.RowHighLimit[row][k]) << "row " << row;
    }
    EXPECT_EQ(rows.RowHighLimit[9][0], 16.001f);
    EXPECT_EQ(rows.RowLowLimit[9][0], 1.0f);
}

TEST(SetupTables, FillsHeadingsRowNumbersAndDescriptionsAndLeavesCellsAlone) {
    testing::ProgramFolder folder;
    // The data folder is found whatever its letter case.
    std::filesystem::rename(folder / "GyrantTEXT", folder / "gyranttext");
    std::filesystem::rename(folder / "gyranttext/helpi.txt", folder / "gyranttext/HELPI.TXT");
    Worksheet sheet;
    sheet.ProgramFolder = folder.Path();
    sheet.Table(kProposed).SetText(3, kColValue, "3.73");
    sheet.SpecsChanged = 1;
    ASSERT_TRUE(SetupTables(sheet).ok);
    ASSERT_TRUE(SetupTables(sheet).ok);
    const SpecTable& proposed = sheet.Table(kProposed);
    EXPECT_EQ(sheet.Table(kBaseline).Text(0, kColEqWt) + "|" + proposed.Text(0, kColImprovement) +
                  "|" + proposed.Text(31, kColRow) + "|" + proposed.Text(3, kColValue),
              "Eq. Wt|Imprvmnt|31|3.73");
    EXPECT_EQ(proposed.Text(1, kColDescription), sheet.Rows.RowDescription[1]);
    EXPECT_EQ(proposed.RowHeight(7), kSpacerRowHeight);
    EXPECT_EQ(proposed.RowHeight(8), kShownRowHeight);
    EXPECT_EQ(sheet.SpecsChanged, 1);
    EXPECT_EQ(sheet.DisplayName, "Untitled");
}

TEST(SetupTables, AMissingRowDefinitionFileIsReportedAsMissing) {
    testing::ProgramFolder folder;
    Worksheet sheet;
    sheet.ProgramFolder = folder.Path();
    std::filesystem::remove(folder / "GyrantTEXT/helpi.txt");
    EXPECT_EQ(SetupTables(sheet).message, "The row definition file " +
                                              (folder / "GyrantTEXT/helpi.txt").string() +
                                              " is missing or can not be read.");
}

}  // namespace
}  // namespace gyrant
