#include "text/cell_text.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <system_error>

namespace gyrant {
namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsBlankChar(char c) { return c == ' ' || c == '\t'; }

// Length of the unsigned number the text starts with; 0 when it does not start with one.
std::size_t NumberLength(std::string_view text) {
    std::size_t i = 0;
    std::size_t digits = 0;
    while (i < text.size() && IsDigit(text[i])) ++i, ++digits;
    if (i < text.size() && text[i] == '.') {
        ++i;
        while (i < text.size() && IsDigit(text[i])) ++i, ++digits;
    }
    if (digits == 0) return 0;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E' || text[i] == 'd' || text[i] == 'D')) {
        std::size_t j = i + 1;
        if (j < text.size() && (text[j] == '+' || text[j] == '-')) ++j;
        if (j < text.size() && IsDigit(text[j])) {
            while (j < text.size() && IsDigit(text[j])) ++j;
            i = j;
        }
    }
    return i;
}

// The power of ten of a number's first significant digit (only its sign matters here).
long long DecimalMagnitude(std::string_view number) {
    std::size_t exponentAt = number.find_first_of("eE");
    std::string_view mantissa = number.substr(0, exponentAt);
    long long exponent = 0;
    if (exponentAt != std::string_view::npos) {
        std::string_view e = number.substr(exponentAt + 1);
        if (!e.empty() && e.front() == '+') e.remove_prefix(1);
        if (std::from_chars(e.data(), e.data() + e.size(), exponent).ec != std::errc{})
            exponent = e.starts_with('-') ? -1000000 : 1000000;
    }
    std::size_t point = std::min(mantissa.find('.'), mantissa.size());
    std::size_t first = mantissa.find_first_of("123456789");
    if (first == std::string_view::npos) return -1;
    long long position = first < point ? static_cast<long long>(point - first - 1)
                                       : -static_cast<long long>(first - point);
    return position + exponent;
}

// A number as decimal digits: value = 0.digits x 10^pointPosition.
struct DecimalDigits {
    std::string digits;
    int pointPosition = 0;
};

// The 15 significant digits of a finite magnitude, the precision cells are written with.
DecimalDigits SignificantDigits(double magnitude) {
    std::array<char, 64> buffer{};
    auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), magnitude,
                                std::chars_format::scientific, 14);
    std::string_view text(buffer.data(), static_cast<std::size_t>(result.ptr - buffer.data()));
    std::size_t e = text.find('e');
    DecimalDigits d;
    for (char c : text.substr(0, e))
        if (IsDigit(c)) d.digits += c;
    int exponent = 0;
    std::string_view exponentText = text.substr(e + 1);
    if (!exponentText.empty() && exponentText.front() == '+') exponentText.remove_prefix(1);
    std::from_chars(exponentText.data(), exponentText.data() + exponentText.size(), exponent);
    d.pointPosition = exponent + 1;
    return d;
}

// Rounds half away from zero to `decimals` places after the point.
void RoundDigits(DecimalDigits& d, int decimals) {
    int keep = d.pointPosition + decimals;
    if (keep < 0) {
        d.digits.clear();
        return;
    }
    if (static_cast<std::size_t>(keep) >= d.digits.size()) return;
    bool roundUp = d.digits[static_cast<std::size_t>(keep)] >= '5';
    d.digits.resize(static_cast<std::size_t>(keep));
    if (!roundUp) return;
    for (auto it = d.digits.rbegin(); it != d.digits.rend(); ++it) {
        if (*it != '9') {
            ++*it;
            return;
        }
        *it = '0';
    }
    d.digits.insert(d.digits.begin(), '1');
    ++d.pointPosition;
}

std::string IntegerDigits(const DecimalDigits& d) {
    if (d.pointPosition <= 0) return {};
    std::string digits = d.digits.substr(0, static_cast<std::size_t>(d.pointPosition));
    digits.resize(static_cast<std::size_t>(d.pointPosition), '0');
    std::size_t firstNonZero = digits.find_first_not_of('0');
    return firstNonZero == std::string::npos ? std::string{} : digits.substr(firstNonZero);
}

std::string FractionDigits(const DecimalDigits& d, int decimals) {
    std::string fraction;
    if (d.pointPosition < 0) fraction.assign(static_cast<std::size_t>(-d.pointPosition), '0');
    if (static_cast<std::size_t>(std::max(d.pointPosition, 0)) < d.digits.size())
        fraction += d.digits.substr(static_cast<std::size_t>(std::max(d.pointPosition, 0)));
    fraction.resize(static_cast<std::size_t>(decimals), '0');
    return fraction;
}

