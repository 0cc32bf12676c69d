#include "report/printed_lines.h"

#include <string_view>

#include "text/cell_text.h"

namespace gyrant {
namespace {

constexpr std::size_t kLongestLine = 75;

bool IsControl(char c) {
    return static_cast<unsigned char>(c) <= 28;
}

std::string_view DropLeadingControls(std::string_view text) {
    while (!text.empty() && IsControl(text.front())) text.remove_prefix(1);
    return TrimBlanks(text);
}

// A line as it prints: a tab as a blank, other control characters left out.
std::string Printable(std::string_view line) {
    std::string printed;
    for (char c : line) {
        if (c == '\t')
            printed += ' ';
        else if (!IsControl(c) && c != 29 && c != 30 && c != 31 && c != 127)
            printed += c;
    }
    return printed;
}

// Where a long text is cut: its first line break, else its last blank, else after 75.
std::size_t CutAt(std::string_view text) {
    std::string_view first = text.substr(0, kLongestLine);
    std::size_t cut = first.find('\r');
    if (cut == std::string_view::npos) cut = first.rfind(' ');
    if (cut == std::string_view::npos || cut == 0) cut = kLongestLine;
    return cut;
}

}  // namespace

std::vector<std::string> PrintedLines(const std::string& text) {
    std::vector<std::string> lines;
    // Every word is printed: a long report goes on to new pages rather than stop at a count of
    // lines.
    std::string_view rest = DropLeadingControls(TrimBlanks(text));
    while (rest.size() > kLongestLine) {
        std::size_t at = CutAt(rest);
        std::string line = Printable(TrimBlanks(rest.substr(0, at)));
        if (!line.empty()) lines.push_back(line);
        rest = DropLeadingControls(TrimBlanks(rest.substr(at)));
    }
    for (std::size_t start = 0;;) {
        std::size_t end = rest.find('\r', start);
        lines.push_back(Printable(rest.substr(start, end - start)));
        if (end == std::string_view::npos) break;
        start = end + 1;
    }
    return lines;
}

}  // namespace gyrant
