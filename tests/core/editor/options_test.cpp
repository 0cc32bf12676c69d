#include "editor/options.h"

#include <gtest/gtest.h>

#include "support/worksheet_builder.h"

namespace gyrant {
namespace {

TEST(Options, WeightsAddRecalculatesBothVehicles) {
    Worksheet sheet;
    for (SpecTable& table : sheet.tables) {
        table.SetText(1, kColValue, "3000");
        testing::SetComponent(table, 20, "4", "3", "10", "Use Wt", 0, "40");
    }
    SetWeightOption(sheet, true);
    for (const SpecTable& table : sheet.tables) {
        EXPECT_EQ(table.Text(31, kColWeight), "3040.00");
        EXPECT_EQ(table.Text(20, kColEqWt), "40.00");
    }
    SetVehicleCount(sheet, true);
    EXPECT_EQ(sheet.TwoVehicles, 1);
}

}  // namespace
}  // namespace gyrant
