// "Where the Weight Goes" printed on a page that only counts what is drawn on it, without and with
// the engine given: the second runs both vehicles and every changed part again for the strip's
// section, and draws each vehicle's speed against time. Print waits on it.

#include <benchmark/benchmark.h>

#include "analysis/every_gear.h"
#include "engine/update_table.h"
#include "example_sheet.h"
#include "report/weight_report.h"

namespace gyrant {
namespace {

// A letter page at 72 points an inch, with a fixed width for every character.
class CountingSurface : public PrintSurface {
  public:
    double PageWidth() const override { return 612; }
    double PageHeight() const override { return 792; }
    std::vector<std::string> InstalledFonts() const override { return {"DejaVu Sans"}; }
    std::string FontName() const override { return "DejaVu Sans"; }
    void SetFontName(const std::string&) override {}
    void SetFontSize(double points) override { m_size = points; }
    double TextWidth(const std::string& text) const override {
        return 0.5 * m_size * static_cast<double>(text.size());
    }
    double TextHeight(const std::string&) const override { return 1.2 * m_size; }
    double CurrentX() const override { return m_x; }
    double CurrentY() const override { return m_y; }
    void SetCurrentX(double x) override { m_x = x; }
    void SetCurrentY(double y) override { m_y = y; }
    void Print(const std::string& text, bool endLine) override {
        ++drawn;
        m_x = endLine ? 0 : m_x + TextWidth(text);
        m_y += endLine ? TextHeight(text) : 0;
    }
    void DrawLine(double, double, double, double) override { ++drawn; }
    void NewPage() override { ++m_page, m_x = m_y = 0; }
    int PageNumber() const override { return m_page; }
    Outcome EndDocument() override { return Outcome::Success(); }

    long drawn = 0;

  private:
    double m_size = 10, m_x = 0, m_y = 0;
    int m_page = 1;
};

void PrintWeightReportWithEngine(benchmark::State& state, bool engineGiven) {
    Worksheet sheet;
    LoadExample(sheet);
    Recalculate(sheet);
    if (engineGiven) sheet.document.RunEntries = {{"power", "350@5500"}, {"torque", "380@4000"}};
    std::vector<GearFigures> gears = FiguresInEveryGear(sheet, {2.52, 1.52, 1.0});
    long drawn = 0;
    for (auto _ : state) {
        CountingSurface page;
        PrintWeightReport(sheet, page, {"12/7/2026", "6:00:00 am"}, gears);
        drawn = page.drawn;
    }
    state.counters["texts and lines"] = static_cast<double>(drawn);
}
BENCHMARK_CAPTURE(PrintWeightReportWithEngine, WithoutTheEngine, false)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(PrintWeightReportWithEngine, WithTheStrip, true)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace gyrant
