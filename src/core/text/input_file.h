#pragma once

// A file of outside text opened for reading. Only a regular file opens: a folder, a FIFO or a
// device does not, so no reader waits on a pipe for ever or reads an endless device. A file
// larger than any real one does not open either, and reading stops at that size even when the
// file grows while it is read.

#include <cstddef>
#include <filesystem>
#include <istream>
#include <streambuf>
#include <string>
#include <string_view>

namespace gyrant {

// More than any file the program reads ever holds.
inline constexpr std::size_t kMostFileBytes = std::size_t{64} << 20;

class InputFile : public std::istream {
  public:
    // Opens the file; the stream fails (reads as false) when it is missing, not a regular file,
    // unreadable or larger than kMostFileBytes.
    explicit InputFile(const std::filesystem::path& path);

  private:
    class Buffer : public std::streambuf {
      public:
        ~Buffer() override;
        bool Open(const std::filesystem::path& path);

      protected:
        int_type underflow() override;

      private:
        int m_fd = -1;
        std::size_t m_bytesRead = 0;
        char m_block[16 * 1024];
    };

    Buffer m_buffer;
};

// The messages of a data file that cannot be opened, or that opens but holds nothing usable;
// `what` names its kind ("transmission").
std::string MissingFileMessage(std::string_view what, const std::filesystem::path& path);
std::string DamagedFileMessage(std::string_view what, const std::filesystem::path& path);

}  // namespace gyrant
