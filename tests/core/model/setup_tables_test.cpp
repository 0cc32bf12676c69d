#include "model/setup_tables.h"

#include <gtest/gtest.h>

#include "support/program_folder.h"

namespace gyrant {
namespace {

using testing::ProgramFolder;
using testing::ReadFileBytes;
using testing::WriteFileBytes;

TEST(RowDefinitions, ShippedFileDescribesEveryRowWithItsKindAndSubMenu) {
    ProgramFolder folder;
    RowDefinitionsRead read = ReadRowDefinitions(folder / "GyrantTEXT/helpi.txt");
    ASSERT_TRUE(read.outcome.ok) << read.outcome.message;
    const RowDefinitions& rows = read.definitions;
    //                      row: 1  2  3  4  5  6  7  8  9 10 11 12 13 14 15 16 17 18 19 20 ... 29
    const int kinds[] = {0, 1, 2, 1, 1, 1, 2, 1, 1, 1, 1, 1, 2, 1, 0, 0, 0, 1, 1, 1, 0,
                         0, 0, 0, 0, 0, 0, 0, 0, 0};
    const int calcKinds[] = {0, 3, 0, 1, 5, 4, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,
                             0, 0, 0, 6, 6, 0, 0, 2, 6, 0, 2, 6, 0, 0, 0};
    for (int row = 1; row <= 31; ++row) {
        if (row <= 29 && row != 7 && row != 19) {
            EXPECT_EQ(rows.RowKind[row], kinds[row]) << row;
        }
        EXPECT_EQ(rows.RowCalcKind[row], calcKinds[row]) << "row " << row;
        EXPECT_EQ(rows.RowDescription[row].empty(), row == 7 || row == 19) << "row " << row;
        for (int k = 0; k < kLimitInputs; ++k)
            EXPECT_LE(rows.RowLowLimit[row][k], rows.RowHighLimit[row][k]) << "row " << row;
    }
    EXPECT_EQ(rows.RowHighLimit[9][0], 16.001f);
    EXPECT_EQ(rows.RowLowLimit[9][0], 1.0f);
}

TEST(SetupTables, FillsHeadingsRowNumbersAndDescriptionsAndLeavesCellsAlone) {
    ProgramFolder folder;
    Worksheet sheet;
    sheet.ProgramFolder = folder.Path();
    sheet.Table(kProposed).SetText(3, kColValue, "3.73");
    sheet.SpecsChanged = 1;
    ASSERT_TRUE(SetupTables(sheet).ok);
    ASSERT_TRUE(SetupTables(sheet).ok);
    EXPECT_EQ(sheet.Table(kBaseline).Text(0, kColEqWt), "Eq. Wt");
    EXPECT_EQ(sheet.Table(kProposed).Text(0, kColImprovement), "Imprvmnt");
    EXPECT_EQ(sheet.Table(kBaseline).Text(31, kColRow), "31");
    EXPECT_EQ(sheet.Table(kProposed).Text(1, kColDescription), sheet.Rows.RowDescription[1]);
    EXPECT_EQ(sheet.Table(kProposed).Text(3, kColValue), "3.73");
    EXPECT_EQ(sheet.Table(kBaseline).RowHeight(7), kSpacerRowHeight);
    EXPECT_EQ(sheet.Table(kBaseline).RowHeight(8), kShownRowHeight);
    EXPECT_EQ(sheet.SpecsChanged, 1);
    EXPECT_EQ(sheet.DisplayName, "Untitled");
}

TEST(SetupTables, FindsTheDataFolderWhateverItsLetterCase) {
    ProgramFolder folder;
    std::filesystem::rename(folder / "GyrantTEXT", folder / "gyranttext");
    std::filesystem::rename(folder / "gyranttext/helpi.txt", folder / "gyranttext/HELPI.TXT");
    Worksheet sheet;
    sheet.ProgramFolder = folder.Path();
    EXPECT_TRUE(SetupTables(sheet).ok);
}

TEST(SetupTables, RefusesAMissingOrShortRowDefinitionFileAndNamesIt) {
    ProgramFolder folder;
    Worksheet sheet;
    sheet.ProgramFolder = folder.Path();
    std::filesystem::path file = folder / "GyrantTEXT/helpi.txt";
    std::string whole = ReadFileBytes(file);

    WriteFileBytes(file, whole.substr(0, whole.size() / 2));
    Outcome shortFile = SetupTables(sheet);
    EXPECT_FALSE(shortFile.ok);
    EXPECT_NE(shortFile.message.find(file.string()), std::string::npos) << shortFile.message;
    EXPECT_EQ(sheet.Table(kBaseline).Text(1, kColDescription), "");

    std::filesystem::remove(file);
    Outcome missing = SetupTables(sheet);
    EXPECT_FALSE(missing.ok);
    EXPECT_NE(missing.message.find("helpi.txt"), std::string::npos);
}

}  // namespace
}  // namespace gyrant
