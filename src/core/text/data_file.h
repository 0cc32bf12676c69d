#pragma once

// The data files the sub-menus read (menu definitions, transmissions, vehicle weights), some
// with a header to pass over: opened, refused and named in one way.

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "text/line_reader.h"

namespace gyrant {

// Opens the file as an InputFile, passes over `headerLines` lines and hands the rest to
// `readRecords`, which says whether it found what the program needs. The failure to tell the
// user, naming the file by `what` ("transmission"): when it cannot be opened, when
// `readRecords` found nothing usable, or when a line longer than any real one ended the
// reading; nothing when the file was read.
std::optional<std::string> ReadDataFile(const std::filesystem::path& path, std::string_view what,
                                        int headerLines,
                                        const std::function<bool(LineReader&)>& readRecords);

// ReadDataFile into a result `Read` that carries an `outcome`: `readRecords(reader, read)` fills
// the result and says whether it found what the program needs; a failure goes to the outcome.
template <typename Read, typename ReadRecords>
Read ReadDataFileInto(const std::filesystem::path& path, std::string_view what, int headerLines,
                      ReadRecords readRecords) {
    Read read;
    std::optional<std::string> failure = ReadDataFile(
        path, what, headerLines, [&](LineReader& reader) { return readRecords(reader, read); });
    if (failure) read.outcome = {false, std::move(*failure)};
    return read;
}

}  // namespace gyrant
