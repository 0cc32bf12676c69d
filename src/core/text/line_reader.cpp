#include "text/line_reader.h"

#include "text/cell_text.h"

namespace gyrant {

bool LineReader::Fill() {
    if (m_next < m_buffer.size()) return true;
    constexpr std::size_t kBlock = 64 * 1024;
    m_buffer.resize(kBlock);
    m_in.read(m_buffer.data(), static_cast<std::streamsize>(kBlock));
    m_buffer.resize(static_cast<std::size_t>(m_in.gcount()));
    m_next = 0;
    return !m_buffer.empty();
}

bool LineReader::ReadLine(std::string& line) {
    if (m_hasPending) {
        line = std::move(m_pending);
        m_hasPending = false;
        return true;
    }
    line.clear();
    if (m_lineTooLong || !Fill()) return false;
    while (Fill()) {
        std::size_t end = m_buffer.find_first_of("\r\n", m_next);
        if (end == std::string::npos) {
            line.append(m_buffer, m_next);
            m_next = m_buffer.size();
            if (line.size() > m_mostLineBytes) break;
            continue;
        }
        line.append(m_buffer, m_next, end - m_next);
        m_next = end + 1;
        if (m_buffer[end] == '\r' && Fill() && m_buffer[m_next] == '\n') ++m_next;
        break;
    }
    if (line.size() > m_mostLineBytes) {
        m_lineTooLong = true;
        line.clear();
        return false;
    }
    return true;
}

void LineReader::SkipLines(int count) {
    std::string line;
    for (int i = 0; i < count && ReadLine(line); ++i) {
    }
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
    return !m_hasPending && (m_lineTooLong || !Fill());
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
