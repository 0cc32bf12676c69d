#include "report/printed_report.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>

#include "analysis/weight_shares.h"
#include "report/fit_to_page.h"
#include "report/pager.h"
#include "report/printed_lines.h"
#include "report/weight_report.h"
#include "support/sheet_fixture.h"
#include "timeslip/slip_charts.h"
#include "timeslip/slip_text.h"
#include "timeslip/strip_run.h"

namespace gyrant {
namespace {

// A page that records what is printed on it, with fixed metrics: a character is 10 units wide
// and a line 20 high at 9 points, in proportion at other sizes.
class RecordingSurface : public PrintSurface {
  public:
    struct Text {
        double x, y, size;
        std::string text, font;
        int page;
    };
    struct Line {
        double x1, y1, x2, y2;
    };

    RecordingSurface(double pageWidth, double pageHeight) : width(pageWidth), height(pageHeight) {}

    double PageWidth() const override { return width; }
    double PageHeight() const override { return height; }
    std::vector<std::string> InstalledFonts() const override { return fonts; }
    std::string FontName() const override { return font; }
    void SetFontName(const std::string& name) override { font = name; }
    void SetFontSize(double points) override { size = points; }
    double TextWidth(const std::string& text) const override {
        return 10.0 * size / 9 * static_cast<double>(text.size());
    }
    double TextHeight(const std::string&) const override { return 20.0 * size / 9; }
    double CurrentX() const override { return x; }
    double CurrentY() const override { return y; }
    void SetCurrentX(double to) override { x = to; }
    void SetCurrentY(double to) override { y = to; }
    void Print(const std::string& text, bool endLine) override {
        texts.push_back({x, y, size, text, font, pages});
        x = endLine ? 0 : x + TextWidth(text);
        y += endLine ? TextHeight(text) : 0;
    }
    void DrawLine(double x1, double y1, double x2, double y2) override {
        lines.push_back({x1, y1, x2, y2});
    }
    void NewPage() override { ++pages, x = y = 0; }
    int PageNumber() const override { return pages; }
    Outcome EndDocument() override {
        return failure.empty() ? Outcome::Success() : Outcome::Failure(failure);
    }

    // Every printed text, one after the other.
    std::string Joined() const {
        std::string joined;
        for (const Text& text : texts) joined += text.text + " ";
        return joined;
    }
    // The printed texts that equal `text`.
    std::vector<Text> Find(const std::string& text) const {
        std::vector<Text> found;
        std::ranges::copy_if(texts, std::back_inserter(found),
                             [&](auto& t) { return t.text == text; });
        return found;
    }

    double width, height;
    std::vector<std::string> fonts = {"DejaVu Sans", "Arial Narrow", "Arial"};
    std::string font = "Printer Default", failure;
    double size = 10, x = 0, y = 0;
    std::vector<Text> texts;
    std::vector<Line> lines;
    int pages = 1;
};

class ReportTest : public testing::ExampleSheetTest {
  protected:
    // The report on a portrait page tall enough for all of it, unless another is given.
    RecordingSurface Print(const std::string& comment = "", RecordingSurface page = {1000, 2000}) {
        EXPECT_EQ(PrintReportWithComment(sheet, page, comment, when, runRatios).end,
                  ReportEnd::Printed);
        return page;
    }
    // Each text printed `count` times, the first at `x` (when not negative) and in `size` points
    // (when not 0).
    struct Printed {
        std::string text;
        std::size_t count = 1;
        double x = -1, size = 0;
    };
    static void Expect(const RecordingSurface& page, const std::vector<Printed>& expected) {
        for (const Printed& e : expected) {
            auto found = page.Find(e.text);
            ASSERT_EQ(found.size(), e.count) << e.text;
            EXPECT_TRUE(e.x < 0 || std::abs(found[0].x - e.x) < 1e-9) << e.text;
            EXPECT_TRUE(e.size == 0 || found[0].size == e.size) << e.text;
        }
    }

