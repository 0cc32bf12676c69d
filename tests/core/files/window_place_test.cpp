#include "files/window_place.h"

#include <gtest/gtest.h>

#include "support/sheet_fixture.h"

namespace gyrant {
namespace {

using WindowPlaceTest = testing::BlankSheetTest;

// A kept place comes back only whole and on a screen; a damaged file is ignored.
TEST_F(WindowPlaceTest, WindowPlaceComesBackWholeAndOnAScreen) {
    const auto path = WindowPlacePath(sheet);
    ASSERT_TRUE(WriteWindowPlace(path, {150, 300, 11000, 9000}).ok);
    EXPECT_EQ(ReadWindowPlace(path), (WindowRect{150, 300, 11000, 9000}));
    for (const char* damaged : {"150\n300\n11000\n", "150\n300\nwide\n9000\n", "1\n2\n0\n9\n"}) {
        testing::WriteFileBytes(path, damaged);
        EXPECT_FALSE(ReadWindowPlace(path)) << damaged;
    }
    const std::vector<WindowRect> screens{{0, 0, 15360, 11520}, {15360, 0, 15360, 11520}};
    EXPECT_TRUE(IsOnSomeScreen({20000, 600, 9000, 9000}, screens));
    EXPECT_FALSE(IsOnSomeScreen({31000, 600, 9000, 9000}, screens));
    EXPECT_FALSE(IsOnSomeScreen({600, -900, 9000, 9000}, screens));
}

// The tables share the frame below the strip; the window opens tall enough for both.
TEST(WindowGeometryTest, TablesShareTheFrameAndTheWindowOpensTallEnough) {
    EXPECT_EQ(FrameHeightTwips(8420), 7120);
    EXPECT_EQ(PlaceTables(7120, 1620, false).baselineHeight, 5300);
    TablePlaces two = PlaceTables(7120, 1620, true);
    EXPECT_EQ(two.baselineHeight, 2650);
    EXPECT_EQ(two.proposedTop, 1620 + 2650 + 100);
    EXPECT_EQ(OpeningHeightTwips(7000, 1620, 30000), 1300 + 1620 + 200 + 14000);
    EXPECT_EQ(OpeningHeightTwips(7000, 1620, 11000), 11000);
}

}  // namespace
}  // namespace gyrant
