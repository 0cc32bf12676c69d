// The main window, its editing strip and the windows it opens, driven offscreen with the user's
// answers scripted.

#include "shell/main_window.h"

#include <QtTest>

#include "calc/calc_window.h"
#include "help/about_window.h"
#include "help/comments_window.h"
#include "model/spec_rows.h"
#include "report/print_commands.h"
#include "shell/main_menus.h"
#include "support/main_window_fixture.h"

namespace gyrant {

class MainWindowTest : public QObject {
    Q_OBJECT

    std::unique_ptr<testing::MainWindowFixture> f;
    EditStripWidget& Strip() { return f->Strip(); }
    void PickRow(const QString& row) {
        QComboBox* selector = Strip().List(kRowSelector);
        int found = selector->findText(row);
        QVERIFY2(found >= 0, qPrintable(row));
        emit selector->activated(found);
    }
    bool Highlighted(int table, int row) {
        SpecTableModel& model = f->window.Grid(table).Model();
        return model.data(model.index(row - 1, kColEqWt), Qt::BackgroundRole) ==
               QVariant(QApplication::palette().brush(QPalette::Highlight));
    }
    // A button by its caption, else a control by its name.
    QWidget* Control(const QString& name) {
        if (QPushButton* button = Strip().Button(name)) return button;
        return Strip().findChild<QWidget*>(name);
    }
  private slots:
    void init() { f = std::make_unique<testing::MainWindowFixture>(); }
    void cleanup() { f.reset(); }

    void clickingARowLoadsItAndKeepChangeWritesItBack() {
        f->ClickRow(kBaseline, 20);
        EditStripWidget& s = Strip();
        QCOMPARE(s.TextBox(kColOD)->text() + s.List(kColMaterial)->currentText(),
                 QStringLiteral("3Steel"));
        QVERIFY(!s.TextBox(kColWeight)->isEnabled() &&
                s.Button(QStringLiteral("Calc"))->isVisible());
        QVERIFY(s.TextBox(kColOD)->hasFocus());
        f->Enter(s.TextBox(kColOD), QStringLiteral("3.5"));
        QCOMPARE(s.TextBox(kColWeight)->text() + f->Shown(kBaseline, 20, kColOD),
                 QStringLiteral("49.063"));
        QTest::mouseClick(s.Button(QStringLiteral("Keep Change")), Qt::LeftButton);
        QCOMPARE(f->Shown(kBaseline, 20, kColWeight), QStringLiteral("49.06"));
    }

    // A click or the row selector asks about the strip's unkept input: Cancel stays with it,
    // Yes keeps it in the table, No drops it. The selector offers the rows that take input and
    // scrolls to the one picked.
    void movingOffAnUnkeptInputAsksFirstAndTheRowSelectorScrolls() {
        f->ClickRow(kBaseline, 20);
        f->TypeInto(Strip().TextBox(kColOD), QStringLiteral("3.5"));
        f->dialogs.answers = {Answer::Cancel, Answer::Yes, Answer::No};
        f->ClickRow(kBaseline, 27);
        QCOMPARE(f->dialogs.messages.at(0).text, std::string("Keep the change to Driveshaft?"));
        QCOMPARE(Strip().TextBox(kColOD)->text(), QStringLiteral("3.5"));
        f->ClickRow(kBaseline, 27);
        QCOMPARE(f->Shown(kBaseline, 20, kColOD), QStringLiteral("3.5"));
        f->TypeInto(Strip().TextBox(kColWidth), QStringLiteral("10"));
        PickRow(QStringLiteral("3"));
        QCOMPARE(f->dialogs.messages.size(), 3u);
        QCOMPARE(f->Shown(kBaseline, 27, kColWidth) + QString::number(f->sheet.CurrentRow),
                 QStringLiteral("93"));
        for (const char* row : {"5", "7", "19", "30", "31"})
            QVERIFY2(Strip().List(kRowSelector)->findText(QLatin1String(row)) < 0, row);
        f->window.resize(f->window.width(), 300);
        QCoreApplication::processEvents();
        PickRow(QStringLiteral("29"));
        QCOMPARE(f->sheet.CurrentRow, 29);
        SpecGrid& grid = f->window.Grid(kBaseline);
        QRect cell = grid.visualRect(grid.Model().index(28, 0));
        QVERIFY(cell.top() >= 0 && cell.bottom() <= grid.viewport()->height());
    }

