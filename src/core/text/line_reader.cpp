#include "text/line_reader.h"

#include "text/cell_text.h"

namespace gyrant {

bool LineReader::ReadLine(std::string& line) {
    if (m_hasPending) {
        line = std::move(m_pending);
        m_hasPending = false;
        return true;
    }
    line.clear();
    std::istream::int_type c = m_in.get();
    if (c == std::istream::traits_type::eof()) return false;
    while (c != std::istream::traits_type::eof()) {
        if (c == '\n') break;
        if (c == '\r') {
            if (m_in.peek() == '\n') m_in.get();
            break;
        }
        line += static_cast<char>(c);
        c = m_in.get();
    }
    return true;
}

bool LineReader::ReadField(std::string& field) {
    if (!m_hasPending) {
        if (!ReadLine(m_pending)) return false;
        m_hasPending = true;
    }
    std::size_t comma = m_pending.find(',');
    field = TrimBlanks(std::string_view(m_pending).substr(0, comma));
    if (comma == std::string::npos) {
        m_pending.clear();
        m_hasPending = false;
    } else {
        m_pending.erase(0, comma + 1);
    }
    return true;
}

bool LineReader::AtEnd() {
    return !m_hasPending && m_in.peek() == std::istream::traits_type::eof();
}

std::string FirstField(std::string_view line) {
    return std::string(TrimBlanks(line.substr(0, line.find(','))));
}

std::optional<int> IntegerField(const std::string& field) {
    std::string_view text = TrimBlanks(field);
    LeadingNumber number = ReadLeadingNumber(text);
    if (!number.found || number.overflow || number.length != text.size()) return std::nullopt;
    return RoundToInteger(number.value);
}

}  // namespace gyrant
