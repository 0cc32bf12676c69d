#include "report/comment_lines.h"

#include <gtest/gtest.h>

#include "report/fit_to_page.h"

namespace gyrant {
namespace {

using Lines = std::vector<std::string>;

TEST(CommentLines, SplitShortTextAtLineBreaks) {
    EXPECT_EQ(CommentLines("one\r\ntwo\r\nthree\r\n"), (Lines{"one", "two", "three", ""}));
    EXPECT_EQ(CommentLines(""), (Lines{""}));
    EXPECT_EQ(CommentLines("  tabs\there  "), (Lines{"tabs here"}));
}

TEST(CommentLines, CutLongTextAtABreakABlankOrSeventyFive) {
    std::string word(300, 'w');
    Lines lines = CommentLines(word);
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[0], std::string(75, 'w'));
    EXPECT_EQ(lines[3], std::string(75, 'w'));

    std::string sentence = std::string(50, 'a') + " " + std::string(50, 'b');
    EXPECT_EQ(CommentLines(sentence), (Lines{std::string(50, 'a'), std::string(50, 'b')}));

    std::string broken = std::string(10, 'x') + "\r\n" + std::string(80, 'y');
    EXPECT_EQ(CommentLines(broken)[0], std::string(10, 'x'));
}

TEST(CommentLines, StopAfterTwentyCuts) {
    std::string many;
    for (int i = 0; i < 1000; ++i) many += "word" + std::to_string(i) + "\x01 ";
    Lines lines = CommentLines(many);
    EXPECT_LE(lines.size(), 21u);
    for (const std::string& line : lines) {
        EXPECT_LE(line.size(), 75u);
        EXPECT_EQ(line.find('\x01'), std::string::npos);
    }
}

TEST(FitToPage, KeepsTheProportionsAndTurnsWidePictures) {
    EXPECT_TRUE(PrintsInLandscape(400, 300));
    EXPECT_FALSE(PrintsInLandscape(300, 300));
    PrintedSize wide = *FitToPage(400, 200, 1000, 800);
    EXPECT_EQ(wide.width, 1000);
    EXPECT_EQ(wide.height, 500);
    PrintedSize tall = *FitToPage(200, 400, 1000, 800);
    EXPECT_EQ(tall.width, 400);
    EXPECT_EQ(tall.height, 800);
    PrintedSize exact = *FitToPage(500, 400, 1000, 800);
    EXPECT_EQ(exact.width, 1000);
    EXPECT_EQ(exact.height, 800);
    EXPECT_FALSE(FitToPage(400, 0, 1000, 800));
    EXPECT_FALSE(FitToPage(400, 300, 1000, 0));
}

}  // namespace
}  // namespace gyrant
