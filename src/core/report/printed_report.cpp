#include "report/printed_report.h"

#include <algorithm>
#include <array>

#include "analysis/weight_shares.h"
#include "engine/layout.h"
#include "files/display_name.h"
#include "report/pager.h"
#include "report/printed_lines.h"
#include "text/cell_text.h"
#include "timeslip/strip_run.h"

namespace gyrant {
namespace {

constexpr double kTableFontSize = 9;
// A rule's gap above it, the distance between its two lines, and how far it moves the print
// position, in text lines.
constexpr double kRuleGap = 0.25;
// Row heights in twips: a lower row is hidden and not printed; a row up to the rule height is a
// spacer, printed as a rule between the groups of rows.
constexpr int kLowestPrintedRowHeight = 7;
constexpr int kTallestRuleRowHeight = 36;
constexpr double kRuleSpacing = 0.12;
// A rule moves the print position by the page's bottom margin, so the rule that closes the
// tables' frame at the foot of a page always has its room there.
constexpr double kRuleDepth = kBottomMarginLines;

class ReportLayout {
  public:
    ReportLayout(const Worksheet& sheet, PrintSurface& surface)
        : m_sheet(sheet),
          m_surface(surface),
          m_width(surface.PageWidth()),
          m_landscape(surface.PageWidth() > surface.PageHeight()),
          m_font(ChoosePrinterFont(surface)),
          m_lineHeight(LineHeightAt(surface, kTableFontSize)),
          m_pager(surface, ReportPage(surface, m_lineHeight),
                  {[this] { StartPage(); }, [this] { ClosePage(); }}) {
        m_left = (m_landscape ? 0.03 : 0.06) * m_width;
        m_ruleRight = (m_landscape ? 0.95 : 0.93) * m_width;
        ComputeColumnPositions();
    }

    void Print(const std::string& comment, const ReportTime& when,
               const std::vector<double>& runRatios) {
        m_comment = FittedComment(comment);
        m_when = when;
        m_runRatios = runRatios;
        m_pager.StartPage();
        Rule(true);
        m_pager.MakeRoom(m_lineHeight);
        PrintAt(m_left, "Gyrant File Comments:", true);
        PrintComments();
        Rule(true);
        m_frameTop = m_surface.CurrentY();
        PrintTable(kBaseline);
        if (m_sheet.document.TwoVehicles == 1) {
            Rule(true);
            PrintTable(kProposed);
        }
        CloseFrame();
        m_table = -1;
        PrintNotes();
    }

  private:
    // Under the tables, what the screen shows there: the weight option and, with two vehicles,
    // the answer.
    void PrintNotes() {
        std::string notes = OptionLineText(m_sheet);
        if (m_sheet.document.TwoVehicles == 1)
            notes +=
                "\r" + PlainAnswer(ShareOfEachPart(m_sheet), SecondsClauseOf(m_sheet, m_runRatios));
        m_pager.MakeRoom(m_lineHeight);
        m_surface.Print(" ", true);
        for (const std::string& line : PrintedLines(notes)) {
            m_pager.MakeRoom(m_lineHeight);
            PrintAt(m_left, line, true);
        }
    }

    void ComputeColumnPositions() {
        int columns = m_sheet.document.TwoVehicles == 1 ? kProposedColumns : kBaselineColumns;
        double total = 0;
        for (int column = 0; column < columns; ++column) total += ColumnWidthTwips(column);
        double before = 0;
        for (int column = 0; column < columns; ++column) {
            m_positions[static_cast<std::size_t>(column)] = before / total * 0.86;
            before += ColumnWidthTwips(column);
        }
    }

    void PrintAt(double x, const std::string& text, bool endLine) {
        m_surface.SetCurrentX(x);
        m_surface.Print(text, endLine);
    }

    // The report comment, cut where it would run off the right edge of the page.
    std::string FittedComment(const std::string& comment) const {
        if (comment.empty()) return comment;
        std::string line = "Report Comment:  " + comment;
        while (m_left + m_surface.TextWidth(line) > m_width) line.pop_back();
        return line;
    }

    // Inside the tables a page's frame is closed at its foot and opened again under the column
    // headings on the next page.
    void ClosePage() {
        if (m_table >= 0) CloseFrame();
    }

    void StartPage() {
        PrintHeader();
        if (m_table < 0) return;
        DrawRule(true);
        m_frameTop = m_surface.CurrentY();
        PrintRow(m_sheet.Table(m_table), 0);
        DrawRule(false);
    }

    void Rule(bool gap) {
        m_pager.MakeRoom((gap ? kRuleGap : 0) * m_lineHeight + kRuleDepth * m_lineHeight);
        DrawRule(gap);
    }

    // Two parallel lines across the page, below a small gap when one is asked for.
    void DrawRule(bool gap) {
        double y = m_surface.CurrentY() + (gap ? kRuleGap * m_lineHeight : 0);
        double left = m_left - 0.01 * m_width;
        m_surface.DrawLine(left, y, m_ruleRight, y);
        m_surface.DrawLine(left, y + kRuleSpacing * m_lineHeight, m_ruleRight,
                           y + kRuleSpacing * m_lineHeight);
        m_surface.SetCurrentY(y + kRuleDepth * m_lineHeight);
        m_surface.SetCurrentX(0);
    }

    void PrintHeader() {
        PrintPageHeader(m_surface, m_sheet, m_when, "Calculated Test Results", m_left);
        m_surface.SetFontSize(kTableFontSize);
        if (!m_comment.empty()) {
            DrawRule(true);
            PrintAt(m_left, m_comment, true);
        }
        m_surface.SetFontName(m_font);
    }

