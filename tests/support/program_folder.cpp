#include "support/program_folder.h"

#include <gtest/gtest.h>

#include <fstream>
#include <random>
#include <sstream>

namespace gyrant::testing {
namespace fs = std::filesystem;

ProgramFolder::ProgramFolder() {
    std::random_device random;
    m_path = fs::temp_directory_path() / ("gyrant-test-" + std::to_string(random()));
    fs::create_directories(m_path);
    fs::copy(GYRANT_DATA_DIR, m_path, fs::copy_options::recursive);
}

ProgramFolder::~ProgramFolder() {
    std::error_code error;
    fs::remove_all(m_path, error);
}

std::string ReadFileBytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

void WriteFileBytes(const fs::path& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << bytes;
}

}  // namespace gyrant::testing
