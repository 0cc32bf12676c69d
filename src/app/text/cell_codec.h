#pragma once

// Cell and file texts are single-byte Windows-1252; the windows show them as QStrings.

#include <QString>
#include <QUrl>
#include <string>

namespace gyrant {

QString FromCell(const std::string& bytes);
std::string ToCell(const QString& text);

// A message text whose line breaks are single CRs, as a window shows it.
QString FromMessage(const std::string& bytes);

// Paths are the file system's bytes, which need not be UTF-8; Qt holds them as QStrings, and a
// byte it cannot decode is lost there. The core keeps the bytes.
QString FromPath(const std::string& bytes);

// The file a local URL names, in the file system's bytes, also those that are not UTF-8.
std::string PathOfUrl(const QUrl& url);

}  // namespace gyrant
