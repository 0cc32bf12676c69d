#include "report/weight_report.h"

#include <algorithm>
#include <utility>

#include "analysis/chart_data.h"
#include "analysis/weight_shares.h"
#include "report/pager.h"
#include "report/printed_lines.h"
#include "report/printed_report.h"
#include "text/cell_text.h"
#include "timeslip/slip_charts.h"
#include "timeslip/slip_text.h"
#include "timeslip/strip_run.h"
#include "timeslip/time_slip.h"

namespace gyrant {
namespace {

constexpr double kFontSize = 9;
// The bars' room across the page, its names left of it.
constexpr double kChartLeft = 0.35;
constexpr double kChartRight = 0.94;
// Where the first column of right-aligned figures ends, and the next ones after it.
constexpr double kFiguresLeft = 0.35;
constexpr double kFigureStep = 0.15;

// Said in the printout's place of the slips, in one printed line.
constexpr const char* kStripNeedsTheEngine =
    "For time slips, give the engine's peaks or torque curve in On the Strip.";

constexpr const char* kSpeedLegend = "Speed against time, mph (shifts ticked)";
constexpr const char* kSpeedLegendOfTwo =
    "Speed against time, mph: Baseline solid, Proposed dashed (shifts ticked)";

// Where a chart of speed against time stands on the page, and what its edges stand for.
struct SpeedFrame {
    double left, top, right, bottom;
    double lastTime, topSpeed;  // s and mph at the right and top edges

    std::pair<double, double> At(const TracePoint& point) const {
        double speed = point.speed / kFeetPerSecondPerMph;
        return {left + (right - left) * point.time / lastTime,
                bottom - (bottom - top) * speed / topSpeed};
    }
};

std::vector<double> RatiosOf(const std::vector<GearFigures>& gears) {
    std::vector<double> ratios;
    for (const GearFigures& gear : gears) ratios.push_back(gear.ratio);
    return ratios;
}

class WeightLayout {
  public:
    WeightLayout(const Worksheet& sheet, PrintSurface& surface, const ReportTime& when)
        : m_sheet(sheet),
          m_surface(surface),
          m_when(when),
          m_width(surface.PageWidth()),
          m_left(0.06 * m_width),
          m_font(ChoosePrinterFont(surface)),
          m_line(LineHeightAt(surface, kFontSize)),
          m_pager(surface, ReportPage(surface, m_line), {[this] { Header(); }}) {}

    void Print(const std::vector<GearFigures>& gears) {
        WeightShares shares = ShareOfEachPart(m_sheet);
        StripRun run = RunOnTheStrip(m_sheet, m_sheet.document.RunEntries, RatiosOf(gears));
        m_two = shares.twoVehicles;
        m_pager.StartPage();
        Paragraph(PlainAnswer(shares, SecondsClause(run)));
        Line({WeightOptionNote(shares)});
        Line({""});
        Line(ShareColumnHeadings(m_two));
        for (const WeightShare& part : shares.parts) Line(ShareCells(part, m_two));
        Line(ShareCells(shares.rotatingTotal, m_two));
        Line(ShareCells(shares.vehicleTotal, m_two));
        Chart(PartsChart(shares.parts, m_two));
        if (!gears.empty()) {
            Gears(gears);
            Chart(GearsChart(gears, m_two));
        }
        OnTheStrip(run);
    }

  private:
    void Header() {
        PrintPageHeader(m_surface, m_sheet, m_when, kWeightReportTitle, m_left);
        m_surface.SetFontSize(kFontSize);
        m_surface.SetFontName(m_font);
        m_surface.Print(" ", true);
    }

    // One line of columns `step` of the page's width apart after the first, on a new page under
    // the header when it would reach into the bottom margin.
    void Line(const std::vector<std::string>& cells, double step = 0.15) {
        m_pager.MakeRoom(m_line);
        for (std::size_t i = 0; i < cells.size(); ++i) {
            double x = i == 0 ? m_left : (0.35 + step * static_cast<double>(i - 1)) * m_width;
            m_surface.SetCurrentX(x);
            m_surface.Print(cells[i], i + 1 == cells.size());
        }
    }

    // The legend, then each bar on its own line after its name.
    void Chart(const ChartData& chart) {
        Line({""});
        Legend(chart.legend, false);
        if (!chart.belowZeroLegend.empty()) Legend(chart.belowZeroLegend, true);
        double values = 0;
        for (const ChartBar& bar : chart.bars)
            values = std::max(values, m_surface.TextWidth(bar.valueLabel + " "));
        // Values of bars below zero stand left of them, inside the chart's room.
        double left = kChartLeft * m_width + (chart.belowZeroLegend.empty() ? 0 : values);
        double room = kChartRight * m_width - values - left;
        for (std::size_t i = 0; i < chart.bars.size(); ++i) Bar(chart, i, left, room);
    }