    void optionsRecalculateAndClosingAsksAboutChanges() {
        MainMenus& menus = f->window.Menus();
        menus.UpdateCheckMarks();
        QVERIFY(menus.OptionItem(1)->isChecked() && !menus.OptionItem(4)->isEnabled());
        menus.OptionItem(0)->trigger();
        QVERIFY(!f->window.Grid(kProposed).isVisible() && !menus.OptionItem(1)->isChecked());
        menus.OptionItem(3)->trigger();
        QCOMPARE(f->Shown(kBaseline, 31, kColWeight), QStringLiteral("3060.91"));
        f->sheet.SpecsChanged = 1;
        f->dialogs.answers = {Answer::Cancel, Answer::No};
        QVERIFY(!f->window.close() && f->window.isVisible());
        QCOMPARE(f->dialogs.messages.back().title, std::string("Save Changes?"));
        QVERIFY(f->window.close());
    }

    // Comments kept with OK count as a change; closing the About box puts the strip on row 1.
    void commentsAndAboutReturnToTheMainWindow() {
        f->Trigger("mnuComments");
        QCoreApplication::processEvents();
        auto* comments = f->window.findChild<CommentsWindow*>();
        QVERIFY(comments);
        QTest::keyClicks(comments->Text(), QStringLiteral("lighter wheels"));
        QTest::keyClick(comments->Text(), Qt::Key_Return);
        QTest::keyClicks(comments->Text(), QStringLiteral("same tires"));
        QTest::mouseClick(comments->findChild<QPushButton*>(QString(), Qt::FindDirectChildrenOnly),
                          Qt::LeftButton);
        QTRY_VERIFY(!f->window.findChild<CommentsWindow*>());
        QCOMPARE(f->sheet.FileComments + std::to_string(f->sheet.SpecsChanged),
                 "lighter wheels\r\nsame tires1");
        f->ClickRow(kBaseline, 20);
        f->Trigger("mnuAbout");
        QCoreApplication::processEvents();
        auto* about = f->window.findChild<AboutWindow*>();
        QVERIFY(about && about->findChild<QLabel*>(QStringLiteral("Image1")));
        QCOMPARE(CaptureWindowImage(about).size(), about->size());
        QTest::mouseClick(about, Qt::LeftButton, {}, QPoint(5, 5));
        QTRY_VERIFY(!f->window.findChild<AboutWindow*>());
        QCOMPARE(f->sheet.CurrentRow, 1);
    }

    // A failed Open changes nothing, so it leaves nothing to undo.
    void aFailedOpenLeavesNothingToUndo() {
        testing::WriteFileBytes(f->folder / "notes.txt", "shopping list");
        f->dialogs.files = {f->File("notes.txt")};
        f->Trigger("mnuOpen");
        QCOMPARE(f->dialogs.messages.back().title, std::string("Bad File"));
        QVERIFY(!f->window.findChild<QAction*>(QStringLiteral("mnuUndo"))->isEnabled());
    }

    void wizardBuildsTheVehicleInTheWindow() {
        f->dialogs.answers = {Answer::Yes, Answer::No, Answer::Ok};
        f->dialogs.inputs = {"3200", "3.73", "2.52", "350", "8", "26"};
        f->Trigger("mnuEZ");
        QCOMPARE(f->Shown(kBaseline, 3, kColValue) + Strip().TextBox(kColValue)->text(),
                 QStringLiteral("3.733200"));
        QVERIFY(!f->Shown(kBaseline, 31, kColEqWt).isEmpty());
    }

    // After "Use Calc Value" the strip's results and Weight follow its new inputs as the table
    // will show them. "Change OD Also ?" answered No keeps the sub-menu open, the new I.D. shown in
    // the strip.
    void subMenuValuesReachTheStrip() {
        f->ClickRow(kBaseline, kRearTireRow);
        Strip().Button(QStringLiteral("Calc"))->click();
        QCoreApplication::processEvents();
        auto* calc = f->window.findChild<CalcWindow*>();
        QVERIFY(calc);
        calc->List(1)->setCurrentIndex(0);
        emit calc->List(1)->activated(0);
        for (auto [k, text] : {std::pair{2, "225"}, {4, "50"}, {5, "16"}})
            f->Enter(calc->TextBox(k), QString::fromLatin1(text));
        QCOMPARE(calc->OutputValue(1)->text(), QStringLiteral("24.9"));
        QString before = Strip().TextBox(kColInertia)->text();
        calc->UseButton()->click();
        QTRY_VERIFY(!f->window.findChild<CalcWindow*>());
        QCOMPARE(Strip().TextBox(kColOD)->text() + Strip().TextBox(kColID)->text(),
                 QStringLiteral("24.916"));
        QString inertia = Strip().TextBox(kColInertia)->text();
        QVERIFY(inertia != before);
        QCOMPARE(Strip().TextBox(kColWeight)->isEnabled(),
                 Strip().List(kColMaterial)->currentIndex() == 0);
        Strip().Button(QStringLiteral("Keep Change"))->click();
        QCOMPARE(f->Shown(kBaseline, kRearTireRow, kColInertia), inertia);
        f->ClickRow(kBaseline, kDriveshaftRow);
        Strip().Button(QStringLiteral("Calc"))->click();
        QCoreApplication::processEvents();
        calc = f->window.findChild<CalcWindow*>();
        QVERIFY(calc);
        QCOMPARE(calc->findChild<QGroupBox*>(QStringLiteral("Frame3D3"))->title(),
                 QStringLiteral("Inner Diameter"));  // the note's caption from its definition
        f->Enter(calc->TextBox(2), QStringLiteral("3.5"));
        f->dialogs.answers = {Answer::No};
        calc->UseButton()->click();
        QCOMPARE(f->dialogs.messages.back().title, std::string("Change OD Also ?"));
        QVERIFY(f->window.findChild<CalcWindow*>() == calc && calc->isVisible());
        QCOMPARE(Strip().TextBox(kColID)->text() + "|" + Strip().TextBox(kColOD)->text(),
                 calc->OutputValue(1)->text() + "|3");
    }

