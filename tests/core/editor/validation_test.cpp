#include "editor/validation.h"

#include <gtest/gtest.h>

namespace gyrant {
namespace {

// Every limit is inclusive at its own precision; whole-number rows round; grams are checked at
// 450 to the pound, and only where the field holds a weight. A refused entry stays normalised
// in the box, to be read beside its warning.
TEST(Validation, EntriesAreNormalisedAndCheckedAgainstTheRowsLimitsAndEachOther) {
    RowDefinitions rows;
    rows.RowHighLimit[4] = {7, 0, 0, 0};
    rows.RowLowLimit[4] = {0.4f, 0, 0, 0};
    rows.RowHighLimit[9] = {16.001f, 0, 0, 0};
    rows.RowLowLimit[9] = {1, 0, 0, 0};
    rows.RowHighLimit[20] = {10, 10, 80, 4.1f};
    EditStrip strip;
    // Types into a field of a row and leaves it; returns the warning, empty when accepted.
    auto enter = [&](int row, int field, const std::string& text, bool grams = false) {
        strip.Field(kColUnits).listIndex = grams ? 1 : 0;
        strip.Field(field).text = text;
        return ValidateEntry(rows, row, strip, field).value_or("");
    };
    // Row, field, the text typed, in grams, the warning and the text the box keeps.
    const std::tuple<int, int, const char*, bool, const char*, const char*> cases[] = {
        {4, kColValue, "0.4", false, "", ".4"},
        {4, kColValue, "7", false, "", "7"},
        {4, kColValue, ".39", false, "Value = .39.  Value must be between  .4 and  7 .", ".39"},
        {20, kColWeight, "4.1", false, "", "4.1"},
        {9, kColValue, "16.4", false, "", "16"},
        {9, kColValue, "16.6", false, "Value = 17.  Value must be between  1 and  16 .", "17"},
        {9, kColValue, "eight", false, "Value = 0.  Value must be between  1 and  16 .", "0"},
        {20, kColOD, "0.5abc", false, "", ".5"},
        {20, kColOD, "", false, "", ""},
        {20, kColOD, "10.01", false, "O.D. = 10.01.  Value must be between  0 and  10 .", "10.01"},
        {20, kColOD, "1e999", false, "O.D. = 1e999.  Value must be between  0 and  10 .", "1e999"},
        {20, kColWeight, "2000", true, "Weight = 2000.  Value must be between  0 and  1845 .",
         "2000"},
        {20, kColWeight, "1845", true, "", "1845"},
        {20, kColOD, "11", true, "O.D. = 11.  Value must be between  0 and  10 .", "11"}};
    for (const auto& [row, field, typed, grams, message, kept] : cases) {
        EXPECT_EQ(enter(row, field, typed, grams), message) << typed;
        EXPECT_EQ(strip.Field(field).text, kept) << typed;
    }
    // The I.D. must stay below the O.D.
    strip.Field(kColOD).text = "1";
    EXPECT_EQ(enter(20, kColID, "9.5"),
              "I.D. = 9.5 and O.D. = 1.  The I.D. must be below the O.D.");
    EXPECT_EQ(enter(20, kColID, "1"), "I.D. = 1 and O.D. = 1.  The I.D. must be below the O.D.");
    EXPECT_EQ(enter(20, kColID, ".9"), "");
    EXPECT_EQ(enter(20, kColOD, ".8"), "O.D. = .8 and I.D. = .9.  The I.D. must be below the O.D.");
    // A wheel has no I.D. to compare; an I.D. typed before the O.D. waits for it.
    strip.Field(kColID).shown = false;
    EXPECT_EQ(enter(20, kColOD, ".8"), "");
    strip.Field(kColID).shown = true;
    strip.Field(kColOD).text = "";
    EXPECT_EQ(enter(20, kColID, "3"), "");
}

}  // namespace
}  // namespace gyrant
