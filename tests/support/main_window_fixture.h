#pragma once

// The main window over a private copy of the program's files, on a small car in the Baseline or
// an example worksheet, the user's answers scripted; and what a user does in it.

#include <QHeaderView>
#include <QtTest>

#include "files/program_places.h"
#include "files/spec_file.h"
#include "help/comments_window.h"
#include "shell/main_window.h"
#include "support/fake_dialogs.h"
#include "support/program_folder.h"
#include "support/worksheet_builder.h"

namespace gyrant::testing {

// What the worksheet holds when the window opens: the small car with a driveshaft and a rear
// tire, both vehicles shown, or the example worksheet named.
struct SheetSetup {
    std::string example{};
    int units = 0;
};

// The worksheet set up and filled before any window looks at it.
struct PreparedSheet {
    explicit PreparedSheet(const SheetSetup& setup = {}) {
        sheet.setup.ProgramFolder = folder.Path();
        sheet.setup.UnitSystem = setup.units;
        QVERIFY(SetupWorksheet(sheet).ok);
        if (!setup.example.empty()) {
            QCOMPARE(ReadSpecFile(sheet, File("GyrantFiles/" + setup.example)).status,
                     SpecFileStatus::Done);
            return;
        }
        sheet.document.TwoVehicles = 1;
        SpecTable& table = sheet.Table(kBaseline);
        FillSmallCar(table);
        SetComponent(table, kDriveshaftRow, "3", "2.8", "50", "Steel", 1);
        SetComponent(table, kRearTireRow, "26", "15", "9", "Use Wt", 0, "24");
    }
    std::string File(const std::string& name) const { return (folder / name).string(); }

    ProgramFolder folder;
    Worksheet sheet;
};

// A data-driven test over a table of cases, one row per case, named by the case's `name`; and
// the case of the row running.
template <typename Case, std::size_t N>
void AddCaseRows(const Case (&cases)[N]) {
    QTest::addColumn<int>("index");
    for (const Case& c : cases) QTest::newRow(c.name) << static_cast<int>(&c - cases);
}
template <typename Case, std::size_t N>
const Case& RunningCase(const Case (&cases)[N]) {
    return cases[*static_cast<int*>(QTest::qData("index", qMetaTypeId<int>()))];
}

struct MainWindowFixture : PreparedSheet {
    explicit MainWindowFixture(const SheetSetup& setup = {}) : PreparedSheet(setup) {
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
    }
    ~MainWindowFixture() { sheet.file.SpecsChanged = 0; }

    EditStripWidget& Strip() { return window.StripWidget(); }
    // Row 0 is the column headings.
    void ClickRow(int table, int row) {
        SpecGrid& grid = window.Grid(table);
        if (row == 0)
            return QTest::mouseClick(grid.horizontalHeader()->viewport(), Qt::LeftButton, {},
                                     QPoint(4, 4));
        QRect cell = grid.visualRect(grid.Model().index(row - 1, kColDescription));
        QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, cell.center());
    }
    static void TypeInto(QLineEdit* box, const QString& text) {
        box->setFocus();
        box->selectAll();
        QTest::keyClicks(box, text);
    }
    // Types over the box's text and leaves it with Tab.
    static void Enter(QLineEdit* box, const QString& text) {
        TypeInto(box, text);
        QTest::keyClick(box, Qt::Key_Tab);
    }
    // Opens the comments window, types `typed` at the end of its text ("\r" for Return) and
    // clicks OK.
    void KeepCommentsTyping(const QString& typed) {
        Trigger("mnuComments");
        auto* comments = window.findChild<CommentsWindow*>();
        QVERIFY(comments);
        QTest::keyClick(comments->Text(), Qt::Key_End, Qt::ControlModifier);
        QTest::keyClicks(comments->Text(), typed);
        QTest::mouseClick(comments->findChild<QPushButton*>(QString(), Qt::FindDirectChildrenOnly),
                          Qt::LeftButton);
        QTRY_VERIFY(!window.findChild<CommentsWindow*>());
    }
    void Trigger(const char* item) {
        auto* action = window.findChild<QAction*>(QString::fromLatin1(item));
        QVERIFY2(action, item);
        action->trigger();
    }
    // A file in the worksheets' folder, and a PDF's words there as laid out on its pages.
    std::string Pdf(const char* name) { return File(std::string("GyrantFiles/") + name); }
    // The text of a PDF, with the font's ligatures ("ﬀ") read as their letters.
    QString PdfText(const char* name) {
        QProcess text;
        text.start("pdftotext", {"-layout", QString::fromStdString(Pdf(name)), "-"});
        text.waitForFinished();
        return QString::fromUtf8(text.readAllStandardOutput())
            .normalized(QString::NormalizationForm_KC);
    }
    QString Shown(int table, int row, int column) {
        SpecTableModel& model = window.Grid(table).Model();
        return model.data(model.index(row - 1, column), Qt::DisplayRole).toString();
    }

    FakeDialogs dialogs;
    MainWindow window{sheet, &dialogs};
};

}  // namespace gyrant::testing
