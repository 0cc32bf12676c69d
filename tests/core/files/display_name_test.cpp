#include "files/display_name.h"

#include <gtest/gtest.h>

namespace gyrant {
namespace {

std::string DisplayNameOf(const std::string& path) {
    Worksheet sheet;
    sheet.ProgramFolder = "/opt/Gyrant";
    sheet.CurrentFilePath = path;
    MakeDisplayName(sheet);
    return sheet.DisplayName;
}

TEST(MakeDisplayName, ShowsThePathBelowTheDefaultSpecFolder) {
    EXPECT_EQ(DisplayNameOf("/opt/Gyrant/GyrantFiles/Race/Car.qrx"), "Race/Car.qrx");
    EXPECT_EQ(DisplayNameOf("/opt/Gyrant/GyrantFiles/Car.qrx"), "Car.qrx");
    EXPECT_EQ(DisplayNameOf("/OPT/gyrant/gyrantfiles/Car.QRX"), "Car.QRX");
}

TEST(MakeDisplayName, ShowsTheBareNameElsewhere) {
    EXPECT_EQ(DisplayNameOf("/home/racer/Car.qrx"), "Car.qrx");
    EXPECT_EQ(DisplayNameOf("C:\\Specs\\Car.qrx"), "Car.qrx");
    EXPECT_EQ(DisplayNameOf("/opt/Gyrant/GyrantFilesOld/Car.qrx"), "Car.qrx");
    EXPECT_EQ(DisplayNameOf("Untitled"), "Untitled");
}

TEST(WindowTitle, CarriesTheDisplayNameInBrackets) {
    Worksheet sheet;
    sheet.DisplayName = "Car.qrx";
    EXPECT_EQ(WindowTitle(sheet), "Vevizadu Gyrant - Torvane Inc.   [ Car.qrx ]");
}

}  // namespace
}  // namespace gyrant
