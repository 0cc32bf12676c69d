#pragma once

// Reads the program's text files line by line and field by field. A line ends at CR LF, LF or
// CR; a field ends at a comma or at the end of its line, blanks around it removed. A line
// longer than the reader's cap ends the reading, as the end of the file would, and is reported
// by LineTooLong.

#include <istream>
#include <optional>
#include <string>
#include <string_view>

namespace gyrant {

// More than any line of the program's files ever holds.
inline constexpr std::size_t kMostLineBytes = std::size_t{1} << 20;

class LineReader {
  public:
    // `mostLineBytes` caps a line; a file whose lines may be as long as the file itself (the
    // comments of a spec file) passes the file's own cap.
    explicit LineReader(std::istream& in, std::size_t mostLineBytes = kMostLineBytes)
        : m_in(in), m_mostLineBytes(mostLineBytes) {}

    // Reads the rest of the current line (a whole line when no field of it was read);
    // false when the file has nothing left.
    bool ReadLine(std::string& line);

    // Passes over a number of lines, such as a data file's header.
    void SkipLines(int count);

    // Reads the next field; false when the file has nothing left.
    bool ReadField(std::string& field);

    // True when nothing is left to read.
    bool AtEnd();

    // True when the reading ended at a line longer than the cap.
    bool LineTooLong() const { return m_lineTooLong; }

  private:
    // Makes sure unread bytes are buffered; false when the file has none left.
    bool Fill();

    std::istream& m_in;
    std::size_t m_mostLineBytes;
    std::string m_buffer;  // bytes read from the file in blocks
    std::size_t m_next = 0;
    std::string m_pending;  // what is left of a line after a field was read from it
    bool m_hasPending = false;
    bool m_lineTooLong = false;
};

// The first field of a line: up to its first comma, blanks around it removed.
std::string FirstField(std::string_view line);

// A field read as a whole number (rounded when it has decimals); nothing when the field is
// not a number.
std::optional<int> IntegerField(const std::string& field);

}  // namespace gyrant
