#include "files/gear_list.h"

#include "files/atomic_write.h"
#include "files/settings_file.h"
#include "text/input_file.h"
#include "text/line_reader.h"

namespace gyrant {

std::filesystem::path GearListPath(const Worksheet& sheet) {
    return SettingsPath(sheet).parent_path() / "gear-ratios.txt";
}

std::string ReadGearList(const Worksheet& sheet) {
    InputFile in(GearListPath(sheet));
    LineReader reader(in);
    std::string line;
    return in && reader.ReadLine(line) ? line : std::string();
}

Outcome KeepGearList(const Worksheet& sheet, const std::string& ratios) {
    if (!sheet.setup.SettingsUnkept.empty()) return Outcome::Success();  // nowhere to keep them
    return WriteFileIfChanged(GearListPath(sheet), ratios + "\r\n");
}

}  // namespace gyrant
