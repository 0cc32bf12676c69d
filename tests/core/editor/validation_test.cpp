#include "editor/validation.h"

#include <gtest/gtest.h>


namespace gyrant {
namespace {

class ValidationTest : public ::testing::Test {
protected:
    ValidationTest() {
        rows.RowHighLimit[9] = {16.001f, 0, 0, 0};
        rows.RowLowLimit[9] = {1, 0, 0, 0};
        rows.RowHighLimit[20] = {10, 10, 80, 4};
    }
    // Types into a field of a row and leaves it; returns the warning, empty when accepted.
    std::string Enter(int row, int field, const std::string& text, bool grams = false) {
        strip.Field(kColUnits).listIndex = grams ? 1 : 0;
        strip.PrevSpecText = "previous";
        strip.Field(field).text = text;
        return ValidateEntry(rows, row, strip, field).value_or("");
    }
    RowDefinitions rows;
    EditStrip strip;
};

TEST_F(ValidationTest, WholeNumberRowsRoundAndShowTheirRange) {
    EXPECT_EQ(Enter(9, kColValue, "16.4"), "");
    EXPECT_EQ(strip.Field(kColValue).text, "16");
    EXPECT_EQ(Enter(9, kColValue, "1"), "");
    EXPECT_EQ(Enter(9, kColValue, "16.6"), "Value = 17.  Value must be between  1 and  16 .");
    EXPECT_EQ(strip.Field(kColValue).text, "previous");
    EXPECT_EQ(Enter(9, kColValue, "0.4"), "Value = 0.  Value must be between  1 and  16 .");
    EXPECT_EQ(Enter(9, kColValue, "eight"), "Value = 0.  Value must be between  1 and  16 .");
}

TEST_F(ValidationTest, NumbersAreNormalisedAndLimitsAreInclusive) {
    EXPECT_EQ(Enter(20, kColOD, "10"), "");
    EXPECT_EQ(Enter(20, kColOD, "3.50"), "");
    EXPECT_EQ(strip.Field(kColOD).text, "3.5");
    EXPECT_EQ(Enter(20, kColOD, "0.5abc"), "");
    EXPECT_EQ(strip.Field(kColOD).text, ".5");
    EXPECT_EQ(Enter(20, kColOD, ""), "");
    EXPECT_EQ(strip.Field(kColOD).text, "");
    EXPECT_EQ(Enter(20, kColOD, "10.01"), "O.D. = 10.01.  Value must be between  0 and  10 .");
    EXPECT_EQ(Enter(20, kColWidth, "-1"), "Width = -1.  Value must be between  0 and  80 .");
    EXPECT_EQ(Enter(20, kColOD, "1e999"), "O.D. = 1e999.  Value must be between  0 and  10 .");
}

TEST_F(ValidationTest, WeightsInGramsAreCheckedAtFourHundredFiftyToThePound) {
    EXPECT_EQ(Enter(20, kColWeight, "2000", true), "Weight = 2000.  Value must be between  0 and  1800 .");
    EXPECT_EQ(Enter(20, kColWeight, "1800", true), "");
    EXPECT_EQ(Enter(20, kColWeight, "5", false), "Weight = 5.  Value must be between  0 and  4 .");
    // Only weights are in grams: a diameter keeps its limits.
    EXPECT_NE(Enter(20, kColOD, "11", true), "");
}

}  // namespace
}  // namespace gyrant
