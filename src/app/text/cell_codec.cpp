#include "text/cell_codec.h"

#include <QFile>

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

QString FromPath(const std::string& bytes) {
    return QFile::decodeName(QByteArray::fromStdString(bytes));
}

std::string PathOfUrl(const QUrl& url) {
    // The URL's own percent-encoding holds every byte; its decoded text would not.
    QByteArray path = QByteArray::fromPercentEncoding(url.path(QUrl::FullyEncoded).toLatin1());
    if (!url.host().isEmpty()) path.prepend("//" + url.host().toUtf8());
    return path.toStdString();
}

}  // namespace gyrant
