#include "files/window_geometry.h"

#include <algorithm>

namespace gyrant {
namespace {

// The table's heading row with the lines of its frame.
constexpr int kFrameLinesTwips = 60;
constexpr int kHeadingTwips = kShownRowHeight + kFrameLinesTwips;
// Where `start` goes so that `length` from it stays within the span, as far as it can.
int MovedWithin(int start, int length, int spanStart, int spanLength) {
    return std::max(spanStart, std::min(start, spanStart + spanLength - length));
}

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

std::optional<WindowRect> RestoredPlace(const WindowRect& place,
                                        const std::vector<WindowRect>& screens) {
    if (place.width <= 0 || place.height <= 0) return std::nullopt;
    auto holdsTitleBar = [&](const WindowRect& screen) {
        return place.left < screen.left + screen.width && screen.left < place.left + place.width &&
               place.top >= screen.top && place.top < screen.top + screen.height;
    };
    auto screen = std::find_if(screens.begin(), screens.end(), holdsTitleBar);
    if (screen == screens.end()) return std::nullopt;
    WindowRect fitted = place;
    fitted.width = std::min(place.width, screen->width);
    int roomUnderTitleBar = std::max(0, screen->height - kTitleBarTwips);
    fitted.height = std::min(place.height, roomUnderTitleBar);
    fitted.left = MovedWithin(place.left, fitted.width, screen->left, screen->width);
    fitted.top = MovedWithin(place.top, fitted.height, screen->top, roomUnderTitleBar);
    return fitted;
}

}  // namespace gyrant
