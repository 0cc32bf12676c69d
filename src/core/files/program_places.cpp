#include "files/program_places.h"

#include <cstdlib>
#include <fstream>

#include "files/data_path.h"
#include "files/display_name.h"
#include "model/setup_tables.h"

namespace gyrant {
namespace fs = std::filesystem;
namespace {

bool HasData(const fs::path& folder) {
    std::error_code error;
    return fs::is_directory(DataPath(folder, {"GyrantTEXT"}), error);
}

// Whether the program can keep files in the folder: a file is made there and removed.
bool CanWrite(const fs::path& folder) {
    fs::path probe = folder / ".gyrant-write-probe";
    bool written = static_cast<bool>(std::ofstream(probe));
    std::error_code error;
    fs::remove(probe, error);
    return written;
}

fs::path Environment(const char* name) {
    const char* value = std::getenv(name);
    return value && *value ? fs::path(value) : fs::path();
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
    fs::path home = Environment("HOME");
    fs::path config = Environment("XDG_CONFIG_HOME");
    places.settingsFolder = (config.empty() ? home / ".config" : config) / "gyrant";
    places.specFolder = home / "Documents" / "GyrantFiles";
    return places;
}

void UseProgramPlaces(Worksheet& sheet, const ProgramPlaces& places) {
    sheet.ProgramFolder = places.dataFolder;
    sheet.SettingsFolder = places.settingsFolder;
    sheet.SpecFolder = places.specFolder;
    if (!places.userFolders) return;
    std::error_code error;
    fs::create_directories(places.settingsFolder, error);
    if (fs::exists(places.specFolder, error)) return;
    fs::create_directories(places.specFolder, error);
    fs::copy(DataPath(places.dataFolder, {"GyrantFiles"}), places.specFolder,
             fs::copy_options::skip_existing | fs::copy_options::recursive, error);
}

Outcome SetupWorksheet(Worksheet& sheet) {
    Outcome setup = SetupTables(sheet, DataPath(sheet.ProgramFolder, {"GyrantTEXT", "helpi.txt"}));
    MakeDisplayName(sheet);
    return setup;
}

}  // namespace gyrant
