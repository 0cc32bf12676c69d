#include "files/settings_file.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include "files/atomic_write.h"
#include "text/cell_text.h"
#include "text/input_file.h"
#include "text/line_reader.h"

namespace gyrant {
namespace {

// Holds the settings folder while the settings file is read and written again, so that running
// copies of the program take turns and none writes over a change it has not read.
class FolderTurn {
  public:
    explicit FolderTurn(const std::filesystem::path& folder)
        : m_fd(open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC)) {
        if (m_fd >= 0) flock(m_fd, LOCK_EX);
    }
    ~FolderTurn() {
        if (m_fd >= 0) close(m_fd);
    }
    FolderTurn(const FolderTurn&) = delete;
    FolderTurn& operator=(const FolderTurn&) = delete;

  private:
    int m_fd;
};

ProgramSettings SettingsOf(const Worksheet& sheet) {
    return {sheet.setup.UnitSystem,
            {sheet.setup.TipOff[0], sheet.setup.TipOff[1], sheet.setup.TipOff[2]},
            sheet.document.WeightOption,
            sheet.setup.BrowserPath,
            sheet.document.TwoVehicles};
}

void UseSettings(Worksheet& sheet, const ProgramSettings& settings) {
    sheet.setup.UnitSystem = settings.unitSystem;
    for (std::size_t tip = 0; tip < settings.tipOff.size(); ++tip)
        sheet.setup.TipOff[tip] = settings.tipOff[tip];
    sheet.document.WeightOption = settings.weightOption;
    sheet.setup.BrowserPath = settings.browserPath;
    sheet.document.TwoVehicles = settings.twoVehicles;
}

// Reads the next record as a setting that takes the values 0 to `highest`; false at the end
// of the file.
bool ReadSetting(LineReader& reader, int& setting, int highest) {
    std::string line;
    if (!reader.ReadLine(line)) return false;
    std::optional<int> value = IntegerField(FirstField(line));
    if (value && *value >= 0 && *value <= highest) setting = *value;
    return true;
}

// Reads the file's records over the settings; a missing file or record, or a record that is not
// one of the setting's values, leaves that setting as it was.
void ReadRecords(ProgramSettings& settings, const std::filesystem::path& path) {
    InputFile in(path);
    if (!in) return;
    LineReader reader(in);
    bool more = ReadSetting(reader, settings.unitSystem, 2);
    for (std::size_t tip = 0; more && tip < settings.tipOff.size(); ++tip)
        more = ReadSetting(reader, settings.tipOff[tip], 1);
    more = more && ReadSetting(reader, settings.weightOption, 1);
    std::string browser;
    more = more && reader.ReadLine(browser);
    if (more) settings.browserPath = browser;
    if (more) ReadSetting(reader, settings.twoVehicles, 1);
}

std::string PrintForm(int value) {
    return GeneralForm(value) + " \r\n";
}

std::string RecordsText(const ProgramSettings& settings) {
    std::string text = PrintForm(settings.unitSystem);
    for (int off : settings.tipOff) text += PrintForm(off);
    text += PrintForm(settings.weightOption);
    text += settings.browserPath + "\r\n";
    text += PrintForm(settings.twoVehicles);
    return text + "\r\n";
}

template <typename Value>
void TakeChange(Value& onFile, const Value& now, const Value& kept) {
    if (now != kept) onFile = now;
}

// The settings the file holds, with those this program changed since it last kept them.
ProgramSettings WithChanges(ProgramSettings onFile, const ProgramSettings& now,
                            const ProgramSettings& kept) {
    TakeChange(onFile.unitSystem, now.unitSystem, kept.unitSystem);
    for (std::size_t tip = 0; tip < onFile.tipOff.size(); ++tip)
        TakeChange(onFile.tipOff[tip], now.tipOff[tip], kept.tipOff[tip]);
    TakeChange(onFile.weightOption, now.weightOption, kept.weightOption);
    TakeChange(onFile.browserPath, now.browserPath, kept.browserPath);
    TakeChange(onFile.twoVehicles, now.twoVehicles, kept.twoVehicles);
    return onFile;
}

std::string UnkeptText(const Worksheet& sheet) {
    return "Gyrant can not keep its settings, because " + sheet.setup.SettingsUnkept +
           ". The options and help tips chosen now last only until Gyrant ends.";
}

}  // namespace

std::filesystem::path SettingsPath(const Worksheet& sheet) {
    return (sheet.setup.SettingsFolder.empty() ? sheet.setup.ProgramFolder
                                               : sheet.setup.SettingsFolder) /
           "CRCNFG.QRX";
}

void ReadSettings(Worksheet& sheet, const std::filesystem::path& path) {
    ProgramSettings settings = SettingsOf(sheet);
    ReadRecords(settings, path);
    UseSettings(sheet, settings);
    sheet.setup.SettingsAsKept = settings;
}

Outcome WriteSettings(Worksheet& sheet, const std::filesystem::path& path) {
    if (!sheet.setup.SettingsUnkept.empty()) return Outcome::Failure(UnkeptText(sheet));
    FolderTurn turn(path.parent_path());
    ProgramSettings now = SettingsOf(sheet), onFile = now;
    ReadRecords(onFile, path);
    Outcome written =
        WriteFileIfChanged(path, RecordsText(WithChanges(onFile, now, sheet.setup.SettingsAsKept)));
    if (written.ok) sheet.setup.SettingsAsKept = now;
    return written;
}

void KeepSettings(Worksheet& sheet, Dialogs& dialogs) {
    if (!sheet.setup.SettingsUnkept.empty()) return;
    Outcome written = WriteSettings(sheet, SettingsPath(sheet));
    if (!written.ok)
        dialogs.ShowMessage(
            {written.message, "Gyrant", Buttons::Ok, Icon::Exclamation, Answer::Ok});
}

void TellSettingsUnkept(const Worksheet& sheet, Dialogs& dialogs) {
    if (!sheet.setup.SettingsUnkept.empty()) Tell(dialogs, UnkeptText(sheet), "Gyrant");
}

}  // namespace gyrant
