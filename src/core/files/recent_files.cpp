#include "files/recent_files.h"

#include <algorithm>

#include "files/atomic_write.h"
#include "files/settings_file.h"
#include "text/input_file.h"
#include "text/line_reader.h"

namespace gyrant {
namespace {

// Longer than any path the file system takes.
constexpr std::size_t kLongestPath = 4096;

bool IsControl(char c) {
    auto byte = static_cast<unsigned char>(c);
    return byte < 0x20 || byte == 0x7F;
}

// A line names a file Open can read: an absolute path, free of control bytes, of a regular
// file (a link counts as the file it names).
bool NamesWorksheet(const std::string& line) {
    if (line.empty() || line.size() > kLongestPath) return false;
    if (std::any_of(line.begin(), line.end(), IsControl)) return false;
    std::filesystem::path path(line);
    std::error_code error;
    return path.is_absolute() && std::filesystem::is_regular_file(path, error);
}

}  // namespace

std::filesystem::path RecentFilesPath(const Worksheet& sheet) {
    return SettingsPath(sheet).parent_path() / "recent-worksheets.list";
}

std::vector<std::string> ReadRecentFiles(const std::filesystem::path& path) {
    std::vector<std::string> list;
    InputFile in(path);
    if (!in) return list;
    LineReader reader(in);
    std::string line;
    // The program writes no more lines than the menu offers; the lines past those come from
    // elsewhere and are left unread, so a huge list costs no more than a short one.
    for (std::size_t read = 0; read < kRecentFileCount && reader.ReadLine(line); ++read)
        if (NamesWorksheet(line) && std::find(list.begin(), list.end(), line) == list.end())
            list.push_back(line);
    return list;
}

std::vector<std::string> WithRecentFile(std::vector<std::string> list, const std::string& file) {
    std::erase(list, file);
    list.insert(list.begin(), file);
    if (list.size() > kRecentFileCount) list.resize(kRecentFileCount);
    return list;
}

Outcome RememberRecentFile(const Worksheet& sheet) {
    if (sheet.file.CurrentFilePath == "Untitled") return Outcome::Success();
    if (!sheet.setup.SettingsUnkept.empty()) return Outcome::Success();  // nowhere to keep it
    std::error_code error;
    std::string file =
        std::filesystem::absolute(sheet.file.CurrentFilePath, error).lexically_normal().string();
    // A name the list could not give back (a line break in it) is not kept.
    if (!NamesWorksheet(file)) return Outcome::Success();
    std::filesystem::path listPath = RecentFilesPath(sheet);
    std::vector<std::string> old = ReadRecentFiles(listPath);
    std::vector<std::string> list = WithRecentFile(old, file);
    if (list == old) return Outcome::Success();
    std::string text;
    for (const std::string& entry : list) text += entry + "\n";
    return WriteFileIfChanged(listPath, text);
}

}  // namespace gyrant
