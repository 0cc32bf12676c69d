#include "editor/options.h"

#include <gtest/gtest.h>

#include "files/settings_file.h"
#include "support/fake_dialogs.h"
#include "support/program_folder.h"
#include "support/worksheet_builder.h"

namespace gyrant {
namespace {

TEST(Options, RecalculateBothVehiclesAndAreWrittenToTheSettingsAtOnce) {
    testing::ProgramFolder folder;
    testing::FakeDialogs dialogs;
    Worksheet sheet;
    sheet.ProgramFolder = folder.Path();
    for (SpecTable& table : sheet.tables) {
        table.SetText(1, kColValue, "3000");
        testing::SetComponent(table, 20, "4", "3", "10", "Use Wt", 0, "40");
    }
    SetWeightOption(sheet, true, dialogs);
    for (const SpecTable& table : sheet.tables) {
        EXPECT_EQ(table.Text(31, kColWeight), "3040.00");
        EXPECT_EQ(table.Text(20, kColEqWt), "40.00");
    }
    Worksheet next;
    ReadSettings(next, SettingsPath(sheet));
    EXPECT_EQ(next.WeightOption, 1);
    SetVehicleCount(sheet, true, dialogs);
    ReadSettings(next, SettingsPath(sheet));
    EXPECT_EQ(next.TwoVehicles, 1);
    EXPECT_TRUE(dialogs.messages.empty());

    sheet.SettingsFolder = folder / "missing";
    SetVehicleCount(sheet, false, dialogs);
    EXPECT_NE(dialogs.messages.at(0).text.find("CRCNFG.QRX"), std::string::npos);
}

}  // namespace
}  // namespace gyrant
