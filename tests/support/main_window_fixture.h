#pragma once

// The main window over a private copy of the program's files, a small car in the Baseline, the
// user's answers scripted.

#include <QtTest>

#include "files/program_places.h"
#include "shell/main_window.h"
#include "support/fake_dialogs.h"
#include "support/program_folder.h"
#include "support/worksheet_builder.h"

namespace gyrant::testing {

struct MainWindowFixture {
    explicit MainWindowFixture(int twoVehicles = 0) {
        sheet.ProgramFolder = folder.Path();
        sheet.TwoVehicles = twoVehicles;
        SetupWorksheet(sheet);
        SpecTable& table = sheet.Table(kBaseline);
        FillSmallCar(table);
        SetComponent(table, 20, "3", "2.8", "50", "Steel", 1);
        SetComponent(table, 27, "26", "15", "9", "Use Wt", 0, "24");
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
    }
    ~MainWindowFixture() { sheet.SpecsChanged = 0; }
    void ClickRow(int table, int row) {
        SpecGrid& grid = window.Grid(table);
        QRect cell = grid.visualRect(grid.Model().index(row - 1, kColDescription));
        QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, cell.center());
    }

    ProgramFolder folder;
    Worksheet sheet;
    FakeDialogs dialogs;
    MainWindow window{sheet, &dialogs};
};

}  // namespace gyrant::testing
