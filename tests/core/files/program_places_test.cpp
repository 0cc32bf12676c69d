#include "files/program_places.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include "files/display_name.h"
#include "files/settings_file.h"
#include "support/program_folder.h"

namespace gyrant {
namespace {

namespace fs = std::filesystem;

TEST(ProgramPlaces, ARunningCopyKeepsEverythingBesideItself) {
    testing::ProgramFolder folder;
    ProgramPlaces places = LocateProgramPlaces(folder.Path());
    EXPECT_FALSE(places.userFolders);
    EXPECT_EQ(places.dataFolder, folder.Path());
    Worksheet sheet;
    UseProgramPlaces(sheet, places);
    EXPECT_EQ(SettingsPath(sheet), folder / "CRCNFG.QRX");
    EXPECT_EQ(DefaultSpecFolder(sheet), (folder / "GyrantFiles").string());
    EXPECT_FALSE(fs::exists(folder / ".gyrant-write-probe"));
}

TEST(ProgramPlaces, AnInstalledProgramKeepsItsFilesInTheUsersFolders) {
    testing::ProgramFolder root;
    fs::create_directories(root / "usr/bin");
    fs::create_directories(root / "usr/share");
    fs::rename(root / "GyrantTEXT", root / "usr/share/GyrantTEXT");
    fs::create_directories(root / "usr/share/gyrant");
    fs::rename(root / "usr/share/GyrantTEXT", root / "usr/share/gyrant/GyrantTEXT");
    fs::rename(root / "GyrantFiles", root / "usr/share/gyrant/GyrantFiles");
    setenv("HOME", (root / "home").c_str(), 1);
    setenv("XDG_CONFIG_HOME", (root / "config").c_str(), 1);
    ProgramPlaces places = LocateProgramPlaces(root / "usr/bin");
    EXPECT_TRUE(places.userFolders);
    EXPECT_EQ(places.dataFolder, root / "usr/share/gyrant");
    Worksheet sheet;
    UseProgramPlaces(sheet, places);
    EXPECT_EQ(SettingsPath(sheet), root / "config/gyrant/CRCNFG.QRX");
    EXPECT_TRUE(fs::is_directory(root / "config/gyrant"));
    EXPECT_TRUE(fs::exists(root / "home/Documents/GyrantFiles/V8 Street Car.qrx"));
    EXPECT_EQ(DataFolderOf(root / "usr/bin"), root / "usr/share/gyrant");
}

}  // namespace
}  // namespace gyrant
