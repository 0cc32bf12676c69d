#include "files/data_path.h"

#include "text/cell_text.h"

namespace gyrant {
namespace fs = std::filesystem;
namespace {

fs::path FindIgnoringCase(const fs::path& folder, std::string_view name) {
    fs::path exact = folder / name;
    std::error_code error;
    if (fs::exists(exact, error)) return exact;
    std::string wanted = UpperCase(name);
    fs::directory_iterator it(folder, error), end;
    for (; !error && it != end; it.increment(error)) {
        if (UpperCase(it->path().filename().string()) == wanted) return it->path();
    }
    return exact;
}

}  // namespace

fs::path DataPath(const fs::path& folder, std::initializer_list<std::string_view> names) {
    fs::path path = folder;
    for (std::string_view name : names) path = FindIgnoringCase(path, name);
    return path;
}

fs::path ProgramFolderOf(const fs::path& executable) {
    std::error_code error;
    fs::path resolved = fs::canonical("/proc/self/exe", error);
    if (error) resolved = fs::absolute(executable, error);
    return resolved.parent_path();
}

}  // namespace gyrant
