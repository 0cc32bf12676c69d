#pragma once

#include <string>
#include <vector>

namespace gyrant {

// A text as the reports print it, the file comments or the answer in words: cut into lines of at
// most 75 characters (at a line break, else at the last blank, else after 75 characters), every
// word of it, control characters left out of the printed text.
std::vector<std::string> PrintedLines(const std::string& text);

}  // namespace gyrant