std::string GeneralFormWithPrecision(double value, int precision) {
    if (!std::isfinite(value)) return {};
    if (value == 0.0) return " 0";
    std::array<char, 64> buffer{};
    auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), std::fabs(value),
                                std::chars_format::general, precision);
    std::string text(buffer.data(), result.ptr);
    std::transform(text.begin(), text.end(), text.begin(), [](char c) { return c == 'e' ? 'E' : c; });
    if (text.starts_with("0.")) text.erase(0, 1);
    return (value < 0 ? "-" : " ") + text;
}

}  // namespace

LeadingNumber ReadLeadingNumber(std::string_view text) {
    std::size_t start = 0;
    while (start < text.size() && IsBlankChar(text[start])) ++start;
    bool negative = false;
    if (start < text.size() && (text[start] == '+' || text[start] == '-')) {
        negative = text[start] == '-';
        ++start;
    }
    std::string_view rest = text.substr(start);
    std::size_t length = NumberLength(rest);
    if (length == 0) return {};
    std::string number(rest.substr(0, length));
    std::replace_if(number.begin(), number.end(), [](char c) { return c == 'd' || c == 'D'; }, 'e');
    LeadingNumber result;
    result.found = true;
    result.length = start + length;
    auto parsed = std::from_chars(number.data(), number.data() + number.size(), result.value);
    if (parsed.ec == std::errc::result_out_of_range) {
        // Too small to hold reads as 0; too large is an overflow.
        result.overflow = DecimalMagnitude(number) > 0;
        result.value = 0.0;
        return result;
    }
    if (negative) result.value = -result.value;
    return result;
}

double NumericValue(std::string_view text) { return ReadLeadingNumber(text).value; }

int RoundToInteger(double value) {
    if (std::isnan(value)) return 0;
    double rounded = std::nearbyint(std::clamp(value, -32768.0, 32767.0));
    return static_cast<int>(rounded);
}

std::string FormatPicture(double value, std::string_view picture) {
    if (!std::isfinite(value)) return {};
    std::size_t point = picture.find('.');
    std::string_view integerPicture = picture.substr(0, point);
    std::string_view fractionPicture =
        point == std::string_view::npos ? std::string_view{} : picture.substr(point + 1);
    int decimals = static_cast<int>(fractionPicture.size());

    DecimalDigits d = SignificantDigits(std::fabs(value));
    RoundDigits(d, decimals);
    std::string integer = IntegerDigits(d);
    std::string fraction = FractionDigits(d, decimals);

    auto requiredInteger = static_cast<std::size_t>(std::count(integerPicture.begin(), integerPicture.end(), '0'));
    if (integer.size() < requiredInteger) integer.insert(0, requiredInteger - integer.size(), '0');
    while (!fraction.empty() && fraction.back() == '0' && fractionPicture[fraction.size() - 1] == '#')
        fraction.pop_back();

    bool isZero = integer.find_first_not_of('0') == std::string::npos &&
                  fraction.find_first_not_of('0') == std::string::npos;
    std::string text = (value < 0 && !isZero) ? "-" : "";
    text += integer;
    if (point != std::string_view::npos) text += "." + fraction;
    return text;
}

std::string GeneralForm(double value) { return GeneralFormWithPrecision(value, 15); }

std::string GeneralFormSingle(float value) {
    return GeneralFormWithPrecision(static_cast<double>(value), 7);
}

std::string PlainNumber(double value) {
    std::string text = GeneralForm(value);
    return text.starts_with(' ') ? text.substr(1) : text;
}

bool IsWholeNumberLimit(float highLimit) { return Contains(GeneralFormSingle(highLimit), ".001"); }

std::string ComposeChoice(std::string_view item, int blanks, int position) {
    std::string cell(item);
    cell.append(static_cast<std::size_t>(std::max(blanks, 0)), ' ');
    return cell + GeneralForm(position);
}

int ChoiceLastCharacter(std::string_view cell) {
    return cell.empty() ? 0 : RoundToInteger(NumericValue(cell.substr(cell.size() - 1)));
}

int ChoiceNumberInLast(std::string_view cell, std::size_t count) {
    std::string_view tail = cell.size() > count ? cell.substr(cell.size() - count) : cell;
    return RoundToInteger(NumericValue(TrimBlanks(tail)));
}

std::string_view TrimBlanks(std::string_view text) {
    std::size_t first = 0;
    while (first < text.size() && IsBlankChar(text[first])) ++first;
    std::size_t last = text.size();
    while (last > first && IsBlankChar(text[last - 1])) --last;
    return text.substr(first, last - first);
}

bool IsBlank(std::string_view text) { return TrimBlanks(text).empty(); }

bool Contains(std::string_view text, std::string_view word) {
    return text.find(word) != std::string_view::npos;
}

std::string UpperCase(std::string_view text) {
    std::string upper(text);
    for (char& c : upper)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return upper;
}

bool IsGramsUnit(std::string_view unitsText) { return UpperCase(unitsText.substr(0, 2)) == "GM"; }

}  // namespace gyrant
