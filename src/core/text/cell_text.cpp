#include "text/cell_text.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <optional>
#include <system_error>

namespace gyrant {
namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}
bool IsBlankChar(char c) {
    return c == ' ' || c == '\t';
}
bool IsExponentMark(char c) {
    return c == 'e' || c == 'E' || c == 'd' || c == 'D';
}

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
    if (i < text.size() && IsExponentMark(text[i])) {
        std::size_t j = i + 1;
        if (j < text.size() && (text[j] == '+' || text[j] == '-')) ++j;
        if (j < text.size() && IsDigit(text[j])) {
            while (j < text.size() && IsDigit(text[j])) ++j;
            i = j;
        }
    }
    return i;
}

constexpr double kPowersOfTen[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                   1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                   1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};

// Digits with an optional point, read in one pass; exact while the digits fit a double's
// mantissa, where the value is one correctly rounded division by a power of ten.
struct PlainDecimal {
    std::size_t length = 0;  // characters read
    std::size_t digits = 0;
    std::uint64_t mantissa = 0;
    int fractionDigits = 0;
    bool exact = true;

    double Value() const { return static_cast<double>(mantissa) / kPowersOfTen[fractionDigits]; }
    bool IsExact() const { return exact && fractionDigits <= 22; }
};

// Adds the digits at `at` to the decimal; returns where they end.
std::size_t AddDigits(std::string_view text, std::size_t at, PlainDecimal& d) {
    constexpr std::uint64_t kLargestExact = std::uint64_t{1} << 53;
    std::size_t start = at;
    for (; at < text.size() && IsDigit(text[at]); ++at) {
        if (d.mantissa > kLargestExact / 10) d.exact = false;
        d.mantissa = d.mantissa * 10 + static_cast<std::uint64_t>(text[at] - '0');
    }
    d.digits += at - start;
    return at;
}

PlainDecimal ReadPlainDecimal(std::string_view text) {
    PlainDecimal d;
    std::size_t at = AddDigits(text, 0, d);
    if (at < text.size() && text[at] == '.') {
        std::size_t fractionEnd = AddDigits(text, at + 1, d);
        d.fractionDigits = static_cast<int>(fractionEnd - at - 1);
        at = fractionEnd;
    }
    d.length = at;
    return d;
}

