#include <gtest/gtest.h>

#include <map>

#include "files/program_places.h"
#include "model/spec_rows.h"
#include "support/program_folder.h"

namespace gyrant {
namespace {

TEST(SetupTables, DescribesEveryRowFillsHeadingsAndDescriptionsAndLeavesCellsAlone) {
    testing::ProgramFolder folder;
    // The data folder is found whatever its letter case.
    std::filesystem::rename(folder / "GyrantTEXT", folder / "gyranttext");
    std::filesystem::rename(folder / "gyranttext/helpi.txt", folder / "gyranttext/HELPI.TXT");
    Worksheet sheet;
    sheet.setup.ProgramFolder = folder.Path();
    sheet.Table(kProposed).SetText(kFinalDriveRow, kColValue, "3.73");
    sheet.file.SpecsChanged = 1;
    ASSERT_TRUE(SetupWorksheet(sheet).ok);
    ASSERT_TRUE(SetupWorksheet(sheet).ok);
    const SpecTable& proposed = sheet.Table(kProposed);
    EXPECT_EQ(sheet.Table(kBaseline).Text(0, kColEqWt), "Eq. Wt");
    EXPECT_EQ(proposed.Text(0, kColImprovement), "Imprvmnt");
    EXPECT_EQ(proposed.Text(kFinalDriveRow, kColValue), "3.73");
    EXPECT_EQ(sheet.file.SpecsChanged, 1);
    EXPECT_EQ(sheet.file.DisplayName, "Untitled");
    // Every row with its kind (numeric 1, choice 2, component 0) and sub-menu; the spacers
    // (row 7 and the engine spacer) and the totals have no kind.
    const RowDefinitions& rows = sheet.setup.Rows;
    const std::string kinds = "12111211111210001110000000000";
    const std::map<int, CalcKind> calcKinds = {
        {kVehicleWeightRow, kVehicleWeightCalc}, {kFinalDriveRow, kFinalDriveCalc},
        {kGearRatioRow, kTransmissionCalc},      {kPrimaryReductionRow, kPrimaryReductionCalc},
        {kDriveshaftRow, kWallThicknessCalc},    {kRingGearRow, kWallThicknessCalc},
        {kFrontTireRow, kTireSizeCalc},          {kFrontBrakeRow, kWallThicknessCalc},
        {kRearTireRow, kTireSizeCalc},           {kRearBrakeRow, kWallThicknessCalc}};
    for (int row = kFirstSpecRow; row <= kLastSpecRow; ++row) {
        bool spacer = row == kDisplacementRow - 1 || row == kEngineSpacerRow;
        if (row <= kLastSelectableRow && !spacer) {
            EXPECT_EQ(rows.RowKind[row], kinds[static_cast<std::size_t>(row - 1)] - '0') << row;
        }
        EXPECT_EQ(rows.RowCalcKind[row], calcKinds.contains(row) ? calcKinds.at(row) : kNoCalc)
            << "row " << row;
        EXPECT_EQ(proposed.RowHeight(row), spacer ? kSpacerRowHeight : kShownRowHeight) << row;
        for (std::size_t k = 0; k < kLimitInputs; ++k)
            EXPECT_LE(rows.RowLowLimit[row][k], rows.RowHighLimit[row][k]) << "row " << row;
    }
    EXPECT_EQ(rows.RowLowLimit[kCylindersRow][0], 1.0f);
    EXPECT_EQ(rows.RowHighLimit[kCylindersRow][0], 16.001f);
}

}  // namespace
}  // namespace gyrant