    void onlyTheClickedTableShowsItsRowAndTheStripNamesItsVehicle_data() {
        QTest::addColumn<int>("table");
        QTest::addColumn<int>("clicked");
        QTest::addColumn<QString>("vehicle");
        QTest::newRow("Baseline heading") << kBaseline << 0 << "Baseline";
        QTest::newRow("Proposed row") << kProposed << 3 << "Proposed";
        QTest::newRow("Proposed heading") << kProposed << 0 << "Proposed";
    }
    void onlyTheClickedTableShowsItsRowAndTheStripNamesItsVehicle() {
        QFETCH(int, table);
        QFETCH(int, clicked);
        QFETCH(QString, vehicle);
        int edited = std::max(clicked, 1), other = kProposed - table;
        f->ClickRow(other, kGearRatioRow);
        f->ClickRow(table, clicked);
        auto* name = Strip().findChild<QLabel*>(QStringLiteral("Vehicle"));
        QVERIFY(name && name->text() == vehicle && f->sheet.CurrentTable == table);
        QCOMPARE(Strip().List(kRowSelector)->currentText(), QString::number(edited));
        QVERIFY(Highlighted(table, edited) && !Highlighted(other, kGearRatioRow));
    }

    // Up and Down move between fields, a list keeping its choice; Enter moves on, from a button
    // too, which does not act on it; a caption's click gives its field the focus.
    void focusMovesBetweenFields_data() {
        QTest::addColumn<QString>("from");
        QTest::addColumn<int>("key");  // 0 for a click
        QTest::addColumn<QString>("to");
        QTest::newRow("Down") << "SpecData_3" << int(Qt::Key_Down) << "SpecData_4";
        QTest::newRow("Up in a list") << "cmbSpecData_6" << int(Qt::Key_Up) << "SpecData_5";
        QTest::newRow("Enter") << "SpecData_5" << int(Qt::Key_Return) << "cmbSpecData_6";
        for (const char* button : {"Refresh", "Copy Down", "Keep Change", "Calc"})
            QTest::newRow(button) << button << int(Qt::Key_Return) << "cmbSpecData_0";
        QTest::newRow("Width caption") << "SpecName_5" << 0 << "SpecData_5";
        QTest::newRow("Material caption") << "SpecName_6" << 0 << "cmbSpecData_6";
    }
    void focusMovesBetweenFields() {
        QFETCH(QString, from);
        QFETCH(int, key);
        QFETCH(QString, to);
        f->ClickRow(kBaseline, kDriveshaftRow);
        if (key) {
            Control(from)->setFocus();
            QTest::keyClick(Control(from), Qt::Key(key));
        } else {
            QTest::mouseClick(Control(from), Qt::LeftButton);
        }
        QTRY_COMPARE(QApplication::focusWidget(), Control(to));
        QVERIFY(f->dialogs.messages.empty() && f->sheet.SpecsChanged == 0);
        QCOMPARE(Strip().List(kColMaterial)->currentText(), QStringLiteral("Steel"));
    }

    // The box shows the entry as it was read beside the warning, then its text before, and
    // keeps the focus.
    void aRefusedEntryShowsAsReadBesideItsWarning() {
        f->ClickRow(kBaseline, kFinalDriveRow);
        QLineEdit* value = Strip().TextBox(kColValue);
        QString shown;
        f->dialogs.whenAsked = [&] { shown = value->text(); };
        f->Enter(value, QStringLiteral("099.0"));
        QCOMPARE(shown + "|" + value->text(), QStringLiteral("99|3.73"));
        QCOMPARE(f->dialogs.messages.at(0).title, std::string("Warning"));
        QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget*>(value));
    }
};

}  // namespace gyrant

QTEST_MAIN(gyrant::MainWindowTest)
#include "main_window_test.moc"