// The power of ten of a number's first significant digit (only its sign matters here).
long long DecimalMagnitude(std::string_view number) {
    std::size_t exponentAt = number.find_first_of("eE");
    std::string_view mantissa = number.substr(0, exponentAt);
    long long exponent = 0;
    if (exponentAt != std::string_view::npos) {
        std::string_view e = number.substr(exponentAt + 1);
        if (!e.empty() && e.front() == '+') e.remove_prefix(1);
        // Any exponent beyond a million is as good as one of a million, and adding the point's
        // position to it then cannot overflow.
        constexpr long long kFarExponent = 1000000;
        if (std::from_chars(e.data(), e.data() + e.size(), exponent).ec != std::errc{})
            exponent = e.starts_with('-') ? -kFarExponent : kFarExponent;
        exponent = std::clamp(exponent, -kFarExponent, kFarExponent);
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

// A picture split at its point.
struct Picture {
    std::string_view integer;
    std::string_view fraction;
    bool hasPoint = false;
    std::size_t requiredInteger = 0;  // the "0"s before the point
    int Decimals() const { return static_cast<int>(fraction.size()); }
};

Picture SplitPicture(std::string_view picture) {
    std::size_t point = picture.find('.');
    Picture split{picture.substr(0, point), {}, point != std::string_view::npos, 0};
    if (split.hasPoint) split.fraction = picture.substr(point + 1);
    split.requiredInteger =
        static_cast<std::size_t>(std::count(split.integer.begin(), split.integer.end(), '0'));
    return split;
}

// Drops the trailing zeros the picture marks as optional.
std::string_view TrimOptionalZeros(std::string_view fraction, const Picture& picture) {
    while (!fraction.empty() && fraction.back() == '0' &&
           picture.fraction[fraction.size() - 1] == '#')
        fraction.remove_suffix(1);
    return fraction;
}

// Writes rounded digits as the picture says: required zeros added, optional trailing zeros
// dropped, the sign only when something other than zeros is shown.
std::string Assemble(bool negative, std::string_view integer, std::string_view fraction,
                     const Picture& picture) {
    std::size_t requiredInteger = picture.requiredInteger;
    fraction = TrimOptionalZeros(fraction, picture);
    bool isZero = integer.find_first_not_of('0') == std::string_view::npos &&
                  fraction.find_first_not_of('0') == std::string_view::npos;
    std::string text;
    text.reserve(integer.size() + fraction.size() + requiredInteger + 2);
    if (negative && !isZero) text += '-';
    if (integer.size() < requiredInteger) text.append(requiredInteger - integer.size(), '0');
    text += integer;
    if (picture.hasPoint) (text += '.') += fraction;
    return text;
}

// Rounds half away from zero on the value's 15 significant digits, through its decimal digits.
std::string FormatExactly(double value, const Picture& picture) {
    DecimalDigits d = SignificantDigits(std::fabs(value));
    RoundDigits(d, picture.Decimals());
    return Assemble(value < 0, IntegerDigits(d), FractionDigits(d, picture.Decimals()), picture);
}

// The same rounding in binary, for values that are not near a half at the last decimal: there
// the 15-digit step cannot move them across it. Nothing when the value needs the exact path.
std::optional<std::string> FormatQuickly(double value, const Picture& picture) {
    int decimals = picture.Decimals();
    if (decimals > 6) return std::nullopt;
    double scaled = std::fabs(value) * kPowersOfTen[decimals];
    if (!(scaled < 1e15)) return std::nullopt;
    double whole = std::floor(scaled);
    double fraction = scaled - whole;
    if (std::fabs(fraction - 0.5) <= 1e-13 * scaled) return std::nullopt;
    auto digits = static_cast<std::uint64_t>(whole) + (fraction > 0.5 ? 1 : 0);
    auto unit = static_cast<std::uint64_t>(kPowersOfTen[decimals]);
    std::uint64_t integer = digits / unit;

    std::array<char, 24> integerText;
    char* integerEnd = integerText.data();
    if (integer != 0)
        integerEnd = std::to_chars(integerText.data(), integerText.data() + 24, integer).ptr;
    auto integerDigits = static_cast<std::size_t>(integerEnd - integerText.data());
    std::size_t padding =
        integerDigits < picture.requiredInteger ? picture.requiredInteger - integerDigits : 0;

    std::string text(1 + padding + integerDigits + 1 + static_cast<std::size_t>(decimals), '0');
    char* end = text.data();
    if (value < 0 && digits != 0) *end++ = '-';
    end = std::copy(integerText.data(), integerEnd, end + padding);
    if (picture.hasPoint) {
        *end++ = '.';
        std::uint64_t rest = digits % unit;
        for (int i = decimals - 1; i >= 0; --i, rest /= 10)
            end[i] = static_cast<char>('0' + rest % 10);
        end += TrimOptionalZeros(std::string_view(end, static_cast<std::size_t>(decimals)), picture)
                   .size();
    }
    text.resize(static_cast<std::size_t>(end - text.data()));
    return text;
}

std::string GeneralFormWithPrecision(double value, int precision) {
    if (!std::isfinite(value)) return {};
    if (value == 0.0) return " 0";
    std::array<char, 64> buffer{};
    auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), std::fabs(value),
                                std::chars_format::general, precision);
    std::string text(buffer.data(), result.ptr);
    std::transform(text.begin(), text.end(), text.begin(),
                   [](char c) { return c == 'e' ? 'E' : c; });
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
    PlainDecimal plain = ReadPlainDecimal(rest);
    if (plain.digits == 0) return {};
    std::size_t length = plain.length;
    if (length < rest.size() && IsExponentMark(rest[length])) length = NumberLength(rest);
    LeadingNumber result;
    result.found = true;
    result.length = start + length;
    if (length == plain.length && plain.IsExact()) {
        result.value = negative ? -plain.Value() : plain.Value();
        return result;
    }
    std::string number(rest.substr(0, length));
    std::replace_if(
        number.begin(), number.end(), [](char c) { return c == 'd' || c == 'D'; }, 'e');
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

double NumericValue(std::string_view text) {
    // Cells mostly hold plain decimals; read those without the general path.
    std::size_t start = 0;
    while (start < text.size() && IsBlankChar(text[start])) ++start;
    bool negative = start < text.size() && text[start] == '-';
    if (negative) ++start;
    PlainDecimal plain = ReadPlainDecimal(text.substr(start));
    std::size_t end = start + plain.length;
    bool plainEnd = end == text.size() || !IsExponentMark(text[end]);
    if (plain.digits > 0 && plainEnd && plain.IsExact())
        return negative ? -plain.Value() : plain.Value();
    return ReadLeadingNumber(text).value;
}

int RoundToInteger(double value) {
    if (std::isnan(value)) return 0;
    double rounded = std::nearbyint(std::clamp(value, -32768.0, 32767.0));
    return static_cast<int>(rounded);
}

std::string FormatPicture(double value, std::string_view picture) {
    if (!std::isfinite(value)) return {};
    Picture parts = SplitPicture(picture);
    if (std::optional<std::string> quick = FormatQuickly(value, parts)) return *quick;
    return FormatExactly(value, parts);
}

std::string GeneralForm(double value) {
    return GeneralFormWithPrecision(value, 15);
}

std::string GeneralFormSingle(float value) {
    return GeneralFormWithPrecision(static_cast<double>(value), 7);
}

std::string PlainNumber(double value) {
    std::string text = GeneralForm(value);
    return text.starts_with(' ') ? text.substr(1) : text;
}

bool IsWholeNumberLimit(float highLimit) {
    return Contains(GeneralFormSingle(highLimit), ".001");
}

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
    return RoundToInteger(NumericValue(tail));
}

std::string_view TrimBlanks(std::string_view text) {
    std::size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

std::string QuotedForMessage(std::string_view text) {
    constexpr std::size_t kMostEchoed = 24;
    if (text.size() <= kMostEchoed) return "\"" + std::string(text) + "\"";
    return "\"" + std::string(text.substr(0, kMostEchoed)) + "...\"";
}

bool IsBlank(std::string_view text) {
    return text.find_first_not_of(' ') == std::string_view::npos;
}

bool Contains(std::string_view text, std::string_view word) {
    return text.find(word) != std::string_view::npos;
}

std::string UpperCase(std::string_view text) {
    std::string upper(text);
    for (char& c : upper)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return upper;
}

bool IsGramsUnit(std::string_view unitsText) {
    return unitsText.size() >= 2 && (unitsText[0] == 'G' || unitsText[0] == 'g') &&
           (unitsText[1] == 'M' || unitsText[1] == 'm');
}

}  // namespace gyrant
