#include <gtest/gtest.h>

#include "files/program_places.h"
#include "support/program_folder.h"

namespace gyrant {
namespace {

TEST(SetupTables, DescribesEveryRowFillsHeadingsAndDescriptionsAndLeavesCellsAlone) {
    testing::ProgramFolder folder;
    // The data folder is found whatever its letter case.
    std::filesystem::rename(folder / "GyrantTEXT", folder / "gyranttext");
    std::filesystem::rename(folder / "gyranttext/helpi.txt", folder / "gyranttext/HELPI.TXT");
    Worksheet sheet;
    sheet.ProgramFolder = folder.Path();
    sheet.Table(kProposed).SetText(3, kColValue, "3.73");
    sheet.SpecsChanged = 1;
    ASSERT_TRUE(SetupWorksheet(sheet).ok);
    ASSERT_TRUE(SetupWorksheet(sheet).ok);
    const SpecTable& proposed = sheet.Table(kProposed);
    EXPECT_EQ(sheet.Table(kBaseline).Text(0, kColEqWt) + "|" + proposed.Text(0, kColImprovement) +
                  "|" + proposed.Text(31, kColRow) + "|" + proposed.Text(3, kColValue),
              "Eq. Wt|Imprvmnt|31|3.73");
    const char* unitsSaid[] = {"Row",     "describes", "lb",           "in", "in", "in", "Use Wt",
                               "lb or g", "Gms",       "lb\267ft\262", "lb", "%",  "%"};
    for (int column = 0; column < kProposedColumns; ++column)
        EXPECT_NE(ColumnTooltip(column).find(unitsSaid[column]), std::string_view::npos) << column;
    EXPECT_EQ(proposed.RowHeight(7), kSpacerRowHeight);
    EXPECT_EQ(proposed.RowHeight(8), kShownRowHeight);
    EXPECT_TRUE(sheet.SpecsChanged == 1 && sheet.DisplayName == "Untitled");

    // Rows 1 to 31, with their kind and sub-menu; the spacers 7 and 19 and the totals have no kind.
    const RowDefinitions& rows = sheet.Rows;
    const std::string kinds = "12111211111210001110000000000";
    const std::string calcKinds = "3015400000000000000660026026000";
    for (int row = 1; row <= 31; ++row) {
        if (row <= 29 && row != 7 && row != 19) {
            EXPECT_EQ(rows.RowKind[row], kinds[static_cast<std::size_t>(row - 1)] - '0') << row;
        }
        EXPECT_EQ(rows.RowCalcKind[row], calcKinds[static_cast<std::size_t>(row - 1)] - '0')
            << "row " << row;
        EXPECT_EQ(rows.RowDescription[row].empty(), row == 7 || row == 19) << "row " << row;
        EXPECT_EQ(proposed.Text(row, kColDescription), rows.RowDescription[row]) << "row " << row;
        for (std::size_t k = 0; k < kLimitInputs; ++k)
            EXPECT_LE(rows.RowLowLimit[row][k], rows.RowHighLimit[row][k]) << "row " << row;
    }
    EXPECT_TRUE(rows.RowLowLimit[9][0] == 1.0f && rows.RowHighLimit[9][0] == 16.001f);
}

}  // namespace
}  // namespace gyrant
