#include "text/cell_codec.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace gyrant {

QString FromCell(const std::string& bytes) {
    QStringDecoder decoder("windows-1252");
    if (!decoder.isValid()) return QString::fromLatin1(bytes.data(), static_cast<qsizetype>(bytes.size()));
    return decoder(QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())));
}

std::string ToCell(const QString& text) {
    QStringEncoder encoder("windows-1252");
    QByteArray bytes = encoder.isValid() ? encoder(text) : text.toLatin1();
    return bytes.toStdString();
}

QString FromMessage(const std::string& bytes) {
    QString text = FromCell(bytes);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QChar('\r'), QChar('\n'));
    return text;
}

}  // namespace gyrant
