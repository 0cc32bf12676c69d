#pragma once

// How a window's picture is printed: as large as the page allows without distortion, on a
// landscape page when the picture is wider than high.

#include <optional>

namespace gyrant {

struct PrintedSize {
    double width = 0;
    double height = 0;
};

// True when the picture is wider than high and so prints on a landscape page.
bool PrintsInLandscape(double pictureWidth, double pictureHeight);

// The picture's printed size on a page; nothing when the picture or the page has no height or
// no width, which has no fit.
std::optional<PrintedSize> FitToPage(double pictureWidth, double pictureHeight, double pageWidth,
                                     double pageHeight);

}  // namespace gyrant
