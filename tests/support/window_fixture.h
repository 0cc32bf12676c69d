#pragma once

// The main window over a private copy of the program's files, a small rear-drive car in the
// Baseline table, and the user's answers scripted.

#include <QtTest>

#include "model/setup_tables.h"
#include "shell/main_window.h"
#include "support/fake_dialogs.h"
#include "support/program_folder.h"
#include "support/worksheet_builder.h"

namespace gyrant::testing {

struct WindowFixture {
    WindowFixture() {
        sheet.ProgramFolder = folder.Path();
        SetupTables(sheet);
        SpecTable& table = sheet.Table(kBaseline);
        table.SetText(1, kColValue, "3000");
        SetVehicleType(table, "4 Wheel, Rear Drive", 0);
        table.SetText(3, kColValue, "3.73");
        table.SetText(4, kColValue, "2.52");
        SetComponent(table, 20, "3", "2.8", "50", "Steel", 1);
        SetComponent(table, 27, "26", "15", "9", "Use Wt", 0, "24");
        window = std::make_unique<MainWindow>(sheet, &dialogs);
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    }
    ~WindowFixture() { sheet.SpecsChanged = 0; }

    QAction* Item(const char* name) {
        return window->findChild<QAction*>(QString::fromLatin1(name));
    }
    EditStripWidget& Strip() { return window->StripWidget(); }
    // A cell as the table on screen shows it.
    QString Shown(int table, int row, int column) {
        SpecTableModel& model = window->Grid(table).Model();
        return model.data(model.index(SpecTableModel::ModelRow(row), column), Qt::DisplayRole)
            .toString();
    }
    std::string Example() { return (folder / "GyrantFiles" / "V8 Street Car.qrx").string(); }
    // The sub-window the main window has open, after the events that show it.
    template <typename Window>
    Window* OpenWindow() {
        QCoreApplication::processEvents();
        return window->findChild<Window*>();
    }

    ProgramFolder folder;
    Worksheet sheet;
    FakeDialogs dialogs;
    std::unique_ptr<MainWindow> window;
};

}  // namespace gyrant::testing
