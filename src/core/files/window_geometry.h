#pragma once

// The main window's geometry in twips: how the frame and the tables share the window's height,
// how tall the window opens, and whether a remembered place can be given back.

#include <optional>
#include <vector>

#include "model/spec_table.h"

namespace gyrant {

// Twips of the window's height outside the frame: the menu bar and the option line.
inline constexpr int kFrameAllowanceTwips = 1300;
// Twips kept free under the tables inside the frame, and between the two tables.
inline constexpr int kBelowTablesTwips = 200;
inline constexpr int kBetweenTablesTwips = 100;
// Room left above a window for its title bar, which the window's own height leaves out.
inline constexpr int kTitleBarTwips = 480;
// The place the main window opens at when none is remembered.
inline constexpr int kStartHeightTwips = 8420;

struct WindowRect {
    int left = 0, top = 0, width = 0, height = 0;
    bool operator==(const WindowRect&) const = default;
};

// Heights and the Proposed table's top inside the frame; a hidden Proposed table has height 0.
struct TablePlaces {
    int baselineHeight = 0;
    int proposedTop = 0;
    int proposedHeight = 0;
};

// The frame's height in a window of `windowHeight`; never below 0.
int FrameHeightTwips(int windowHeight);

// One table takes the frame less its top and the free band; two share that room, the Proposed
// table below the Baseline one.
TablePlaces PlaceTables(int frameHeight, int tableTop, bool twoVehicles);

// The height of a table that shows every row of it that any vehicle can show: its heading and
// each row at its shown or spacer height.
int TallestTableTwips(const SpecTable& table);

// The window height at which both tables of `tableHeight` show whole, kept within
// `screenHeight` and never below the start height.
int OpeningHeightTwips(int tableHeight, int tableTop, int screenHeight);

// A remembered place is given back only when its title bar lies on one of the screens, and then
// fitted to that screen: no larger than the room it has under a title bar, moved in as far as
// its size needs. A place kept on a larger screen or at another scale would otherwise open
// with its bottom rows off the screen.
std::optional<WindowRect> RestoredPlace(const WindowRect& place,
                                        const std::vector<WindowRect>& screens);

}  // namespace gyrant
