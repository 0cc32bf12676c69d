#include "text/line_reader.h"

#include <gtest/gtest.h>

#include <sstream>

namespace gyrant {
namespace {

TEST(LineReader, ReadsLinesEndingAtCrLfLfOrCrAndFieldsAcrossCommas) {
    std::istringstream in("one\r\ntwo\nthree\rfour\r\n16.001, 1,0\r\n 0 \r\nnext line");
    LineReader reader(in);
    std::string text;
    for (const char* line : {"one", "two", "three", "four"}) {
        ASSERT_TRUE(reader.ReadLine(text));
        EXPECT_EQ(text, line);
    }
    for (const char* field : {"16.001", "1", "0", "0"}) {
        ASSERT_TRUE(reader.ReadField(text));
        EXPECT_EQ(text, field);
    }
    ASSERT_TRUE(reader.ReadLine(text));
    EXPECT_EQ(text, "next line");
    EXPECT_TRUE(reader.AtEnd());
    EXPECT_FALSE(reader.ReadField(text));
}

TEST(LineReader, ALineLongerThanAnyRealOneEndsTheReading) {
    std::istringstream in(std::string(kMostLineBytes, 'x') + "\n" +
                          std::string(kMostLineBytes + 1, 'y') + "\nz");
    LineReader reader(in);
    std::string line;
    EXPECT_TRUE(reader.ReadLine(line));
    EXPECT_EQ(line.size(), kMostLineBytes);
    EXPECT_FALSE(reader.ReadLine(line));
    EXPECT_TRUE(reader.LineTooLong() && reader.AtEnd());
}

TEST(IntegerField, AcceptsOnlyANumber) {
    const std::pair<const char*, std::optional<int>> cases[] = {{" 1 ", 1},
                                                                {"-1", -1},
                                                                {"1.6", 2},
                                                                {"abc", std::nullopt},
                                                                {"1x", std::nullopt},
                                                                {"", std::nullopt},
                                                                {"1e999", std::nullopt}};
    for (auto [field, value] : cases) EXPECT_EQ(IntegerField(field), value) << field;
    EXPECT_EQ(FirstField("  QRX-GY*1.10 ,more"), "QRX-GY*1.10");
}

}  // namespace
}  // namespace gyrant
