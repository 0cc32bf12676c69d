#pragma once

// A private copy of the program's data files in a temporary folder, removed afterwards, and
// whole-file reading and writing.

#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <string>

namespace gyrant::testing {

class ProgramFolder {
  public:
    ProgramFolder()
        : m_path(std::filesystem::temp_directory_path() /
                 ("gyrant-test-" + std::to_string(std::random_device()()))) {
        std::filesystem::create_directories(m_path);
        std::filesystem::copy(GYRANT_DATA_DIR, m_path, std::filesystem::copy_options::recursive);
    }
    ~ProgramFolder() {
        std::error_code error;
        std::filesystem::remove_all(m_path, error);
    }
    ProgramFolder(const ProgramFolder&) = delete;
    ProgramFolder& operator=(const ProgramFolder&) = delete;

    const std::filesystem::path& Path() const { return m_path; }
    std::filesystem::path operator/(const std::string& name) const { return m_path / name; }

  private:
    std::filesystem::path m_path;
};

inline std::string ReadFileBytes(const std::filesystem::path& path) {
    std::ostringstream bytes;
    bytes << std::ifstream(path, std::ios::binary).rdbuf();
    return bytes.str();
}

inline void WriteFileBytes(const std::filesystem::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

}  // namespace gyrant::testing
