#include "report/page_header.h"

#include "text/cell_text.h"
#include "text/windows1252.h"
#include "version.h"

namespace gyrant {
namespace {

constexpr double kHeaderFontSize = 11;
constexpr std::size_t kLongestFileLine = 35;

void PrintAt(PrintSurface& surface, double x, const std::string& text, bool endLine) {
    surface.SetCurrentX(x);
    surface.Print(text, endLine);
}

}  // namespace

void PrintPageHeader(PrintSurface& surface, const Worksheet& sheet, const ReportTime& when,
                     const std::string& title, double left) {
    double width = surface.PageWidth();
    surface.Print(" ", true);
    surface.SetFontSize(kHeaderFontSize);
    PrintAt(surface, left, kProgramName, false);
    PrintAt(surface, 0.45 * width, "Torvane Inc.", false);
    PrintAt(surface, 0.75 * width, "Date: " + when.date, true);
    PrintAt(surface, left,
            ("File: " + FileNameText(sheet.file.DisplayName)).substr(0, kLongestFileLine), false);
    PrintAt(surface, 0.75 * width, "Time: " + when.time, true);
    PrintAt(surface, left, title, false);
    PrintAt(surface, 0.75 * width, "Page:" + GeneralForm(surface.PageNumber()), true);
}

ReportResult EndReport(PrintSurface& surface) {
    Outcome ended = surface.EndDocument();
    if (ended.ok) return {};
    return {ReportEnd::Failed, ended.message};
}

}  // namespace gyrant
