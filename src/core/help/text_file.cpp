#include "help/text_file.h"

#include "files/data_path.h"
#include "text/input_file.h"
#include "text/line_reader.h"

namespace gyrant {
namespace {

constexpr int kWarningLines = 18;

}  // namespace

TextFile ReadTextFile(const std::filesystem::path& programFolder, const std::string& fileName) {
    TextFile file;
    InputFile in(DataPath(programFolder, {"GyrantTEXT", fileName}));
    if (!in) return file;
    LineReader reader(in);
    if (!reader.ReadLine(file.title)) return file;
    reader.ReadLine(file.text);
    std::string line;
    while (reader.ReadLine(line)) {
        if (line.empty() || line.front() != ' ')
            file.text += " " + line;
        else if (line != " ")
            file.text += line + "\r";
        else
            file.text += "\r";
    }
    return file;
}

TextFile ReadWarningText(const std::filesystem::path& programFolder) {
    TextFile warning;
    InputFile in(DataPath(programFolder, {"GyrantTEXT", "WARNING.TXT"}));
    if (!in) return warning;
    LineReader reader(in);
    std::string line;
    for (int number = 0; number <= kWarningLines && reader.ReadLine(line); ++number) {
        if (number == 0)
            warning.title = line;
        else if (number >= 2)
            warning.text += line + "\r\n";
    }
    return warning;
}

}  // namespace gyrant
