#include "report/fit_to_page.h"

namespace gyrant {

bool PrintsInLandscape(double pictureWidth, double pictureHeight) {
    return pictureHeight < pictureWidth;
}

std::optional<PrintedSize> FitToPage(double pictureWidth, double pictureHeight, double pageWidth,
                                     double pageHeight) {
    if (!(pictureWidth > 0 && pictureHeight > 0 && pageWidth > 0 && pageHeight > 0))
        return std::nullopt;
    double pictureRatio = pictureWidth / pictureHeight;
    double pageRatio = pageWidth / pageHeight;
    if (pictureRatio >= pageRatio) return PrintedSize{pageWidth, pageWidth / pictureRatio};
    return PrintedSize{pageHeight * pictureRatio, pageHeight};
}

}  // namespace gyrant