    // A bar from the zero line, its value beside its end; the zero line marked.
    void Bar(const ChartData& chart, std::size_t index, double left, double room) {
        const ChartBar& bar = chart.bars[index];
        bool below = bar.value < 0;
        Line({bar.label});
        double top = m_surface.CurrentY() - m_line;
        BarSpan span = SpanOf(chart, index);
        double from = left + room * span.left, to = left + room * span.right;
        Box(from, top + 0.2 * m_line, to, top + 0.8 * m_line, below);
        double zero = below ? to : from;
        m_surface.DrawLine(zero, top, zero, top + m_line);
        m_surface.SetCurrentY(top);
        m_surface.SetCurrentX(below ? from - m_surface.TextWidth(bar.valueLabel + " ")
                                    : to + m_surface.TextWidth(" "));
        m_surface.Print(bar.valueLabel, true);
    }

    // A small box drawn as the bars it stands for, then what they mean.
    void Legend(const std::string& meaning, bool belowZero) {
        Line({""});
        double top = m_surface.CurrentY() - m_line;
        Box(m_left, top + 0.2 * m_line, m_left + m_line, top + 0.8 * m_line, belowZero);
        m_surface.SetCurrentY(top);
        m_surface.SetCurrentX(m_left + 1.5 * m_line);
        m_surface.Print(meaning, true);
    }

    // Each gear's rotating and total Eq. Wt per vehicle, and the gain, the gear studied marked.
    void Gears(const std::vector<GearFigures>& gears) {
        Line({""});
        Line({"In every gear"});
        std::vector<std::string> heading = {"Gear, ratio"};
        if (m_two) heading.push_back("Gain %");
        heading.insert(heading.end(), {"Baseline rotating", "Baseline total"});
        if (m_two) heading.insert(heading.end(), {"Proposed rotating", "Proposed total"});
        Line(heading, 0.12);
        for (std::size_t g = 0; g < gears.size(); ++g) {
            const GearFigures& gear = gears[g];
            std::vector<std::string> cells = {GearLabel(g, gear) + (gear.studied ? "  " : "   ") +
                                              PlainNumber(gear.ratio)};
            if (m_two) cells.push_back(Figure(gear.gainPercent));
            cells.insert(cells.end(), {Figure(gear.rotating[0]), Figure(gear.total[0])});
            if (m_two) cells.insert(cells.end(), {Figure(gear.rotating[1]), Figure(gear.total[1])});
            Line(cells, 0.12);
        }
    }

    // Both time slips over the gears printed, the seconds each part buys and what they assume.
    void OnTheStrip(const StripRun& run) {
        Line({""});
        Line({"On the Strip (estimate)"});
        if (!run.outcome.ok) {
            Paragraph(EngineGiven(m_sheet.document.RunEntries) ? run.outcome.message
                                                               : kStripNeedsTheEngine);
            return;
        }
        const std::vector<TimeSlip>& slips = run.slips.slips;
        std::vector<std::string> heading = {"Time slip", "Baseline", "Proposed"};
        heading.resize(slips.size() + 1);
        RightAligned(heading);
        for (const SlipMarkShown& mark : SlipMarksShown()) {
            std::vector<std::string> cells = {mark.label};
            for (const TimeSlip& slip : slips) cells.push_back(SlipCell(slip, mark));
            RightAligned(cells);
        }
        if (!run.gearsNote.empty()) Paragraph(run.gearsNote);
        if (run.slips.difference) Paragraph(DifferenceSentence(*run.slips.difference));
        SpeedChart(run.slips.runs);
        if (run.parts) PartsOnTheStrip(*run.parts);
        Line({""});
        Paragraph(EstimateNote());
    }

