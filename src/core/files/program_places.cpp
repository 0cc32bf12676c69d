#include "files/program_places.h"

#include <unistd.h>

#include <cstdlib>
#include <optional>

#include "files/data_path.h"
#include "files/display_name.h"
#include "model/setup_tables.h"
#include "text/windows1252.h"

namespace gyrant {
namespace fs = std::filesystem;
namespace {

bool HasData(const fs::path& folder) {
    std::error_code error;
    return fs::is_directory(DataPath(folder, {"GyrantTEXT"}), error);
}

// Whether the program can keep files in the folder, asked of the system without opening any
// name there: a name anyone could plant a link or a FIFO under.
bool CanWrite(const fs::path& folder) {
    return access(folder.c_str(), W_OK | X_OK) == 0;
}

// The user's home folder, when HOME names a folder by a full path; otherwise nothing, and why.
std::optional<fs::path> HomeFolder(std::string& why) {
    const char* value = std::getenv("HOME");
    std::error_code error;
    if (!value || !*value)
        why = "no home folder is set (HOME)";
    else if (!fs::path(value).is_absolute())
        why = "the home folder " + FileNameText(value) + " is not a full path";
    else if (!fs::is_directory(value, error))
        why = "the home folder " + FileNameText(value) + " is not a folder";
    else
        return fs::path(value);
    return std::nullopt;
}

// A folder named by the environment, honoured only as a full path.
fs::path AbsoluteEnvironment(const char* name) {
    const char* value = std::getenv(name);
    fs::path path = value ? fs::path(value) : fs::path();
    return path.is_absolute() ? path : fs::path();
}

// Makes a user's folder; false, and why, when it cannot be made.
bool MakeFolder(const fs::path& folder, std::string& why) {
    std::error_code error, unused;
    fs::create_directories(folder, error);
    if (!error && fs::is_directory(folder, unused)) return true;
    why = "the folder " + FileNameText(folder.string()) +
          " could not be made: " + (error ? error.message() : "a file has its name");
    return false;
}

}  // namespace

fs::path DataFolderOf(const fs::path& programFolder) {
    fs::path shared = programFolder.parent_path() / "share" / "gyrant";
    return HasData(programFolder) || !HasData(shared) ? programFolder : shared;
}

ProgramPlaces LocateProgramPlaces(const fs::path& programFolder) {
    ProgramPlaces places;
    places.dataFolder = DataFolderOf(programFolder);
    bool beside = places.dataFolder == programFolder;
    places.userFolders = !beside || !CanWrite(programFolder);
    if (!places.userFolders) {
        places.settingsFolder = programFolder;
        places.specFolder = programFolder / "GyrantFiles";
        return places;
    }
    std::string homeless;
    std::optional<fs::path> home = HomeFolder(homeless);
    fs::path config = AbsoluteEnvironment("XDG_CONFIG_HOME");
    if (config.empty() && home) config = *home / ".config";
    if (config.empty())
        places.settingsUnkept = homeless;
    else
        places.settingsFolder = config / "gyrant";
    if (home) places.specFolder = *home / "Documents" / "GyrantFiles";
    return places;
}

void UseProgramPlaces(Worksheet& sheet, const ProgramPlaces& places) {
    sheet.setup.ProgramFolder = places.dataFolder;
    sheet.setup.SettingsFolder = places.settingsFolder;
    sheet.setup.SettingsUnkept = places.settingsUnkept;
    sheet.setup.SpecFolder = places.specFolder;
    if (!places.userFolders) return;
    if (!places.settingsFolder.empty())
        MakeFolder(places.settingsFolder, sheet.setup.SettingsUnkept);
    std::error_code error;
    std::string unmade;
    if (places.specFolder.empty() || fs::exists(places.specFolder, error)) return;
    if (MakeFolder(places.specFolder, unmade))
        fs::copy(DataPath(places.dataFolder, {"GyrantFiles"}), places.specFolder,
                 fs::copy_options::skip_existing | fs::copy_options::recursive, error);
    else
        sheet.setup.SpecFolder.clear();
}

Outcome SetupWorksheet(Worksheet& sheet) {
    Outcome setup =
        SetupTables(sheet, DataPath(sheet.setup.ProgramFolder, {"GyrantTEXT", "helpi.txt"}));
    MakeDisplayName(sheet);
    return setup;
}

}  // namespace gyrant
