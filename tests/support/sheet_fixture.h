#pragma once

// A worksheet over a private copy of the program's files, with the row editor and the user's
// answers scripted. The Baseline holds a small rear-drive car: a steel driveshaft (row 20), a
// part without an O.D. (row 22) and a front wheel (row 23).

#include <gtest/gtest.h>

#include "editor/row_editor.h"
#include "files/program_places.h"
#include "support/fake_dialogs.h"
#include "support/program_folder.h"
#include "support/worksheet_builder.h"

namespace gyrant::testing {

class SheetTest : public ::testing::Test {
  protected:
    SheetTest() {
        sheet.ProgramFolder = folder.Path();
        EXPECT_TRUE(SetupWorksheet(sheet).ok);
        Baseline().SetText(1, kColValue, "3000");
        SetVehicleType(Baseline(), "4 Wheel, Rear Drive", 0);
        Baseline().SetText(3, kColValue, "3.73");
        Baseline().SetText(4, kColValue, "2.52");
        SetComponent(Baseline(), 20, "4", "3", "50", "Steel", 1);
        SetComponent(Baseline(), 22, "", "3", "8", "Steel", 1);
        SetComponent(Baseline(), 23, "15", "5", "7", "Steel", 1);
    }
    SpecTable& Baseline() { return sheet.Table(kBaseline); }
    std::string In(const std::string& name) { return (folder / name).string(); }

    ProgramFolder folder;
    Worksheet sheet;
    FakeDialogs dialogs;
    RowEditor editor{sheet, dialogs};
};

}  // namespace gyrant::testing
