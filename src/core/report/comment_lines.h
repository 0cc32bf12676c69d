#pragma once

#include <string>
#include <vector>

namespace gyrant {

// The file comments as the report prints them: cut into lines of at most 75 characters (at a
// line break, else at the last blank, else after 75 characters), every word of them, control
// characters left out of the printed text.
std::vector<std::string> CommentLines(const std::string& comments);

}  // namespace gyrant
