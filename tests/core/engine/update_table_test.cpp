#include "engine/update_table.h"

#include <gtest/gtest.h>

#include "engine/layout.h"
#include "support/worksheet_builder.h"

namespace gyrant {
namespace {

using testing::SetComponent;
using testing::SetVehicleType;
using testing::ValueChoice;

class RecalculationTest : public ::testing::Test {
protected:
    SpecTable& Baseline() { return sheet.Table(kBaseline); }
    SpecTable& Proposed() { return sheet.Table(kProposed); }
    // A rear-drive car in first gear with a tire at each corner and a driveshaft.
    void FillCar(SpecTable& table) {
        table.SetText(1, kColValue, "3000");
        SetVehicleType(table, "4 Wheel, Rear Drive", 0);
        table.SetText(3, kColValue, "3.73");
        table.SetText(4, kColValue, "2.52");
        table.SetText(12, kColValue, ValueChoice("No, est. perf. eng.", 2));
        SetComponent(table, 20, "3", "2.8", "50", "Steel", 1);
        SetComponent(table, 24, "25", "15", "8", "Tire", 1);
        SetComponent(table, 27, "26", "15", "9", "Use Wt", 0, "24");
    }
    Worksheet sheet;
};

TEST_F(RecalculationTest, VehicleWithoutRotatingPartsIsAllVehicleWeight) {
    Baseline().SetText(1, kColValue, "3500");
    Recalculate(sheet);
    EXPECT_EQ(Baseline().Text(1, kColEqWt), "3500.00");
    EXPECT_EQ(Baseline().Text(30, kColWeight), ".00");
    EXPECT_EQ(Baseline().Text(30, kColEqWt), ".00");
    EXPECT_EQ(Baseline().Text(31, kColEqWt), "3500.00");
    EXPECT_EQ(Baseline().Text(31, kColWeight), "3500.00");
    EXPECT_EQ(Baseline().Text(1, kColPercentTotal), "100.000");
    EXPECT_EQ(Baseline().Text(31, kColPercentTotal), "100.000");
    EXPECT_EQ(Baseline().Text(8, kColValue), ".00");
}

TEST_F(RecalculationTest, EmptyVehicleWritesNoPercentages) {
    Baseline().SetText(1, kColPercentTotal, "old");
    Recalculate(sheet);
    EXPECT_EQ(Baseline().Text(31, kColEqWt), ".00");
    EXPECT_EQ(Baseline().Text(1, kColPercentTotal), "old");
}

TEST_F(RecalculationTest, PrimaryReductionRowShowsOnlyForSuchAMotorcycle) {
    SetVehicleType(Baseline(), "4 Wheel, Rear Drive", 0);
    Recalculate(sheet);
    EXPECT_EQ(Baseline().RowHeight(5), kHiddenRowHeight);
    SetVehicleType(Baseline(), "Mtrcycl wPriRdctn", 3);
    Recalculate(sheet);
    EXPECT_EQ(Baseline().RowHeight(5), kShownRowHeight);
    EXPECT_EQ(sheet.Flags.HasPrimaryReduction, 1);
    EXPECT_EQ(sheet.Flags.IsMotorcycle, 1);
}

TEST_F(RecalculationTest, EngineRowsHideOnlyInTheCurrentTable) {
    Baseline().SetText(12, kColValue, ValueChoice("No, est. race eng.", 3));
    Recalculate(sheet);
    for (int row = 13; row <= 18; ++row) {
        EXPECT_EQ(Baseline().RowHeight(row), kHiddenRowHeight);
        EXPECT_EQ(Proposed().RowHeight(row), kShownRowHeight);
    }
    EXPECT_EQ(sheet.Flags.EngineEstClass, 2);
    Baseline().SetText(12, kColValue, ValueChoice("Yes, do details", 0));
    Recalculate(sheet);
    EXPECT_EQ(Baseline().RowHeight(13), kShownRowHeight);
    EXPECT_EQ(sheet.Flags.EngineDetails, 1);
}

TEST_F(RecalculationTest, FlagsComeFromTheCurrentTable) {
    SetVehicleType(Baseline(), "4 Wheel, Rear Drive", 0);
    SetVehicleType(Proposed(), "4 Wheel, Front Drive", 1);
    Proposed().SetText(6, kColValue, ValueChoice("Yes, Stock (tight)", 1));
    Recalculate(sheet);
    EXPECT_EQ(sheet.Flags.FrontDrive, 0);
    EXPECT_EQ(sheet.Flags.HasConverter, 0);
    sheet.CurrentTable = kProposed;
    Recalculate(sheet);
    EXPECT_EQ(sheet.Flags.FrontDrive, 1);
    EXPECT_EQ(sheet.Flags.HasConverter, 1);
}

TEST_F(RecalculationTest, HiddenAndBlankRowsAreSkipped) {
    FillCar(Baseline());
    SetComponent(Baseline(), 14, "14", "4", "1", "Steel", 1);
    SetComponent(Baseline(), 21, " ", "", "", "Steel", 1);
    Baseline().SetText(21, kColEqWt, "kept");
    Recalculate(sheet);
    EXPECT_EQ(Baseline().Text(14, kColEqWt), "");
    EXPECT_EQ(Baseline().Text(21, kColEqWt), "kept");
}

TEST_F(RecalculationTest, ImprovementIsWrittenOnlyWhenTwoVehiclesAreCompared) {
    FillCar(Baseline());
    FillCar(Proposed());
    SetComponent(Proposed(), 27, "26", "15", "9", "Use Wt", 0, "18");
    Recalculate(sheet);
    EXPECT_EQ(Proposed().Text(27, kColImprovement), "");
    sheet.TwoVehicles = 1;
    Recalculate(sheet);
    EXPECT_EQ(Proposed().Text(27, kColImprovement), "25.");
    EXPECT_EQ(Proposed().Text(20, kColImprovement), "0.");
    EXPECT_NE(Proposed().Text(31, kColImprovement), "");
}

}  // namespace
}  // namespace gyrant
