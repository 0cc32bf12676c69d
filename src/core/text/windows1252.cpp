#include "text/windows1252.h"

#include <array>
#include <cstddef>
#include <string_view>

namespace gyrant {
namespace {

// Windows-1252 differs from Latin-1 only in 0x80 to 0x9F. A table of our own spares the program
// the start-up cost of a general converter.
constexpr std::array<char16_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

// The length of the UTF-8 sequence of a character from 0x80 up starting at `at` and its
// character, or 0 when the bytes there are not such a sequence (overlong forms and surrogates
// included, as the windows refuse them too).
std::size_t DecodeUtf8(const std::string& text, std::size_t at, char32_t& unicode) {
    constexpr std::array<char32_t, 5> kLeast = {0, 0, 0x80, 0x800, 0x10000};
    auto lead = static_cast<unsigned char>(text[at]);
    std::size_t length = lead >= 0xF0 && lead < 0xF5 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC2 ? 2 : 0;
    if (lead >= 0xF5 || length == 0 || at + length > text.size()) return 0;
    unicode = lead & (0x7F >> length);
    for (std::size_t i = 1; i < length; ++i) {
        auto next = static_cast<unsigned char>(text[at + i]);
        if ((next & 0xC0) != 0x80) return 0;
        unicode = (unicode << 6) | (next & 0x3F);
    }
    bool surrogate = unicode >= 0xD800 && unicode < 0xE000;
    return unicode < kLeast[length] || surrogate || unicode > 0x10FFFF ? 0 : length;
}

// Each character of a file name, with '?' for a byte that is not UTF-8: `take` gets the
// character's UTF-8 bytes and the character itself (or '?').
template <typename Take>
void ForEachNameCharacter(const std::string& name, Take take) {
    for (std::size_t at = 0; at < name.size();) {
        auto byte = static_cast<unsigned char>(name[at]);
        char32_t unicode = byte;
        std::size_t length = byte < 0x80 ? 1 : DecodeUtf8(name, at, unicode);
        if (length == 0) {
            take(std::string_view("?"), U'?');
            ++at;
            continue;
        }
        take(std::string_view(name).substr(at, length), unicode);
        at += length;
    }
}

}  // namespace

char16_t Windows1252ToUnicode(unsigned char byte) {
    return byte >= 0x80 && byte < 0xA0 ? kHighControls[byte - 0x80] : char16_t{byte};
}

char UnicodeToWindows1252(char32_t unicode) {
    if (unicode < 0x80 || (unicode >= 0xA0 && unicode <= 0xFF)) return static_cast<char>(unicode);
    for (std::size_t i = 0; i < kHighControls.size(); ++i)
        if (kHighControls[i] == unicode) return static_cast<char>(0x80 + i);
    return '?';
}

std::string FileNameText(const std::string& utf8) {
    std::string text;
    ForEachNameCharacter(utf8, [&text](std::string_view, char32_t unicode) {
        text += UnicodeToWindows1252(unicode);
    });
    return text;
}

std::string ShownFileName(const std::string& name) {
    std::string shown;
    ForEachNameCharacter(name, [&shown](std::string_view bytes, char32_t) { shown += bytes; });
    return shown;
}

std::string Utf8Text(const std::string& windows1252) {
    std::string text;
    for (char byte : windows1252) {
        char16_t unicode = Windows1252ToUnicode(static_cast<unsigned char>(byte));
        if (unicode < 0x80) {
            text += static_cast<char>(unicode);
        } else if (unicode < 0x800) {
            text += static_cast<char>(0xC0 | (unicode >> 6));
            text += static_cast<char>(0x80 | (unicode & 0x3F));
        } else {
            text += static_cast<char>(0xE0 | (unicode >> 12));
            text += static_cast<char>(0x80 | ((unicode >> 6) & 0x3F));
            text += static_cast<char>(0x80 | (unicode & 0x3F));
        }
    }
    return text;
}

}  // namespace gyrant
