#include "report/weight_report.h"

#include <algorithm>

#include "analysis/weight_shares.h"
#include "report/comment_lines.h"
#include "report/printed_report.h"
#include "text/cell_text.h"

namespace gyrant {
namespace {

constexpr double kFontSize = 9;
constexpr const char* kTitle = "Where the Weight Goes";

class WeightLayout {
  public:
    WeightLayout(const Worksheet& sheet, PrintSurface& surface, const ReportTime& when)
        : m_sheet(sheet), m_surface(surface), m_when(when), m_width(surface.PageWidth()) {
        m_left = 0.06 * m_width;
    }

    void Print(const std::vector<GearFigures>& gears) {
        m_font = ChoosePrinterFont(m_surface);
        m_surface.SetFontSize(kFontSize);
        m_line = m_surface.TextHeight("X");
        WeightShares shares = ShareOfEachPart(m_sheet);
        m_two = shares.twoVehicles;
        for (const WeightShare& part : shares.parts)
            m_most = std::max({m_most, part.baseline, part.proposed});
        Header();
        for (const std::string& line : CommentLines(PlainAnswer(shares))) Line({line});
        Line({WeightOptionNote(shares)});
        Line({""});
        Line(ShareColumnHeadings(m_two));
        for (const WeightShare& part : shares.parts) Share(part, true);
        Share(shares.rotatingTotal, false);
        Share(shares.vehicleTotal, false);
        if (!gears.empty()) Gears(gears);
    }

  private:
    void Header() {
        PrintPageHeader(m_surface, m_sheet, m_when, kTitle, m_left);
        m_surface.SetFontSize(kFontSize);
        m_surface.SetFontName(m_font);
        m_surface.Print(" ", true);
    }

    // One line of columns `step` of the page's width apart after the first, on a new page under
    // the header when it would cross the bottom.
    void Line(const std::vector<std::string>& cells, double step = 0.15) {
        if (m_surface.CurrentY() + m_line > m_surface.PageHeight()) {
            m_surface.NewPage();
            Header();
        }
        for (std::size_t i = 0; i < cells.size(); ++i) {
            double x = i == 0 ? m_left : (0.35 + step * static_cast<double>(i - 1)) * m_width;
            m_surface.SetCurrentX(x);
            m_surface.Print(cells[i], i + 1 == cells.size());
        }
    }

    void Share(const WeightShare& share, bool bars) {
        Line(ShareCells(share, m_two));
        if (!bars || m_most <= 0) return;
        // The bars stand right of the figures, Baseline above Proposed, in one line's height.
        double top = m_surface.CurrentY() - m_line;
        Bar(top + 0.1 * m_line, share.baseline);
        if (m_two) Bar(top + 0.55 * m_line, share.proposed);
    }

    // Each gear's rotating and total Eq. Wt per vehicle, and the gain, the gear studied marked.
    void Gears(const std::vector<GearFigures>& gears) {
        Line({""});
        Line({"In every gear"});
        std::vector<std::string> heading = {"Gear, ratio", "Baseline rotating", "Baseline total"};
        if (m_two) heading.insert(heading.end(), {"Proposed rotating", "Proposed total", "Gain %"});
        Line(heading, 0.12);
        for (std::size_t g = 0; g < gears.size(); ++g) {
            const GearFigures& gear = gears[g];
            std::vector<std::string> cells = {
                GearLabel(g, gear) + (gear.studied ? "  " : "   ") + PlainNumber(gear.ratio),
                Figure(gear.rotating[0]), Figure(gear.total[0])};
            if (m_two)
                cells.insert(cells.end(), {Figure(gear.rotating[1]), Figure(gear.total[1]),
                                           Figure(gear.gainPercent)});
            Line(cells, 0.12);
        }
    }

    void Bar(double top, double pounds) {
        double left = 0.74 * m_width, right = left + 0.2 * m_width * pounds / m_most;
        double bottom = top + 0.35 * m_line;
        m_surface.DrawLine(left, top, right, top);
        m_surface.DrawLine(left, bottom, right, bottom);
        m_surface.DrawLine(left, top, left, bottom);
        m_surface.DrawLine(right, top, right, bottom);
    }

    const Worksheet& m_sheet;
    PrintSurface& m_surface;
    ReportTime m_when;
    double m_width;
    double m_left = 0;
    double m_line = 0;
    double m_most = 0;
    bool m_two = false;
    std::string m_font;
};

}  // namespace

ReportResult PrintWeightReport(const Worksheet& sheet, PrintSurface& surface,
                               const ReportTime& when, const std::vector<GearFigures>& gears) {
    WeightLayout(sheet, surface, when).Print(gears);
    return EndReport(surface);
}

}  // namespace gyrant
