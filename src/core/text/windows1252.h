#pragma once

// The single-byte Windows-1252 text of cells, messages and reports beside the UTF-8 of the file
// system's names.

#include <string>

namespace gyrant {

// The Unicode character a Windows-1252 byte stands for. The five bytes that Windows-1252 leaves
// undefined keep their Latin-1 control characters, so every byte survives a round trip.
char16_t Windows1252ToUnicode(unsigned char byte);

// The Windows-1252 byte of a Unicode character, or '?' where Windows-1252 has none.
char UnicodeToWindows1252(char32_t unicode);

// A file or folder name, spelt by the file system in UTF-8, as a message or report shows it:
// each character in its Windows-1252 byte ('?' where there is none, and for a byte that is not
// UTF-8).
std::string FileNameText(const std::string& utf8);

// A file or folder name as UTF-8 text to show, each byte that is not UTF-8 shown as '?'. The
// file system allows any bytes in a name; the name itself keeps them.
std::string ShownFileName(const std::string& name);

// A Windows-1252 text in UTF-8, as a terminal shows it.
std::string Utf8Text(const std::string& windows1252);

}  // namespace gyrant
