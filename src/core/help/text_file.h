#pragma once

// The help texts beside the program: pages and messages in GyrantTEXT/.

#include <filesystem>
#include <string>

namespace gyrant {

struct TextFile {
    std::string title;
    std::string text;  // paragraphs flowed into lines ending in CR
};

// Reads a text file of the text folder: line 1 is the title; a following line that begins with
// a non-blank character continues the line before it after a blank, a line that begins with a
// blank stands on its own, and a line of one blank ends a paragraph. A missing file gives an
// empty title and text.
TextFile ReadTextFile(const std::filesystem::path& programFolder, const std::string& fileName);

// The warning shown after the introductory tips: the caption from the file's first line and up
// to 17 lines of message after the second line of "WARNING.TXT", each ending in CR LF.
TextFile ReadWarningText(const std::filesystem::path& programFolder);

}  // namespace gyrant
