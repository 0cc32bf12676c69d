#include "report/pager.h"

#include <utility>

namespace gyrant {

double LineHeightAt(PrintSurface& surface, double points) {
    surface.SetFontSize(points);
    return surface.TextHeight("X");
}

PageGeometry ReportPage(const PrintSurface& surface, double lineHeight) {
    return {surface.PageHeight(), kBottomMarginLines * lineHeight};
}

bool FitsOnPage(const PageGeometry& page, double pageTop, double y, double height) {
    return y + height <= page.Bottom() || y <= pageTop;
}

Pager::Pager(PrintSurface& surface, PageGeometry page, PageEdges edges)
    : m_surface(surface), m_page(page), m_edges(std::move(edges)) {}

void Pager::MakeRoom(double height) {
    if (FitsOnPage(m_page, m_pageTop, m_surface.CurrentY(), height)) return;
    m_edges.closePage();
    m_surface.NewPage();
    StartPage();
}

void Pager::StartPage() {
    m_edges.printHeader();
    m_pageTop = m_surface.CurrentY();
}

}  // namespace gyrant
