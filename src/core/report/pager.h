#pragma once

// How a printed report goes from page to page: every page starts with the report's header, and
// nothing is printed into the room kept free at the foot of the page.

#include <functional>

#include "ports/print_surface.h"

namespace gyrant {

// The room kept free at the foot of every page, in text lines: enough for the rule that closes
// a frame there.
inline constexpr double kBottomMarginLines = 0.3;

// The printable page's height and the lowest point anything may reach on it.
struct PageGeometry {
    double height = 0;
    double bottomMargin = 0;

    double Bottom() const { return height - bottomMargin; }
};

// Sets the text size to `points` and returns the height of a line of it.
double LineHeightAt(PrintSurface& surface, double points);

// The page of `surface` with the bottom margin for text lines `lineHeight` high.
PageGeometry ReportPage(const PrintSurface& surface, double lineHeight);

// True when something `height` high fits from `y` above the bottom margin, or when nothing is
// printed under the header yet (`y` at `pageTop`): what does not fit on an empty page is printed
// there all the same rather than sent on to page after page.
bool FitsOnPage(const PageGeometry& page, double pageTop, double y, double height);

class Pager {
  public:
    // What happens at a page's edges: `closePage` finishes a page before the next one starts,
    // `printHeader` starts every page, the first included.
    struct PageEdges {
        std::function<void()> printHeader;
        std::function<void()> closePage = [] {};
    };

    Pager(PrintSurface& surface, PageGeometry page, PageEdges edges);

    // Prints the header of the first page; MakeRoom prints it on the others.
    void StartPage();
    // Makes room for something `height` high: on the next page, under its header, when it would
    // cross the bottom margin here.
    void MakeRoom(double height);

  private:
    PrintSurface& m_surface;
    PageGeometry m_page;
    PageEdges m_edges;
    double m_pageTop = 0;
};

}  // namespace gyrant
