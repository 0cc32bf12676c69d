#include "files/window_place.h"

#include <string>

#include "files/atomic_write.h"
#include "files/settings_file.h"
#include "text/input_file.h"
#include "text/line_reader.h"

namespace gyrant {

std::filesystem::path WindowPlacePath(const Worksheet& sheet) {
    return SettingsPath(sheet).parent_path() / "gyrant-window.txt";
}

std::optional<WindowRect> ReadWindowPlace(const std::filesystem::path& path) {
    InputFile in(path);
    if (!in) return std::nullopt;
    LineReader reader(in);
    int values[4];
    for (int& value : values) {
        std::string line;
        std::optional<int> number;
        if (reader.ReadLine(line)) number = IntegerField(FirstField(line));
        if (!number) return std::nullopt;
        value = *number;
    }
    WindowRect place{values[0], values[1], values[2], values[3]};
    if (place.width <= 0 || place.height <= 0) return std::nullopt;
    return place;
}

Outcome WriteWindowPlace(const std::filesystem::path& path, const WindowRect& place) {
    std::string text;
    for (int value : {place.left, place.top, place.width, place.height})
        text += std::to_string(value) + "\n";
    return WriteFileIfChanged(path, text);
}

}  // namespace gyrant
