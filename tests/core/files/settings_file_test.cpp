#include "files/settings_file.h"

#include <gtest/gtest.h>

#include "editor/options.h"
#include "files/display_name.h"
#include "files/program_places.h"
#include "files/window_place.h"
#include "support/sheet_fixture.h"

namespace gyrant {
namespace {

namespace fs = std::filesystem;
using testing::ReadFileBytes;

class SettingsFileTest : public testing::BlankSheetTest {
  protected:
    // The settings read from a file of these bytes, as the records written for them.
    std::string Read(const std::string& bytes) {
        testing::WriteFileBytes(SettingsPath(sheet), bytes);
        Worksheet read;
        ReadSettings(read, SettingsPath(sheet));
        EXPECT_TRUE(WriteSettings(read, SettingsPath(sheet)).ok);
        return ReadFileBytes(SettingsPath(sheet));
    }
};

TEST_F(SettingsFileTest, RecordsAreReadBackAndWhatIsMissingOrOutOfRangeKeepsItsStartValue) {
    const std::string every = " 2 \r\n 1 \r\n 0 \r\n 1 \r\n 1 \r\n/usr/bin/firefox\r\n 1 \r\n\r\n";
    const std::string none = " 0 \r\n 0 \r\n 0 \r\n 0 \r\n 0 \r\n\r\n 0 \r\n\r\n";
    EXPECT_EQ(Read(every), every);
    EXPECT_EQ(Read("1"), " 1" + none.substr(2));
    EXPECT_EQ(Read("7\r\nabc\r\n1\r\n-1\r\n1\r\n\r\n3\r\n"),
              " 0 \r\n 0 \r\n 1 \r\n 0 \r\n 1 \r\n\r\n 0 \r\n\r\n");
    Outcome written = WriteSettings(sheet, folder / "missing" / "CRCNFG.QRX");
    EXPECT_FALSE(written.ok);
    EXPECT_NE(written.message.find("CRCNFG.QRX"), std::string::npos);
}

TEST_F(SettingsFileTest, OptionsRecalculateBothVehiclesAndAreWrittenAtOnce) {
    for (SpecTable& table : sheet.tables) {
        table.SetText(1, kColValue, "3000");
        testing::SetComponent(table, 20, "4", "3", "10", "Use Wt", 0, "40");
    }
    SetWeightOption(sheet, true, dialogs);
    for (const SpecTable& table : sheet.tables)
        EXPECT_EQ(table.Text(31, kColWeight) + table.Text(20, kColEqWt), "3040.0040.00");
    SetVehicleCount(sheet, true, dialogs);
    Worksheet read;
    ReadSettings(read, SettingsPath(sheet));
    EXPECT_EQ(read.WeightOption + read.TwoVehicles, 2);
    EXPECT_TRUE(dialogs.messages.empty());
    sheet.SettingsFolder = folder / "missing";
    SetVehicleCount(sheet, false, dialogs);
    EXPECT_NE(dialogs.messages.at(0).text.find("CRCNFG.QRX"), std::string::npos);
}

TEST(ProgramPlaces, ARunningCopyKeepsEverythingBesideItself) {
    testing::ProgramFolder root;
    Worksheet sheet;
    UseProgramPlaces(sheet, LocateProgramPlaces(root.Path()));
    EXPECT_EQ(sheet.ProgramFolder, root.Path());
    EXPECT_EQ(SettingsPath(sheet), root / "CRCNFG.QRX");
    EXPECT_EQ(DefaultSpecFolder(sheet), (root / "GyrantFiles").string());
    EXPECT_FALSE(fs::exists(root / ".gyrant-write-probe"));
}

// The window's place, kept beside the settings, comes back only whole and on a screen.
TEST_F(SettingsFileTest, WindowPlaceComesBackWholeAndOnAScreen) {
    ASSERT_TRUE(WriteWindowPlace(WindowPlacePath(sheet), {150, 300, 11000, 9000}).ok);
    EXPECT_EQ(ReadWindowPlace(WindowPlacePath(sheet)), (WindowRect{150, 300, 11000, 9000}));
    for (const char* damaged : {"150\n300\n11000\n", "150\n300\nwide\n9000\n", "1\n2\n0\n9\n"}) {
        testing::WriteFileBytes(WindowPlacePath(sheet), damaged);
        EXPECT_FALSE(ReadWindowPlace(WindowPlacePath(sheet))) << damaged;
    }
    const std::vector<WindowRect> screens{{0, 0, 15360, 11520}, {15360, 0, 15360, 11520}};
    EXPECT_TRUE(IsOnSomeScreen({20000, 600, 9000, 9000}, screens));
    EXPECT_FALSE(IsOnSomeScreen({31000, 600, 9000, 9000}, screens));
    EXPECT_FALSE(IsOnSomeScreen({600, -900, 9000, 9000}, screens));
}

}  // namespace
}  // namespace gyrant