    ReportTime when{"12/6/2026", "9:05:03 am"};
    std::vector<double> runRatios = {2.52, 1.52, 1.0};  // of the run the answer tells
    const RunEntries kEngine = {{"power", "350@5500"}, {"torque", "380@4000"}};
};

TEST_F(ReportTest, HeaderTablesAndCommentsPrintAsShownWithColumnsInScreenProportions) {
    RecordingSurface page = Print();
    EXPECT_EQ(page.texts.at(0).text, " ");
    // The printer has no "MSSANS" font; the first Arial is taken. Hidden rows are left out, a
    // choice cell prints its item only, the Proposed table adds its improvement column.
    EXPECT_EQ(page.Find("Gyrant File Comments:").at(0).font, "Arial Narrow");
    // clang-format off
    Expect(page, {{"Gyrant v1.1", 1, 60, 11}, {"Date: 12/6/2026", 1, 750}, {"Page: 1"},
                  {"File: V8 Street Car.qrx"}, {"Time: 9:05:03 am"}, {"Calculated Test Results"},
                  {"Report Comment:  ", 0}, {"Gyrant File Comments:", 1, -1, 9},
                  {"Description", 2, 60}, {"Row", 0}, {"Imprvmnt"},
                  {"Value", 2, 60 + 2160.0 / 11140 * 0.86 * 1000}, {"4 Wheel, Rear Drive", 2},
                  {"Primary Reduction", 0}, {"Steel", 5}});
    // clang-format on
    for (const auto& line : page.lines)
        EXPECT_TRUE(line.x1 == line.x2 || (line.x1 == 50 && line.x2 == 930))
            << line.x1 << " " << line.x2;

    sheet.file.DisplayName = std::string(40, 'n');
    Expect(Print("For the customer"),
           {{"File: " + std::string(29, 'n')}, {"Report Comment:  For the customer"}});

    // Short comment lines share the width in two columns; long ones take a line each.
    sheet.document.FileComments = "one\r\ntwo\r\nthree\r\n";
    page = Print();
    Expect(page, {{"one", 1, 70}, {"two", 1, 70}});
    auto one = page.Find("one").at(0), three = page.Find("three").at(0);
    EXPECT_EQ(three.y, one.y);
    EXPECT_GT(page.Find("two").at(0).y, one.y);
    EXPECT_GT(three.x, 70);
    sheet.document.FileComments = std::string(60, 'a') + " " + std::string(60, 'b');
    Expect(Print(), {{std::string(60, 'a'), 1, 70}, {std::string(60, 'b'), 1, 70}});

    // One vehicle prints only the Baseline, with its spacer rows as rules.
    sheet.document.TwoVehicles = 0;
    page = Print();
    Expect(page, {{"Description"},
                  {"Imprvmnt", 0},
                  {"% Total"},
                  {"Value", 1, 60 + 2160.0 / 10060 * 0.86 * 1000}});
    // Rules above the comments and the table, under the headings, for rows 7 and 19 and to
    // close: six double rules, and the frame's two sides.
    EXPECT_EQ(page.lines.size(), 6u * 2 + 2);
}

TEST(PrintedLines, SplitAtLineBreaksAndCutLongTextAtABreakABlankOrSeventyFive) {
    std::string a(50, 'a'), b(50, 'b'), w(75, 'w'), x(10, 'x');
    const std::pair<std::string, std::vector<std::string>> cases[] = {
        {"one\r\ntwo\r\nthree\r\n", {"one", "two", "three", ""}},
        {"", {""}},
        {"  tabs\there  ", {"tabs here"}},
        {std::string(300, 'w'), {w, w, w, w}},
        {a + " " + b, {a, b}},
        {x + "\r\n" + std::string(80, 'y'), {x, std::string(75, 'y'), "yyyyy"}},
    };
    for (const auto& [text, lines] : cases) EXPECT_EQ(PrintedLines(text), lines) << text;
    std::string many;
    for (int i = 0; i < 1000; ++i) many += "word" + std::to_string(i) + "\x01 ";
    std::string printed;
    for (const std::string& line : PrintedLines(many)) {
        EXPECT_LE(line.size(), 75u);
        EXPECT_EQ(line.find('\x01'), std::string::npos);
        printed += line + " ";
    }
    EXPECT_TRUE(printed.starts_with("word0 word1 ")) << printed;
    EXPECT_TRUE(printed.ends_with(" word999 ")) << printed;
}

// On a page wider than high, the comment is followed by a question whether to stop and turn it.
TEST_F(ReportTest, AsksFirstReportsAFailureAndChoosesAFontAmongThePrinters) {
    RecordingSurface page(1000, 2000);
    dialogs.inputs = {"", "   ", " ", " "};
    dialogs.answers = {Answer::Yes, Answer::No};
    EXPECT_FALSE(AskReportComment(dialogs, false));
    EXPECT_EQ(AskReportComment(dialogs, false), "");
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_EQ(dialogs.inputsAsked.at(0).title, "Printed Comment");
    EXPECT_EQ(dialogs.inputsAsked[0].defaultText, " ");
    EXPECT_FALSE(AskReportComment(dialogs, true));
    EXPECT_EQ(AskReportComment(dialogs, true), "");
    EXPECT_EQ(dialogs.messages.at(0).title, "Stop Printing ?");
    EXPECT_NE(dialogs.messages[0].text.find("Select 'Print Setup' in the 'File' menu"),
              std::string::npos);
    EXPECT_EQ(dialogs.messages[0].buttons, Buttons::YesNoCancel);
    RecordingSurface landscape = Print("", {1400, 1000});
    Expect(landscape, {{"Gyrant v1.1", std::size_t(landscape.pages), 42}});
    EXPECT_EQ(landscape.lines.at(0).x1, 28);
    EXPECT_EQ(landscape.lines[0].x2, 1330);

    page.failure = "The printer is out of paper.";
    EXPECT_EQ(PrintReportWithComment(sheet, page, "", when, runRatios).message, page.failure);
    page.SetFontName("Default");
    using Fonts = std::vector<std::string>;
    for (auto [fonts, chosen] :
         {std::pair{Fonts{"Courier", "MS Sans Serif", "MSSansSerif", "Arial"}, "MSSansSerif"},
          {Fonts{"Times Roman"}, "MSSansSerif"},
          {Fonts{"Univers", "Roman"}, "Univers"}}) {
        page.fonts = fonts;
        EXPECT_EQ(ChoosePrinterFont(page), chosen);
    }
}

TEST(FitToPage, KeepsTheProportionsAndTurnsWidePictures) {
    EXPECT_TRUE(PrintsInLandscape(400, 300));
    EXPECT_FALSE(PrintsInLandscape(300, 300));
    for (auto [width, height, printedWidth, printedHeight] : {std::array{400., 200., 1000., 500.},
                                                              {200., 400., 400., 800.},
                                                              {500., 400., 1000., 800.}}) {
        PrintedSize size = FitToPage(width, height, 1000, 800).value();
        EXPECT_EQ(size.width, printedWidth) << width << "x" << height;
        EXPECT_EQ(size.height, printedHeight) << width << "x" << height;
    }
    EXPECT_FALSE(FitToPage(400, 0, 1000, 800));
    EXPECT_FALSE(FitToPage(400, 300, 1000, 0));
}

// Where the Weight Goes on paper: every part on its line and beside its bar, the gear studied
// marked and, without the engine, what to give for the time slips. With it, its answer and the
// main report's tell the seconds, and it goes on to both slips side by side, each figure ending
// at its column's edge, the charts and the estimate's note whole.
TEST_F(ReportTest, WhereTheWeightGoesPrintsEveryPartAndGearThenOnceTheEngineIsGivenTheStrip) {
    std::vector<GearFigures> gears = FiguresInEveryGear(sheet, runRatios);
    RecordingSurface without(1000, 4000), page(1000, 4000);
    PrintWeightReport(sheet, without, when, gears);
    Expect(without, {{"1*  2.52"},
                     {"2   1.52"},
                     {"For time slips, give the engine's peaks or torque curve in On the Strip."},
                     {"Time slip", 0}});
    for (const WeightShare& part : ShareOfEachPart(sheet).parts)
        EXPECT_EQ(without.Find(part.part).size(), 2u) << part.part;
    sheet.document.RunEntries = kEngine;
    StripRun run = RunOnTheStrip(sheet, kEngine, runRatios);
    PrintWeightReport(sheet, page, when, gears);
    Expect(page, {{"Time slip", 1, 60},
                  {"Baseline", 1, 420},
                  {"Proposed", 1, 570},
                  {DifferenceSentence(*run.slips.difference)},
                  {SecondsBoughtChart(*run.parts).legend},
                  {"Speed against time, mph: Baseline solid, Proposed dashed (shifts ticked)"},
                  {PartsSumSentence(*run.parts)}});
    std::string answer = AnswerLine(ShareOfEachPart(sheet), SecondsClause(run));
    std::string note = EstimateNote();
    std::ranges::replace(note, '\n', ' ');
    for (const std::string& said : {answer, note})
        EXPECT_NE(page.Joined().find(said), std::string::npos) << said;
    EXPECT_NE(Print().Joined().find(answer), std::string::npos) << answer;
    for (const SlipMarkShown& mark : SlipMarksShown()) {
        std::vector<double> ends;
        for (const auto& text : page.texts)
            if (text.y == page.Find(mark.label).at(0).y && text.x > 60)
                ends.push_back(std::round(text.x + 10 * double(text.text.size())));
        EXPECT_EQ(ends, (std::vector<double>{500, 650})) << mark.label;
    }
}

TEST(FitsOnPage, WhatReachesIntoTheBottomMarginGoesOnUnlessThePageIsEmpty) {
    const PageGeometry page{100, 6};  // the bottom at 94, the page's top at 30
    const struct {
        double y, height;
        bool fits;
    } cases[] = {{74, 20, true}, {75, 20, false}, {30, 500, true}, {31, 500, false}};
    for (const auto& c : cases) EXPECT_EQ(FitsOnPage(page, 30, c.y, c.height), c.fits) << c.y;
}

// Both reports of a long worksheet, on pages of several shapes.
enum class Printout { Report, WeightReport };
struct PagedCase {
    const char* name;
    Printout printout;
    double width, height;
    friend void PrintTo(const PagedCase& paged, std::ostream* out) { *out << paged.name; }
};

class PagedReportTest : public ReportTest, public ::testing::WithParamInterface<PagedCase> {
  protected:
    RecordingSurface PrintOn(double height) {
        RecordingSurface page(GetParam().width, height);
        std::vector<double> ratios = {3.5, 2.9, 2.52, 2.1, 1.8, 1.52, 1.3, 1.1, 1, 0.85, 0.7, 0.6};
        std::string comment = "For the customer " + std::string(200, 'x');
        sheet.document.RunEntries = kEngine;
        ReportResult printed =
            GetParam().printout == Printout::Report
                ? PrintReportWithComment(sheet, page, comment, when, {2.52})
                : PrintWeightReport(sheet, page, when, FiguresInEveryGear(sheet, ratios));
        EXPECT_EQ(printed.end, ReportEnd::Printed);
        return page;
    }
};

TEST_P(PagedReportTest, EveryPageUnderItsHeaderFilledToTheBottomMarginNeverIntoItNothingLost) {
    for (int i = 1; i <= 30; ++i)
        sheet.document.FileComments += "Comment line " + std::to_string(i) + "\r\n";
    RecordingSurface whole = PrintOn(100000);
    ASSERT_EQ(whole.pages, 1);
    // Heights closer together than the margin is deep: on some a line would end inside it.
    for (double height = GetParam().height; height < GetParam().height + 20; height += 4) {
        SCOPED_TRACE(height);
        RecordingSurface paged = PrintOn(height);
        const double line = 20, bottom = height - kBottomMarginLines * line;
        ASSERT_GE(paged.pages, 2);
        std::map<int, double> lowest;
        for (const auto& text : paged.texts) {
            double foot = text.y + 20 * text.size / 9;
            EXPECT_LE(foot, bottom) << text.text;
            EXPECT_LE(text.x + 10 * text.size / 9 * double(text.text.size()), paged.width)
                << text.text;
            lowest[text.page] = std::max(lowest[text.page], foot);
        }
        // A page goes on to the next only when the next line, or the rules before it with the
        // line, would reach into the margin; or a chart of speed that goes on whole.
        auto chartGoesOn = [&paged](int p) {
            return std::ranges::any_of(paged.texts, [p](const auto& text) {
                return text.page == p + 1 && text.text.starts_with("Speed against time");
            });
        };
        for (int p = 1; p < paged.pages; ++p)
            EXPECT_TRUE(chartGoesOn(p) || lowest[p] > bottom - 1.6 * line) << p;
        for (int p = 1; p <= paged.pages; ++p)
            EXPECT_EQ(paged.Find("Page: " + std::to_string(p)).at(0).page, p);
        for (const auto& rule : paged.lines) {
            EXPECT_GE(std::min(rule.y1, rule.y2), 0);
            EXPECT_LE(std::max(rule.y1, rule.y2), height);
            EXPECT_LE(std::max(rule.x1, rule.x2), paged.width);
        }
        // The report comment is cut to the page's width, which depends on the page's turn.
        for (const auto& text : whole.texts)
            EXPECT_TRUE(text.text.starts_with("Report") || !paged.Find(text.text).empty())
                << text.text;
    }
}

const PagedCase kPagedCases[] = {
    {"ReportOnPortrait", Printout::Report, 1000, 1400},
    {"ReportOnLandscape", Printout::Report, 1400, 1000},
    {"ReportOnShortPages", Printout::Report, 1000, 500},
    {"WeightReportOnPortrait", Printout::WeightReport, 1000, 1400},
    {"WeightReportOnLandscape", Printout::WeightReport, 1400, 1000},
    {"WeightReportOnShortPages", Printout::WeightReport, 1000, 300},
};
INSTANTIATE_TEST_SUITE_P(BothReports, PagedReportTest, ::testing::ValuesIn(kPagedCases),
                         [](const auto& test) { return std::string(test.param.name); });

}  // namespace
}  // namespace gyrant
