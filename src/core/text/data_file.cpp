#include "text/data_file.h"

#include "text/input_file.h"

namespace gyrant {

std::optional<std::string> ReadDataFile(const std::filesystem::path& path, std::string_view what,
                                        int headerLines,
                                        const std::function<bool(LineReader&)>& readRecords) {
    InputFile in(path);
    if (!in) return MissingFileMessage(what, path);
    LineReader reader(in);
    reader.SkipLines(headerLines);
    bool usable = readRecords(reader);
    if (!usable || reader.LineTooLong()) return DamagedFileMessage(what, path);
    return std::nullopt;
}

}  // namespace gyrant
