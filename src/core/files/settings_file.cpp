#include "files/settings_file.h"

#include <optional>

#include "files/atomic_write.h"
#include "text/cell_text.h"
#include "text/input_file.h"
#include "text/line_reader.h"

namespace gyrant {
namespace {

// Reads the next record as a setting that takes the values 0 to `highest`; false at the end
// of the file.
bool ReadSetting(LineReader& reader, int& setting, int highest) {
    std::string line;
    if (!reader.ReadLine(line)) return false;
    std::optional<int> value = IntegerField(FirstField(line));
    if (value && *value >= 0 && *value <= highest) setting = *value;
    return true;
}

std::string PrintForm(int value) {
    return GeneralForm(value) + " \r\n";
}

}  // namespace

std::filesystem::path SettingsPath(const Worksheet& sheet) {
    return (sheet.SettingsFolder.empty() ? sheet.ProgramFolder : sheet.SettingsFolder) /
           "CRCNFG.QRX";
}

void ReadSettings(Worksheet& sheet, const std::filesystem::path& path) {
    InputFile in(path);
    if (!in) return;
    LineReader reader(in);
    bool more = ReadSetting(reader, sheet.UnitSystem, 2);
    for (std::size_t tip = 0; more && tip < 3; ++tip)
        more = ReadSetting(reader, sheet.TipOff[tip], 1);
    more = more && ReadSetting(reader, sheet.WeightOption, 1);
    std::string browser;
    more = more && reader.ReadLine(browser);
    if (more) sheet.BrowserPath = browser;
    if (more) ReadSetting(reader, sheet.TwoVehicles, 1);
}

Outcome WriteSettings(const Worksheet& sheet, const std::filesystem::path& path) {
    std::string text = PrintForm(sheet.UnitSystem);
    for (std::size_t tip = 0; tip < 3; ++tip) text += PrintForm(sheet.TipOff[tip]);
    text += PrintForm(sheet.WeightOption);
    text += sheet.BrowserPath + "\r\n";
    text += PrintForm(sheet.TwoVehicles);
    text += "\r\n";
    return WriteFileIfChanged(path, text);
}

void KeepSettings(const Worksheet& sheet, Dialogs& dialogs) {
    Outcome written = WriteSettings(sheet, SettingsPath(sheet));
    if (!written.ok)
        dialogs.ShowMessage(
            {written.message, "Gyrant", Buttons::Ok, Icon::Exclamation, Answer::Ok});
}

}  // namespace gyrant
