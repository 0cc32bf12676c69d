#pragma once

#include <filesystem>
#include <initializer_list>
#include <string_view>

namespace gyrant {

// The path of a data file below a folder, each name matched without regard to letter case
// ("CALC" and "Calc" are one folder). Names not found are joined as given.
std::filesystem::path DataPath(const std::filesystem::path& folder,
                               std::initializer_list<std::string_view> names);

// The folder that holds a running program, given the path it was started by.
std::filesystem::path ProgramFolderOf(const std::filesystem::path& executable);

}  // namespace gyrant
