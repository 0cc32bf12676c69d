#pragma once

// A private copy of the program's data files in a temporary folder, removed afterwards.

#include <filesystem>
#include <string>

namespace gyrant::testing {

class ProgramFolder {
public:
    ProgramFolder();
    ~ProgramFolder();
    ProgramFolder(const ProgramFolder&) = delete;
    ProgramFolder& operator=(const ProgramFolder&) = delete;

    const std::filesystem::path& Path() const { return m_path; }
    std::filesystem::path operator/(const std::string& name) const { return m_path / name; }

private:
    std::filesystem::path m_path;
};

// The bytes of a file.
std::string ReadFileBytes(const std::filesystem::path& path);

// Writes bytes to a file, replacing it.
void WriteFileBytes(const std::filesystem::path& path, const std::string& bytes);

}  // namespace gyrant::testing
