#include "text/cell_codec.h"

#include <array>

namespace gyrant {
namespace {

// Windows-1252 differs from Latin-1 only in 0x80 to 0x9F; the five codes it leaves undefined
// keep their Latin-1 control characters so that every byte survives the round trip. A table
// of our own spares the program the start-up cost of a general converter.
constexpr std::array<char16_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

char ToByte(QChar c) {
    char16_t unicode = c.unicode();
    if (unicode < 0x80 || (unicode >= 0xA0 && unicode <= 0xFF)) return static_cast<char>(unicode);
    for (std::size_t i = 0; i < kHighControls.size(); ++i)
        if (kHighControls[i] == unicode) return static_cast<char>(0x80 + i);
    return '?';
}

}  // namespace

QString FromCell(const std::string& bytes) {
    QString text(static_cast<qsizetype>(bytes.size()), Qt::Uninitialized);
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        auto byte = static_cast<unsigned char>(bytes[i]);
        char16_t unicode =
            byte >= 0x80 && byte < 0xA0 ? kHighControls[byte - 0x80] : char16_t{byte};
        text[static_cast<qsizetype>(i)] = QChar(unicode);
    }
    return text;
}

std::string ToCell(const QString& text) {
    std::string bytes;
    bytes.reserve(static_cast<std::size_t>(text.size()));
    for (QChar c : text) bytes += ToByte(c);
    return bytes;
}

QString FromMessage(const std::string& bytes) {
    QString text = FromCell(bytes);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QChar('\r'), QChar('\n'));
    return text;
}

}  // namespace gyrant
