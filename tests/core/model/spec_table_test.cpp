#include "model/spec_table.h"

#include <gtest/gtest.h>

namespace gyrant {
namespace {

TEST(SpecTable, HoldsThirtyTwoRowsOfTextCells) {
    SpecTable proposed(kProposedColumns);
    EXPECT_EQ(proposed.ColumnCount(), 13);
    proposed.SetText(31, kColImprovement, "12.5");
    EXPECT_EQ(proposed.Text(31, kColImprovement), "12.5");
    EXPECT_EQ(proposed.Text(1, kColValue), "");
    SpecTable baseline(kBaselineColumns);
    EXPECT_THROW(baseline.Text(1, kColImprovement), std::out_of_range);
    EXPECT_THROW(baseline.Text(32, kColValue), std::out_of_range);
}

TEST(SpecTable, TellsShownAndSelectableRowsByTheirHeight) {
    SpecTable table(kBaselineColumns);
    EXPECT_TRUE(table.IsShown(5));
    EXPECT_TRUE(table.IsSelectable(5));
    table.SetRowHeight(5, kHiddenRowHeight);
    EXPECT_FALSE(table.IsShown(5));
    table.SetRowHeight(7, kSpacerRowHeight);
    EXPECT_TRUE(table.IsShown(7));
    EXPECT_FALSE(table.IsSelectable(7));
}

}  // namespace
}  // namespace gyrant