    // Each vehicle's speed against time in a frame, the Proposed's line dashed and every shift
    // ticked, its top speed and last second written at the frame's ends.
    void SpeedChart(const std::vector<RunResult>& runs) {
        double lastTime = 0, topSpeed = 0;
        for (const RunResult& r : runs)
            for (const TracePoint& point : r.trace) {
                lastTime = std::max(lastTime, point.time);
                topSpeed = std::max(topSpeed, point.speed / kFeetPerSecondPerMph);
            }
        if (lastTime <= 0 || topSpeed <= 0) return;
        // The legend, the frame and the seconds under it go on to the next page together.
        double height = std::min(12 * m_line, 0.4 * m_surface.PageHeight());
        m_pager.MakeRoom(height + 3 * m_line);
        Line({""});
        Line({runs.size() > 1 ? kSpeedLegendOfTwo : kSpeedLegend});
        SpeedFrame frame{kChartLeft * m_width,
                         m_surface.CurrentY(),
                         kChartRight * m_width,
                         m_surface.CurrentY() + height,
                         lastTime,
                         topSpeed};
        Box(frame.left, frame.top, frame.right, frame.bottom, false);
        for (std::size_t i = 0; i < runs.size(); ++i) SpeedLine(runs[i].trace, frame, i == 1);
        FrameEnds(frame);
    }

    // The top speed left of the frame's top, the seconds under its ends.
    void FrameEnds(const SpeedFrame& frame) {
        std::string top = Figure(frame.topSpeed) + " mph ";
        m_surface.SetCurrentX(frame.left - m_surface.TextWidth(top));
        m_surface.Print(top, true);
        m_surface.SetCurrentY(frame.bottom);
        m_surface.SetCurrentX(frame.left);
        m_surface.Print("0 s", false);
        std::string last = Figure(frame.lastTime) + " s";
        m_surface.SetCurrentX(frame.right - m_surface.TextWidth(last));
        m_surface.Print(last, true);
    }

    // A run's trace in the frame, dashed every quarter second when asked; each shift a tick.
    void SpeedLine(const std::vector<TracePoint>& trace, const SpeedFrame& frame, bool dashed) {
        for (std::size_t p = 1; p < trace.size(); ++p) {
            auto [x1, y1] = frame.At(trace[p - 1]);
            auto [x2, y2] = frame.At(trace[p]);
            bool gap = dashed && static_cast<int>(trace[p].time / 0.25) % 2 == 1;
            if (!gap) m_surface.DrawLine(x1, y1, x2, y2);
            if (trace[p].shiftStarts)
                m_surface.DrawLine(x2, y2 - 0.3 * m_line, x2, y2 + 0.3 * m_line);
        }
    }

    void PartsOnTheStrip(const PartsTimeBought& parts) {
        Line({""});
        Line({"Seconds bought in the 1/4 mile by each part"});
        for (const PartTimeBought& part : parts.parts)
            RightAligned({part.description, SecondsCell(part.secondsBought) + " s"});
        Chart(SecondsBoughtChart(parts));
        Line({""});
        Paragraph(PartsSumSentence(parts));
    }

    // A text in printed lines, each on a new page under the header when it needs one; its own
    // line breaks, made for a terminal, give way to the page's.
    void Paragraph(std::string text) {
        std::ranges::replace(text, '\n', ' ');
        for (const std::string& line : PrintedLines(text)) Line({line});
    }

    // A line whose figures end at their column's right edge, so that their points line up.
    void RightAligned(const std::vector<std::string>& cells) {
        m_pager.MakeRoom(m_line);
        double top = m_surface.CurrentY();
        for (std::size_t i = 0; i < cells.size(); ++i) {
            double right = (kFiguresLeft + kFigureStep * static_cast<double>(i)) * m_width;
            m_surface.SetCurrentY(top);
            m_surface.SetCurrentX(i == 0 ? m_left : right - m_surface.TextWidth(cells[i]));
            m_surface.Print(cells[i], true);
        }
    }

    // An outlined box; one that stands below zero is crossed, so it shows without colour.
    void Box(double left, double top, double right, double bottom, bool crossed) {
        m_surface.DrawLine(left, top, right, top);
        m_surface.DrawLine(left, bottom, right, bottom);
        m_surface.DrawLine(left, top, left, bottom);
        m_surface.DrawLine(right, top, right, bottom);
        if (crossed) m_surface.DrawLine(left, top, right, bottom);
    }

    const Worksheet& m_sheet;
    PrintSurface& m_surface;
    ReportTime m_when;
    double m_width;
    double m_left;
    std::string m_font;
    double m_line;
    Pager m_pager;
    bool m_two = false;
};

}  // namespace

ReportResult PrintWeightReport(const Worksheet& sheet, PrintSurface& surface,
                               const ReportTime& when, const std::vector<GearFigures>& gears) {
    WeightLayout(sheet, surface, when).Print(gears);
    return EndReport(surface);
}

}  // namespace gyrant
