#include "files/display_name.h"

#include "text/cell_text.h"
#include "text/windows1252.h"

namespace gyrant {
namespace {

bool IsSeparator(char c) {
    return c == '/' || c == '\\';
}

}  // namespace

std::string FileNameOf(const std::string& path) {
    std::size_t last = path.find_last_of("/\\");
    return last == std::string::npos ? path : path.substr(last + 1);
}

void MakeDisplayName(Worksheet& sheet) {
    const std::string& path = sheet.file.CurrentFilePath;
    std::string folder = UpperCase(DefaultSpecFolder(sheet));
    std::size_t at = UpperCase(path).find(folder);
    std::size_t below = at + folder.size();
    if (at != std::string::npos && below + 1 < path.size() && IsSeparator(path[below])) {
        sheet.file.DisplayName = path.substr(below + 1);
    } else {
        sheet.file.DisplayName = FileNameOf(path);
    }
}

std::string DefaultSpecFolder(const Worksheet& sheet) {
    return (sheet.setup.SpecFolder.empty() ? sheet.setup.ProgramFolder / "GyrantFiles"
                                           : sheet.setup.SpecFolder)
        .string();
}

std::string WindowTitle(const Worksheet& sheet) {
    return "Vevizadu Gyrant - Torvane Inc.   [ " + ShownFileName(sheet.file.DisplayName) + " ]";
}

}  // namespace gyrant
