#pragma once

// The conventions every cell, message and data file of the worksheet follows:
// how a text is read as a number, and how numbers and choices are written as text.

#include <string>
#include <string_view>

namespace gyrant {

// The leading number of a text, as the worksheet reads every cell.
struct LeadingNumber {
    double value = 0.0;
    bool found = false;      // the text starts (after blanks) with a number
    bool overflow = false;   // the number is too large to hold; value is then 0
    std::size_t length = 0;  // characters read, leading blanks and sign included
};

// Reads the number a text starts with: leading blanks skipped, optional sign, digits,
// point, exponent; reading stops at the first character that cannot continue it.
LeadingNumber ReadLeadingNumber(std::string_view text);

// The numeric value of a text: its leading number, 0 when there is none or it overflows.
double NumericValue(std::string_view text);

// Rounds to the nearest whole number, halves to the even neighbour, as integer settings
// and list positions are read; clamped to the range of a 16-bit integer.
int RoundToInteger(double value);

// Writes a number with a picture such as "####.00": "#" an optional digit, "0" a required
// one, the point always written, the integer part never cut; rounds half away from zero on
// the 15 significant digits of the value, so 2.345 with "0.00" gives "2.35".
// A value that is not finite is written as an empty text.
std::string FormatPicture(double value, std::string_view picture);

// The general number form of a double: a blank before a non-negative number, the minus sign
// otherwise, shortest form without a leading zero (" .5", " 16", "-2.5"), 15 significant
// digits, exponent form ("1E+15") beyond that range.
std::string GeneralForm(double value);

// The general number form of a single-precision number: as GeneralForm, 7 significant digits.
std::string GeneralFormSingle(float value);

// GeneralForm without its leading blank, as a number typed into a field is normalised.
std::string PlainNumber(double value);

// True when a limit marks an input that takes whole numbers only: its single-precision
// general form contains ".001" (16.001 allows 1 to 16).
bool IsWholeNumberLimit(float highLimit);

// A choice cell: the item's text, the given number of blanks, then the position in
// general number form (" 1", or "-1" when nothing was chosen).
std::string ComposeChoice(std::string_view item, int blanks, int position);
// The blanks between a choice and its position: wide in a choice row's Value and an engine
// part's units, narrower in a part's material and units lists.
inline constexpr int kValueChoicePadding = 30;
inline constexpr int kPartChoicePadding = 20;

// The numeric value of a choice cell's last character (the strip's reading of a position).
int ChoiceLastCharacter(std::string_view cell);

// The number held in the last `count` characters of a cell, blanks trimmed.
int ChoiceNumberInLast(std::string_view cell, std::size_t count);

// The text without blanks (spaces) at either end; a tab is not a blank.
std::string_view TrimBlanks(std::string_view text);

// True when the text is empty or holds only blanks (spaces).
bool IsBlank(std::string_view text);

// A refused text as a message echoes it: quoted, and cut short when long, so that a pasted page
// or a damaged kept file gives a message a window can show.
std::string QuotedForMessage(std::string_view text);

// True when the text contains the word (the worksheet's substring test).
bool Contains(std::string_view text, std::string_view word);

// The text in upper case (single-byte letters a to z only).
std::string UpperCase(std::string_view text);

// True when a Units text means grams: it begins with "GM" in any letter case.
bool IsGramsUnit(std::string_view unitsText);

}  // namespace gyrant
