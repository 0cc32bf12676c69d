#include "text/cell_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <sstream>

#include "text/line_reader.h"
#include "text/windows1252.h"

namespace gyrant {
namespace {

struct NumberCase {
    std::string text;
    double value;
    bool overflow = false;
};

// clang-format off
const NumberCase kNumbers[] = {
    {"3.73", 3.73}, {"   42", 42}, {"\t7", 7}, {"-2.5", -2.5}, {"+2.5", 2.5}, {".5", 0.5},
    {"-.5", -0.5}, {"5.", 5}, {"12abc", 12}, {"3.5.6", 3.5}, {"1e3", 1000}, {"2.5E-1", 0.25},
    {"1d2", 100}, {"4e", 4}, {"4e+", 4}, {"Steel                     1", 0}, {"", 0}, {"   ", 0},
    {"abc", 0}, {".", 0}, {"-", 0}, {"- 5", 0}, {"e5", 0}, {"NaN", 0}, {"inf", 0}, {"-0", 0},
    {"1e308", 1e308}, {"1e-320", 1e-320}, {"1e-999", 0}, {"0." + std::string(400, '0') + "1", 0},
    // Too large to hold reads as 0 and counts as out of range, whatever its exponent.
    {"1e999", 0, true}, {std::string(400, '9'), 0, true},
    {std::string(52, '9') + "e9223372036854775807", 0, true}, {"1e99999999999999999999", 0, true}};
// clang-format on

TEST(NumericValue, ReadsTheLeadingNumberZeroWhenThereIsNoneOrItOverflows) {
    for (const NumberCase& c : kNumbers) {
        SCOPED_TRACE(c.text.substr(0, 60));
        EXPECT_EQ(NumericValue(c.text), c.value);
        EXPECT_EQ(ReadLeadingNumber(c.text).overflow, c.overflow);
    }
}

struct PictureCase {
    double value;
    const char *picture, *expected;
};

// clang-format off
const PictureCase kPictures[] = {
    // Values below 1 lose their leading zero; required decimals are always written.
    {0.5, "####.00", ".50"}, {-0.5, "####.00", "-.50"}, {0, "####.00", ".00"},
    {0, "####.000", ".000"}, {4.1, "##.00", "4.10"}, {3500, "####.00", "3500.00"},
    {349.8456, "######.00", "349.85"},
    // Optional decimals drop their trailing zeros, but the point stays.
    {10, "#####0.##", "10."}, {1, "###.###", "1."}, {0.5, "#####0.##", "0.5"},
    {0, "#####0.##", "0."}, {-9999, "#####0.##", "-9999."}, {9999, "#####0.##", "9999."},
    {0.125, "#####.###", ".125"}, {10.1, "#####0.##", "10.1"},
    // Halves round away from zero on the decimal digits, not on the binary fraction.
    {2.345, "0.00", "2.35"}, {-2.345, "0.00", "-2.35"}, {9.9999, "####.000", "10.000"},
    {0.994, "#####0.##", "0.99"}, {0.996, "#####0.##", "1."},
    // Noise from arithmetic below the 15th digit does not decide a rounding.
    {100 * (1 - 0.9), "#####0.##", "10."}, {0.1 + 0.2, "####.00", ".30"},
    // A negative number that rounds to nothing is written without its sign.
    {-0.001, "####.00", ".00"}, {-0.004, "#####0.##", "0."},
    // The integer part is never cut; very small values; no point writes a whole number.
    {123456789.125, "####.00", "123456789.13"}, {1e20, "####.00", "100000000000000000000.00"},
    {1e-20, "####.00", ".00"}, {4.9e-3, "####.000", ".005"}, {2.5, "###", "3"}, {0.4, "0", "0"},
    // A value that is not finite is written as nothing, never as "inf" or "nan".
    {HUGE_VAL, "####.00", ""}, {-HUGE_VAL, "####.00", ""}, {std::nan(""), "####.00", ""}};
// clang-format on

TEST(FormatPicture, WritesTheNumberAsThePictureSays) {
    for (const auto& [value, picture, expected] : kPictures)
        EXPECT_EQ(FormatPicture(value, picture), expected) << value << " with " << picture;
}

// The text "####.00" should give for hundredths, computed in whole numbers.
std::string Hundredths(long hundredths) {
    std::string fraction = std::to_string(hundredths % 100);
    std::string integer = hundredths >= 100 ? std::to_string(hundredths / 100) : "";
    return integer + "." + (fraction.size() < 2 ? "0" : "") + fraction;
}

TEST(FormatPicture, EveryDecimalHalfRoundsAwayFromZero) {
    for (long i = 0; i < 200000; ++i) {
        double half = static_cast<double>(2 * i + 1) / 200.0;
        ASSERT_EQ(FormatPicture(half, "####.00"), Hundredths(i + 1)) << half;
        ASSERT_EQ(FormatPicture(-half, "####.00"), "-" + Hundredths(i + 1)) << -half;
        ASSERT_EQ(FormatPicture(half - 1e-9, "####.00"), i == 0 ? ".00" : Hundredths(i)) << half;
        ASSERT_EQ(FormatPicture(half + 1e-9, "####.00"), Hundredths(i + 1)) << half;
    }
}

TEST(GeneralForm, LeadsWithABlankOrTheSignDropsTheLeadingZeroAndKeepsItsDigits) {
    // Fifteen digits, then exponent form; single precision keeps seven.
    // clang-format off
    const std::pair<double, const char*> doubles[] = {
        {5.0, " 5"}, {16.0, " 16"}, {0.5, " .5"}, {-0.5, "-.5"}, {-2.5, "-2.5"}, {0.0, " 0"},
        {-0.0, " 0"}, {-1.0, "-1"}, {0.0001, " .0001"}, {0.1 + 0.2, " .3"},
        {1.0 / 3, " .333333333333333"}, {123456789012345.0, " 123456789012345"}, {1e15, " 1E+15"},
        {-2.5e20, "-2.5E+20"}, {0.00001, " 1E-05"}, {1e100, " 1E+100"}};
    const std::pair<float, const char*> singles[] = {{16.001f, " 16.001"}, {0.1f, " .1"},
        {1234567.0f, " 1234567"}, {12345678.0f, " 1.234568E+07"}, {-3.25f, "-3.25"}};
    // clang-format on
    for (auto [value, form] : doubles) EXPECT_EQ(GeneralForm(value), form) << value;
    for (auto [value, form] : singles) EXPECT_EQ(GeneralFormSingle(value), form) << value;
}

TEST(CellConventions, WholeNumbersRoundToEvenAndChoicesAreComposedAndReadBack) {
    const std::pair<double, int> cases[] = {
        {1.4, 1},       {1.6, 2},       {2.5, 2},  {3.5, 4},          {-1.5, -2}, {1e9, 32767},
        {-1e9, -32768}, {1e308, 32767}, {-0.0, 0}, {std::nan(""), 0}, {1e-320, 0}};
    for (auto [value, rounded] : cases) EXPECT_EQ(RoundToInteger(value), rounded) << value;
    for (auto [field, read] : {std::pair{" 1 ", std::optional(1)},
                               {"-1", -1},
                               {"1.6", 2},
                               {"abc", std::nullopt},
                               {"1x", std::nullopt},
                               {"", std::nullopt},
                               {"1e999", std::nullopt}})
        EXPECT_EQ(IntegerField(field), read) << field;
    EXPECT_EQ(ComposeChoice("Steel", 20, 1), "Steel" + std::string(20, ' ') + " 1");
    // The strip reads only the last character, so a kept "no choice" comes back as 1.
    EXPECT_EQ(ChoiceLastCharacter(std::string(30, ' ') + "-1"), 1);
    EXPECT_EQ(ChoiceLastCharacter(""), 0);
    // Whole-number limits end in .001 in single precision.
    for (auto [limit, whole] :
         {std::pair{16.001f, true}, {1000.001f, true}, {16.0f, false}, {16.01f, false}})
        EXPECT_EQ(IsWholeNumberLimit(limit), whole) << limit;
}

TEST(LineReader, ReadsLinesAtCrLfLfOrCrFieldsAcrossCommasAndStopsAtATooLongLine) {
    std::istringstream in("one\r\ntwo\nthree\rfour\r\n16.001, 1,0\r\n 0 \r\nnext line");
    LineReader reader(in);
    std::string text;
    // Each read in turn: a field or a line, and what it gives.
    const std::pair<bool, const char*> reads[] = {
        {false, "one"}, {false, "two"}, {false, "three"}, {false, "four"},     {true, "16.001"},
        {true, "1"},    {true, "0"},    {true, "0"},      {false, "next line"}};
    for (auto [field, read] : reads) {
        ASSERT_TRUE(field ? reader.ReadField(text) : reader.ReadLine(text)) << read;
        EXPECT_EQ(text, read);
    }
    EXPECT_TRUE(reader.AtEnd());
    EXPECT_FALSE(reader.ReadField(text));

    std::istringstream tooLong(std::string(kMostLineBytes, 'x') + "\n" +
                               std::string(kMostLineBytes + 1, 'y') + "\nz");
    LineReader longReader(tooLong);
    EXPECT_TRUE(longReader.ReadLine(text));
    EXPECT_EQ(text.size(), kMostLineBytes);
    EXPECT_FALSE(longReader.ReadLine(text));
    EXPECT_TRUE(longReader.LineTooLong());
    EXPECT_TRUE(longReader.AtEnd());
}

// File names are the file system's UTF-8; messages and reports show them in the cells' bytes.
TEST(Windows1252, EveryByteRoundTripsAndFileNamesKeepTheirCharacters) {
    for (int byte = 0; byte < 256; ++byte)
        EXPECT_EQ(UnicodeToWindows1252(Windows1252ToUnicode(static_cast<unsigned char>(byte))),
                  static_cast<char>(byte));
    EXPECT_EQ(FileNameText("Caf\xC3\xA9 \xE2\x82\xAC car.qrx"), "Caf\xE9 \x80 car.qrx");
    EXPECT_EQ(FileNameText("\xE6\x97\xA5 \xF0\x9F\x9A\x97.qrx"), "? ?.qrx");
    EXPECT_EQ(FileNameText("latin1 \xE9 cut \xC3"), "latin1 ? cut ?");
    EXPECT_EQ(ShownFileName("Caf\xC3\xA9 \xFF.qrx"), "Caf\xC3\xA9 ?.qrx");
    EXPECT_EQ(ShownFileName("long \xC0\xAF surrogate \xED\xA0\x80"), "long ?? surrogate ???");
    EXPECT_EQ(Utf8Text("Caf\xE9 \x80 \x81"), "Caf\xC3\xA9 \xE2\x82\xAC \xC2\x81");
}

}  // namespace
}  // namespace gyrant
