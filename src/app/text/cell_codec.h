#pragma once

// Cell and file texts are single-byte Windows-1252; the windows show them as QStrings.

#include <QString>
#include <string>

namespace gyrant {

QString FromCell(const std::string& bytes);
std::string ToCell(const QString& text);

// A message text whose line breaks are single CRs, as a window shows it.
QString FromMessage(const std::string& bytes);

}  // namespace gyrant