    // The comment lines, in two columns when both fit across the page.
    void PrintComments() {
        std::vector<std::string> lines = PrintedLines(m_sheet.document.FileComments);
        std::size_t half = (lines.size() + 1) / 2;
        double widest[2] = {0, 0};
        for (std::size_t i = 0; i < lines.size(); ++i)
            widest[i < half ? 0 : 1] =
                std::max(widest[i < half ? 0 : 1], m_surface.TextWidth(lines[i]));
        double room = 0.9 * m_width - widest[0] - widest[1];
        double left = 0.07 * m_width;
        if (room <= 0) {
            for (const std::string& line : lines) {
                m_pager.MakeRoom(m_lineHeight);
                PrintAt(left, line, true);
            }
            return;
        }
        for (std::size_t i = 0; i < half; ++i) {
            m_pager.MakeRoom(m_lineHeight);
            bool second = half + i < lines.size();
            PrintAt(left, lines[i], !second);
            if (second) PrintAt(left + widest[0] + room / 2, lines[half + i], true);
        }
    }

    void PrintTable(int index) {
        const SpecTable& table = m_sheet.Table(index);
        m_table = index;
        for (int row = 0; row <= kLastSpecRow; ++row) {
            int height = table.RowHeight(row);
            if (height < kLowestPrintedRowHeight) continue;
            if (height <= kTallestRuleRowHeight) {
                Rule(false);
                continue;
            }
            m_pager.MakeRoom(m_lineHeight);
            PrintRow(table, row);
            if (row == 0) Rule(false);
        }
    }

    void PrintRow(const SpecTable& table, int row) {
        for (int column = kColDescription; column < table.ColumnCount(); ++column) {
            double x = column == kColDescription
                           ? m_left
                           : m_left + m_positions[static_cast<std::size_t>(column)] * m_width;
            PrintAt(x, ShownCellText(table.Text(row, column)), column == table.ColumnCount() - 1);
        }
    }

    // The frame's sides, from the rule above the tables on this page down to a closing rule.
    void CloseFrame() {
        DrawRule(false);
        double bottom = m_surface.CurrentY() - (kRuleDepth - kRuleSpacing) * m_lineHeight;
        double top = m_frameTop - kRuleDepth * m_lineHeight;
        double left = m_left - 0.01 * m_width;
        m_surface.DrawLine(left, top, left, bottom);
        m_surface.DrawLine(m_ruleRight, top, m_ruleRight, bottom);
    }

    const Worksheet& m_sheet;
    PrintSurface& m_surface;
    double m_width;
    bool m_landscape;
    std::string m_font;
    double m_lineHeight;
    Pager m_pager;
    double m_left = 0;
    double m_ruleRight = 0;
    double m_frameTop = 0;
    int m_table = -1;  // the table being printed; -1 before the tables
    std::string m_comment;
    ReportTime m_when;
    std::vector<double> m_runRatios;
    std::array<double, 16> m_positions{};
};

}  // namespace

std::string ChoosePrinterFont(PrintSurface& surface) {
    std::vector<std::string> fonts = surface.InstalledFonts();
    for (const std::string prefix : {"MSSANS", "ARIAL", "UNIVE", "ROMAN"}) {
        auto match = std::find_if(fonts.begin(), fonts.end(), [&prefix](const std::string& font) {
            return UpperCase(font.substr(0, prefix.size())) == prefix;
        });
        if (match != fonts.end()) {
            surface.SetFontName(*match);
            break;
        }
    }
    return surface.FontName();
}

ReportResult PrintReportWithComment(const Worksheet& sheet, PrintSurface& surface,
                                    const std::string& comment, const ReportTime& when,
                                    const std::vector<double>& runRatios) {
    ReportLayout(sheet, surface).Print(comment, when, runRatios);
    return EndReport(surface);
}

std::optional<std::string> AskReportComment(Dialogs& dialogs, bool wideAsked) {
    std::string answer = dialogs.InputBox(
        "Enter a comment which will be printed with this report.\r\rJust press <Enter> or click on "
        "OK to enter no "
        "comment.  Click on Cancel to cancel printing.",
        "Printed Comment", " ");
    if (answer.empty()) return std::nullopt;
    if (wideAsked) {
        Answer stop =
            dialogs.ShowMessage({"Best printed test results are when Page Orientation is in "
                                 "'Portrait' mode.  Select 'Print Setup' in the "
                                 "'File' menu to change to Portrait "
                                 "Orientation.\r\rStop printing now so you can make "
                                 "this change?",
                                 "Stop Printing ?", Buttons::YesNoCancel, Icon::None, Answer::Yes});
        if (stop != Answer::No) return std::nullopt;
    }
    return std::string(TrimBlanks(answer));
}

FileChooser PdfFileChooser(const Worksheet& sheet, const std::string& printedName,
                           std::string_view report) {
    // "V8 Street Car.qrx" proposes "V8 Street Car.pdf"; another report of it proposes its own
    // name, so that Enter does not offer to replace the worksheet's report.
    std::size_t dot = printedName.rfind('.');
    std::string stem =
        dot == std::string::npos || dot == 0 ? printedName : printedName.substr(0, dot);
    FileChooser chooser;
    chooser.title = "Print to a PDF File";
    chooser.filter = "PDF Files (*.pdf)|*.pdf";
    chooser.folder = DefaultSpecFolder(sheet);
    chooser.proposedName = stem + (report.empty() ? "" : " - ") + std::string(report) + ".pdf";
    chooser.confirmReplace = true;
    return chooser;
}

}  // namespace gyrant
