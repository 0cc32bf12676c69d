#include "text/line_reader.h"

#include <gtest/gtest.h>

#include <sstream>

namespace gyrant {
namespace {

TEST(LineReader, EndsLinesAtCrLfLfOrCr) {
    std::istringstream in("one\r\ntwo\nthree\rfour");
    LineReader reader(in);
    std::string line;
    for (const char* expected : {"one", "two", "three", "four"}) {
        ASSERT_TRUE(reader.ReadLine(line));
        EXPECT_EQ(line, expected);
    }
    EXPECT_TRUE(reader.AtEnd());
    EXPECT_FALSE(reader.ReadLine(line));
}

TEST(LineReader, ReadsFieldsAcrossCommasAndLines) {
    std::istringstream in("16.001, 1,0\r\n 0 \r\nnext line");
    LineReader reader(in);
    std::string field;
    for (const char* expected : {"16.001", "1", "0", "0"}) {
        ASSERT_TRUE(reader.ReadField(field));
        EXPECT_EQ(field, expected);
    }
    std::string line;
    ASSERT_TRUE(reader.ReadLine(line));
    EXPECT_EQ(line, "next line");
    EXPECT_FALSE(reader.ReadField(field));
}

TEST(IntegerField, AcceptsOnlyANumber) {
    EXPECT_EQ(IntegerField(" 1 "), 1);
    EXPECT_EQ(IntegerField("-1"), -1);
    EXPECT_EQ(IntegerField("1.6"), 2);
    EXPECT_EQ(IntegerField("abc"), std::nullopt);
    EXPECT_EQ(IntegerField("1x"), std::nullopt);
    EXPECT_EQ(IntegerField(""), std::nullopt);
    EXPECT_EQ(IntegerField("1e999"), std::nullopt);
    EXPECT_EQ(FirstField("  QRX-GY*1.10 ,more"), "QRX-GY*1.10");
}

}  // namespace
}  // namespace gyrant
