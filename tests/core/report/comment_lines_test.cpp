#include "report/comment_lines.h"

#include <gtest/gtest.h>

#include "report/fit_to_page.h"

namespace gyrant {
namespace {

using Lines = std::vector<std::string>;

TEST(CommentLines, SplitAtLineBreaksAndCutLongTextAtABreakABlankOrSeventyFive) {
    std::string a(50, 'a'), b(50, 'b'), w(75, 'w'), x(10, 'x');
    const std::pair<std::string, Lines> cases[] = {
        {"one\r\ntwo\r\nthree\r\n", {"one", "two", "three", ""}},
        {"", {""}},
        {"  tabs\there  ", {"tabs here"}},
        {std::string(300, 'w'), {w, w, w, w}},
        {a + " " + b, {a, b}},
        {x + "\r\n" + std::string(80, 'y'), {x, std::string(75, 'y'), "yyyyy"}},
    };
    for (const auto& [text, lines] : cases) EXPECT_EQ(CommentLines(text), lines) << text;
    std::string many;
    for (int i = 0; i < 1000; ++i) many += "word" + std::to_string(i) + "\x01 ";
    Lines lines = CommentLines(many);
    EXPECT_LE(lines.size(), 21u);
    for (const std::string& line : lines)
        EXPECT_TRUE(line.size() <= 75 && line.find('\x01') == std::string::npos);
}

TEST(FitToPage, KeepsTheProportionsAndTurnsWidePictures) {
    EXPECT_TRUE(PrintsInLandscape(400, 300));
    EXPECT_FALSE(PrintsInLandscape(300, 300));
    for (auto [width, height, printedWidth, printedHeight] : {std::array{400., 200., 1000., 500.},
                                                              {200., 400., 400., 800.},
                                                              {500., 400., 1000., 800.}}) {
        PrintedSize size = *FitToPage(width, height, 1000, 800);
        EXPECT_TRUE(size.width == printedWidth && size.height == printedHeight)
            << width << "x" << height;
    }
    EXPECT_FALSE(FitToPage(400, 0, 1000, 800));
    EXPECT_FALSE(FitToPage(400, 300, 1000, 0));
}

}  // namespace
}  // namespace gyrant
