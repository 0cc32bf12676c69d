#include "text/cell_codec.h"

#include "text/windows1252.h"

namespace gyrant {

QString FromCell(const std::string& bytes) {
    QString text(static_cast<qsizetype>(bytes.size()), Qt::Uninitialized);
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        text[static_cast<qsizetype>(i)] =
            QChar(Windows1252ToUnicode(static_cast<unsigned char>(bytes[i])));
    }
    return text;
}

std::string ToCell(const QString& text) {
    std::string bytes;
    bytes.reserve(static_cast<std::size_t>(text.size()));
    for (QChar c : text) bytes += UnicodeToWindows1252(c.unicode());
    return bytes;
}

QString FromMessage(const std::string& bytes) {
    QString text = FromCell(bytes);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QChar('\r'), QChar('\n'));
    return text;
}

}  // namespace gyrant
