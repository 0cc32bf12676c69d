#pragma once

// Worksheets over a private copy of the program's files, with the row editor and the user's
// answers scripted.

#include <gtest/gtest.h>

#include "editor/row_editor.h"
#include "engine/update_table.h"
#include "files/program_places.h"
#include "files/spec_file.h"
#include "support/fake_dialogs.h"
#include "support/program_folder.h"
#include "support/worksheet_builder.h"

namespace gyrant::testing {

// Set up as the program starts, both tables blank.
class BlankSheetTest : public ::testing::Test {
  protected:
    BlankSheetTest() {
        sheet.setup.ProgramFolder = folder.Path();
        EXPECT_TRUE(SetupWorksheet(sheet).ok);
    }
    SpecTable& Baseline() { return sheet.Table(kBaseline); }
    SpecTable& Proposed() { return sheet.Table(kProposed); }
    std::string In(const std::string& name) { return (folder / name).string(); }

    ProgramFolder folder;
    Worksheet sheet;
    FakeDialogs dialogs;
    RowEditor editor{sheet, dialogs};
};

// The Baseline holds a small rear-drive car: a steel driveshaft, a front axle without an O.D.
// and a front wheel.
class SheetTest : public BlankSheetTest {
  protected:
    SheetTest() {
        FillSmallCar(Baseline());
        SetComponent(Baseline(), kDriveshaftRow, "4", "3", "50", "Steel", 1);
        SetComponent(Baseline(), kFrontAxleRow, "", "3", "8", "Steel", 1);
        SetComponent(Baseline(), kFrontWheelRow, "15", "5", "7", "Steel", 1);
    }
};

// The V8 street car example against the same car on lighter wheels, tires and driveshaft,
// recalculated.
class ExampleSheetTest : public BlankSheetTest {
  protected:
    ExampleSheetTest() {
        EXPECT_EQ(ReadSpecFile(sheet, In("GyrantFiles/V8 Street Car.qrx")).status,
                  SpecFileStatus::Done);
        Recalculate(sheet);
    }
};

}  // namespace gyrant::testing
