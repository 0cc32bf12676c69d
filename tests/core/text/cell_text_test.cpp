#include "text/cell_text.h"

#include <gtest/gtest.h>

#include <cmath>

namespace gyrant {
namespace {

struct NumberCase {
    std::string text;
    double value;
    bool overflow = false;
};

class NumericValueTest : public ::testing::TestWithParam<NumberCase> {};

TEST_P(NumericValueTest, ReadsTheLeadingNumberZeroWhenThereIsNoneOrItOverflows) {
    const NumberCase& c = GetParam();
    EXPECT_EQ(NumericValue(c.text), c.value) << c.text.substr(0, 60);
    EXPECT_EQ(ReadLeadingNumber(c.text).overflow, c.overflow) << c.text.substr(0, 60);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, NumericValueTest,
    ::testing::Values(
        NumberCase{"3.73", 3.73}, NumberCase{"   42", 42}, NumberCase{"\t7", 7},
        NumberCase{"-2.5", -2.5}, NumberCase{"+2.5", 2.5}, NumberCase{".5", 0.5},
        NumberCase{"-.5", -0.5}, NumberCase{"5.", 5}, NumberCase{"12abc", 12},
        NumberCase{"3.5.6", 3.5}, NumberCase{"1e3", 1000}, NumberCase{"2.5E-1", 0.25},
        NumberCase{"1d2", 100}, NumberCase{"4e", 4}, NumberCase{"4e+", 4},
        NumberCase{"Steel                     1", 0}, NumberCase{"", 0}, NumberCase{"   ", 0},
        NumberCase{"abc", 0}, NumberCase{".", 0}, NumberCase{"-", 0}, NumberCase{"- 5", 0},
        NumberCase{"e5", 0}, NumberCase{"NaN", 0}, NumberCase{"inf", 0}, NumberCase{"-0", 0},
        NumberCase{"1e308", 1e308}, NumberCase{"1e-320", 1e-320}, NumberCase{"1e-999", 0},
        NumberCase{"0." + std::string(400, '0') + "1", 0},
        // Too large to hold reads as 0 and counts as out of range, whatever its exponent.
        NumberCase{"1e999", 0, true}, NumberCase{std::string(400, '9'), 0, true},
        NumberCase{std::string(52, '9') + "e9223372036854775807", 0, true},
        NumberCase{"1e99999999999999999999", 0, true}));

TEST(RoundToInteger, RoundsHalvesToEvenAndClampsToSixteenBits) {
    const std::pair<double, int> cases[] = {
        {1.4, 1},       {1.6, 2},       {2.5, 2},  {3.5, 4},          {-1.5, -2}, {1e9, 32767},
        {-1e9, -32768}, {1e308, 32767}, {-0.0, 0}, {std::nan(""), 0}, {1e-320, 0}};
    for (auto [value, rounded] : cases) EXPECT_EQ(RoundToInteger(value), rounded) << value;
}

struct PictureCase {
    double value;
    const char* picture;
    const char* expected;
};

class FormatPictureTest : public ::testing::TestWithParam<PictureCase> {};

TEST_P(FormatPictureTest, WritesTheNumberAsThePictureSays) {
    const PictureCase& c = GetParam();
    EXPECT_EQ(FormatPicture(c.value, c.picture), c.expected) << c.value << " with " << c.picture;
}

INSTANTIATE_TEST_SUITE_P(
    Pictures, FormatPictureTest,
    ::testing::Values(
        // Values below 1 lose their leading zero; required decimals are always written.
        PictureCase{0.5, "####.00", ".50"}, PictureCase{-0.5, "####.00", "-.50"},
        PictureCase{0, "####.00", ".00"}, PictureCase{0, "####.000", ".000"},
        PictureCase{4.1, "##.00", "4.10"}, PictureCase{3500, "####.00", "3500.00"},
        PictureCase{349.8456, "######.00", "349.85"},
        // Optional decimals drop their trailing zeros, but the point stays.
        PictureCase{10, "#####0.##", "10."}, PictureCase{1, "###.###", "1."},
        PictureCase{0.5, "#####0.##", "0.5"}, PictureCase{0, "#####0.##", "0."},
        PictureCase{-9999, "#####0.##", "-9999."}, PictureCase{9999, "#####0.##", "9999."},
        PictureCase{0.125, "#####.###", ".125"}, PictureCase{10.1, "#####0.##", "10.1"},
        // Halves round away from zero on the decimal digits, not on the binary fraction.
        PictureCase{2.345, "0.00", "2.35"}, PictureCase{-2.345, "0.00", "-2.35"},
        PictureCase{1.005, "####.00", "1.01"}, PictureCase{0.125, "####.00", ".13"},
        PictureCase{2.675, "####.00", "2.68"}, PictureCase{99.995, "####.00", "100.00"},
        PictureCase{9.9999, "####.000", "10.000"}, PictureCase{0.994, "#####0.##", "0.99"},
        PictureCase{0.996, "#####0.##", "1."},
        // Noise from arithmetic below the 15th digit does not decide a rounding.
        PictureCase{100 * (1 - 0.9), "#####0.##", "10."}, PictureCase{0.1 + 0.2, "####.00", ".30"},
        // A negative number that rounds to nothing is written without its sign.
        PictureCase{-0.001, "####.00", ".00"}, PictureCase{-0.004, "#####0.##", "0."},
        // The integer part is never cut, however large.
        PictureCase{123456789.125, "####.00", "123456789.13"},
        PictureCase{1e20, "####.00", "100000000000000000000.00"},
        // Very small values.
        PictureCase{1e-20, "####.00", ".00"}, PictureCase{4.9e-3, "####.000", ".005"},
        // A picture without a point writes a whole number.
        PictureCase{2.5, "###", "3"}, PictureCase{0.4, "0", "0"},
        // A value that is not finite is written as nothing, never as "inf" or "nan".
        PictureCase{HUGE_VAL, "####.00", ""}, PictureCase{-HUGE_VAL, "####.00", ""},
        PictureCase{std::nan(""), "####.00", ""}));

// The text "####.00" should give for hundredths, computed in whole numbers.
std::string Hundredths(long hundredths) {
    std::string fraction = std::to_string(hundredths % 100);
    std::string integer = hundredths >= 100 ? std::to_string(hundredths / 100) : "";
    return integer + "." + (fraction.size() < 2 ? "0" : "") + fraction;
}

TEST(FormatPicture, EveryDecimalHalfRoundsAwayFromZero) {
    for (long i = 0; i < 200000; ++i) {
        double half = (2 * i + 1) / 200.0;
        ASSERT_EQ(FormatPicture(half, "####.00"), Hundredths(i + 1)) << half;
        ASSERT_EQ(FormatPicture(-half, "####.00"), "-" + Hundredths(i + 1)) << -half;
        ASSERT_EQ(FormatPicture(half - 1e-9, "####.00"), i == 0 ? ".00" : Hundredths(i)) << half;
        ASSERT_EQ(FormatPicture(half + 1e-9, "####.00"), Hundredths(i + 1)) << half;
    }
}

TEST(GeneralForm, LeadsWithABlankOrTheSignDropsTheLeadingZeroAndKeepsItsDigits) {
    // Fifteen digits, then exponent form.
    const std::pair<double, const char*> doubles[] = {{5, " 5"},
                                                      {16, " 16"},
                                                      {0.5, " .5"},
                                                      {-0.5, "-.5"},
                                                      {-2.5, "-2.5"},
                                                      {0, " 0"},
                                                      {-0.0, " 0"},
                                                      {-1, "-1"},
                                                      {0.0001, " .0001"},
                                                      {0.1 + 0.2, " .3"},
                                                      {1.0 / 3, " .333333333333333"},
                                                      {123456789012345.0, " 123456789012345"},
                                                      {1e15, " 1E+15"},
                                                      {-2.5e20, "-2.5E+20"},
                                                      {0.00001, " 1E-05"},
                                                      {1e100, " 1E+100"}};
    for (auto [value, text] : doubles) EXPECT_EQ(GeneralForm(value), text);
    // Single precision keeps seven.
    const std::pair<float, const char*> singles[] = {{16.001f, " 16.001"},
                                                     {0.1f, " .1"},
                                                     {1234567.0f, " 1234567"},
                                                     {12345678.0f, " 1.234568E+07"},
                                                     {-3.25f, "-3.25"}};
    for (auto [value, text] : singles) EXPECT_EQ(GeneralFormSingle(value), text);
}

TEST(CellConventions, ChoicesAreReadFromTheirEndWhateverTheBlanks) {
    const std::string blanks(30, ' ');
    EXPECT_EQ(ComposeChoice("Steel", 20, 1), "Steel" + std::string(20, ' ') + " 1");
    EXPECT_EQ(ComposeChoice("", 30, -1), blanks + "-1");
    const std::tuple<std::string, std::size_t, int> lastNumbers[] = {
        {"Steel" + blanks + " 1", 4, 1},
        {"Yes, Very High Stall (very loose)" + blanks + " 4", 6, 4},
        {blanks + "-1", 6, -1},
        {"CrbnFbr", 4, 0},
        {"", 4, 0},
        {"2", 6, 2}};
    for (auto [cell, count, number] : lastNumbers)
        EXPECT_EQ(ChoiceNumberInLast(cell, count), number) << cell;
    // The strip reads only the last character, so a kept "no choice" comes back as 1.
    EXPECT_EQ(ChoiceLastCharacter(blanks + "-1"), 1);
    EXPECT_EQ(ChoiceLastCharacter(""), 0);
    // Whole-number limits end in .001 in single precision; grams are "GM" in any case.
    EXPECT_TRUE(IsWholeNumberLimit(16.001f) && IsWholeNumberLimit(1000.001f));
    EXPECT_FALSE(IsWholeNumberLimit(16.0f) || IsWholeNumberLimit(16.01f));
    EXPECT_TRUE(IsGramsUnit("Gms" + blanks + " 1") && IsGramsUnit("gm"));
    EXPECT_FALSE(IsGramsUnit("Lbs") || IsGramsUnit(" Gms") || IsGramsUnit("G") || IsGramsUnit(""));
}

}  // namespace
}  // namespace gyrant
