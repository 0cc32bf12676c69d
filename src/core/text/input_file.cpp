#include "text/input_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>

#include "text/windows1252.h"

namespace gyrant {

InputFile::InputFile(const std::filesystem::path& path) : std::istream(nullptr) {
    rdbuf(&m_buffer);
    if (!m_buffer.Open(path)) setstate(std::ios::failbit);
}

InputFile::Buffer::~Buffer() {
    if (m_fd >= 0) ::close(m_fd);
}

bool InputFile::Buffer::Open(const std::filesystem::path& path) {
    // Opened without waiting, so a FIFO put in place of the file cannot block the open; what is
    // not a regular file is then refused before a byte is read.
    m_fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (m_fd < 0) return false;
    struct stat status {};
    if (fstat(m_fd, &status) != 0 || !S_ISREG(status.st_mode) ||
        static_cast<unsigned long long>(status.st_size) > kMostFileBytes) {
        ::close(m_fd);
        m_fd = -1;
        return false;
    }
    return true;
}

InputFile::Buffer::int_type InputFile::Buffer::underflow() {
    if (gptr() < egptr()) return traits_type::to_int_type(*gptr());
    if (m_fd < 0 || m_bytesRead >= kMostFileBytes) return traits_type::eof();
    std::size_t wanted = std::min(sizeof m_block, kMostFileBytes - m_bytesRead);
    ssize_t got;
    do {
        got = ::read(m_fd, m_block, wanted);
    } while (got < 0 && errno == EINTR);
    if (got <= 0) return traits_type::eof();
    m_bytesRead += static_cast<std::size_t>(got);
    setg(m_block, m_block, m_block + got);
    return traits_type::to_int_type(*gptr());
}

std::string MissingFileMessage(std::string_view what, const std::filesystem::path& path) {
    return "The " + std::string(what) + " file " + FileNameText(path.string()) +
           " is missing or can not be read.";
}

std::string DamagedFileMessage(std::string_view what, const std::filesystem::path& path) {
    return "The " + std::string(what) + " file " + FileNameText(path.string()) +
           " is damaged or incomplete.";
}

}  // namespace gyrant
