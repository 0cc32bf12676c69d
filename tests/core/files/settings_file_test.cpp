#include "files/settings_file.h"

#include <gtest/gtest.h>

#include "support/program_folder.h"

namespace gyrant {
namespace {

using testing::ProgramFolder;
using testing::ReadFileBytes;
using testing::WriteFileBytes;

class SettingsFileTest : public ::testing::Test {
protected:
    SettingsFileTest() { sheet.ProgramFolder = folder.Path(); }
    void Read(const std::string& bytes) {
        WriteFileBytes(SettingsPath(sheet), bytes);
        ReadSettings(sheet, SettingsPath(sheet));
    }
    ProgramFolder folder;
    Worksheet sheet;
};

TEST_F(SettingsFileTest, WritesEveryRecordInPrintForm) {
    sheet.UnitSystem = 2;
    sheet.TipOff = {1, 0, 1, 1};
    sheet.WeightOption = 1;
    sheet.BrowserPath = "/usr/bin/firefox";
    sheet.TwoVehicles = 1;
    ASSERT_TRUE(WriteSettings(sheet, SettingsPath(sheet)).ok);
    EXPECT_EQ(ReadFileBytes(folder / "CRCNFG.QRX"),
              " 2 \r\n 1 \r\n 0 \r\n 1 \r\n 1 \r\n/usr/bin/firefox\r\n 1 \r\n\r\n");

    Worksheet again;
    ReadSettings(again, SettingsPath(sheet));
    EXPECT_EQ(again.UnitSystem, 2);
    EXPECT_EQ(again.TipOff, (std::array<int, 4>{1, 0, 1, 0}));
    EXPECT_EQ(again.WeightOption, 1);
    EXPECT_EQ(again.BrowserPath, "/usr/bin/firefox");
    EXPECT_EQ(again.TwoVehicles, 1);
}

TEST_F(SettingsFileTest, AShortFileSetsOnlyWhatItHolds) {
    Read("1");
    EXPECT_EQ(sheet.UnitSystem, 1);
    EXPECT_EQ(sheet.TwoVehicles, 0);
    EXPECT_EQ(sheet.WeightOption, 0);
    EXPECT_EQ(sheet.TipOff, (std::array<int, 4>{}));
}

TEST_F(SettingsFileTest, ValuesOutsideASettingsRangeAreIgnored) {
    Read("7\r\nabc\r\n1\r\n-1\r\n1\r\n\r\n3\r\n");
    EXPECT_EQ(sheet.UnitSystem, 0);
    EXPECT_EQ(sheet.TipOff, (std::array<int, 4>{0, 1, 0, 0}));
    EXPECT_EQ(sheet.WeightOption, 1);
    EXPECT_EQ(sheet.BrowserPath, "");
    EXPECT_EQ(sheet.TwoVehicles, 0);
}

TEST_F(SettingsFileTest, AFailedWriteSaysWhy) {
    Outcome written = WriteSettings(sheet, folder / "missing" / "CRCNFG.QRX");
    EXPECT_FALSE(written.ok);
    EXPECT_NE(written.message.find("CRCNFG.QRX"), std::string::npos);
}

}  // namespace
}  // namespace gyrant
