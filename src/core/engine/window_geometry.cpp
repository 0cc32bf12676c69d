#include "engine/window_geometry.h"

#include <algorithm>

namespace gyrant {
namespace {

// The table's heading row with the lines of its frame.
constexpr int kHeadingTwips = kShownRowHeight + 60;
// A title bar's height: the part of a window that must lie on a screen to be moved back.
constexpr int kTitleBarTwips = 300;

}  // namespace

int FrameHeightTwips(int windowHeight) {
    return std::max(0, windowHeight - kFrameAllowanceTwips);
}

TablePlaces PlaceTables(int frameHeight, int tableTop, bool twoVehicles) {
    int room = std::max(0, frameHeight - tableTop - kBelowTablesTwips);
    if (!twoVehicles) return {room, 0, 0};
    int half = room / 2;
    return {half, tableTop + half + kBetweenTablesTwips, half};
}

int TallestTableTwips(const SpecTable& table) {
    int height = kHeadingTwips;
    for (int row = kFirstSpecRow; row <= kLastSpecRow; ++row)
        height += table.RowHeight(row) == kSpacerRowHeight ? kSpacerRowHeight : kShownRowHeight;
    return height;
}

int OpeningHeightTwips(int tableHeight, int tableTop, int screenHeight) {
    int needed = kFrameAllowanceTwips + tableTop + kBelowTablesTwips + 2 * tableHeight;
    return std::min(std::max(needed, kStartHeightTwips), screenHeight);
}

bool IsOnSomeScreen(const WindowRect& place, const std::vector<WindowRect>& screens) {
    if (place.width <= 0 || place.height <= 0) return false;
    WindowRect titleBar{place.left, place.top, place.width, kTitleBarTwips};
    return std::any_of(screens.begin(), screens.end(), [&](const WindowRect& screen) {
        return titleBar.left < screen.left + screen.width &&
               screen.left < titleBar.left + titleBar.width && titleBar.top >= screen.top &&
               titleBar.top < screen.top + screen.height;
    });
}

}  // namespace gyrant
