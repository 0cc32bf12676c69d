#pragma once

// The fuzzers' input written where the readers under test expect a file.

#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>

namespace gyrant::fuzzing {

// A folder of this fuzzing process, made once.
inline const std::filesystem::path& FuzzFolder() {
    static const std::filesystem::path folder = [] {
        std::filesystem::path path =
            std::filesystem::temp_directory_path() / ("gyrant-fuzz-" + std::to_string(getpid()));
        std::filesystem::create_directories(path / "GyrantTEXT");
        return path;
    }();
    return folder;
}

// Writes the input to a file of the fuzz folder and returns its path.
inline std::filesystem::path WriteInput(const uint8_t* data, std::size_t size,
                                        const std::string& name) {
    std::filesystem::path path = FuzzFolder() / name;
    std::ofstream(path, std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    return path;
}

inline std::string AsText(const uint8_t* data, std::size_t size) {
    return std::string(reinterpret_cast<const char*>(data), size);
}

}  // namespace gyrant::fuzzing
