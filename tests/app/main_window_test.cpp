// The main window, its editing strip and the windows it opens, driven offscreen with the user's
// answers scripted.

#include "shell/main_window.h"

#include <QMenuBar>
#include <QtTest>
#include <algorithm>

#include "calc/calc_window.h"
#include "help/about_window.h"
#include "help/help_window.h"
#include "model/spec_rows.h"
#include "shell/main_menus.h"
#include "support/main_window_fixture.h"

namespace gyrant {
namespace {

struct Press {
    const char* name;
    const char* button;
    int altKey;  // 0 for a click
    int row, field;
    const char* typed;    // into the strip's field
    const char* planted;  // into the table's O.D., not reckoned
    int table;            // where the field of the row then shows `shown`
    const char* shown;
    const char* asked;  // the first message's title
};
constexpr Press kPresses[] = {
    {"click keeps", "Keep Change", 0, kDriveshaftRow, kColOD, "3.5", "", 0, "3.5", ""},
    {"Alt+K keeps", "Keep Change", Qt::Key_K, kDriveshaftRow, kColOD, "3.5", "", 0, "3.5", ""},
    {"Alt+K refuses", "Keep Change", Qt::Key_K, kFinalDriveRow, kColValue, "099.0", "", 0, "3.73",
     "Warning"},
    {"Alt+D copies down", "Copy Down", Qt::Key_D, kDriveshaftRow, kColOD, "", "", 1, "3",
     "Copy to Bottom Spread Sheet?"},
    {"Alt+R reckons", "Refresh", Qt::Key_R, kDriveshaftRow, kColWeight, "", "3.5", 0, "49.06", ""},
    {"Alt+A opens Calc", "Calc", Qt::Key_A, kDriveshaftRow, kColOD, "", "", 0, "3", ""},
};

// From row `from` of `fromTable`, a click on row `clicked` of `table` (0 for its heading), or
// `key` in `table` once Tab reached it, loads row `to` of `table`.
struct Move {
    const char* name;
    int fromTable, from, key, table, clicked, to;
};
constexpr Move kMoves[] = {
    {"click from a Value row to the next", kBaseline, 1, 0, kBaseline, 2, 2},
    {"click back to the row above", kBaseline, 3, 0, kBaseline, 2, 2},
    {"click past a hidden row", kBaseline, 4, 0, kBaseline, 6, 6},
    {"Baseline heading loads its row 1", kProposed, 4, 0, kBaseline, 0, 1},
    {"click into the Proposed table", kBaseline, 4, 0, kProposed, 3, 3},
    {"Proposed heading loads its row 1", kBaseline, 4, 0, kProposed, 0, 1},
    {"Down passes a spacer", kBaseline, 6, Qt::Key_Down, kBaseline, 0, 8},
    {"Up passes a hidden row", kBaseline, 6, Qt::Key_Up, kBaseline, 0, 4},
    {"Down stays on the last row", kBaseline, 29, Qt::Key_Down, kBaseline, 0, 29},
    {"Down in the Proposed table", kBaseline, 1, Qt::Key_Down, kProposed, 0, 2},
};

}  // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

    std::unique_ptr<testing::MainWindowFixture> f;
    // Types a row's number into the row selector and presses Enter.
    void PickRow(const QString& row) {
        f->Strip().List(kRowSelector)->setFocus();
        QTest::keyClicks(f->Strip().List(kRowSelector), row + QLatin1Char('\r'));
    }
    bool Highlighted(int table, int row) {
        SpecTableModel& model = f->window.Grid(table).Model();
        return model.data(model.index(row - 1, kColEqWt), Qt::BackgroundRole) ==
               QVariant(QApplication::palette().brush(QPalette::Highlight));
    }
    // Presses Calc and returns the sub-menu it opened, the newest.
    CalcWindow* PressCalc() {
        QTest::mouseClick(f->Strip().Button(QStringLiteral("Calc")), Qt::LeftButton);
        QCoreApplication::processEvents();
        QList<CalcWindow*> open = f->window.findChildren<CalcWindow*>();
        return open.value(open.size() - 1);
    }
    // Presses the sub-menu's Help and returns the help window it opened.
    static HelpWindow* PressHelp(CalcWindow* calc) {
        QTest::mouseClick(calc->findChildren<QPushButton*>().at(1), Qt::LeftButton);  // "Help"
        return calc->findChild<HelpWindow*>();
    }
    // A button by its caption, else a control by its name.
    QWidget* Control(const QString& name) {
        if (QPushButton* button = f->Strip().Button(name)) return button;
        return f->Strip().findChild<QWidget*>(name);
    }
  private slots:
    void init() { f = std::make_unique<testing::MainWindowFixture>(); }
    void cleanup() { f.reset(); }

    void clickingARowLoadsIt() {
        f->ClickRow(kBaseline, 20);
        EditStripWidget& s = f->Strip();
        QCOMPARE(s.TextBox(kColOD)->text(), QStringLiteral("3"));
        QCOMPARE(s.List(kColMaterial)->currentText(), QStringLiteral("Steel"));
        QVERIFY(!s.TextBox(kColWeight)->isEnabled());
        QVERIFY(s.Button(QStringLiteral("Calc"))->isVisible());
        QVERIFY(s.TextBox(kColOD)->hasFocus());
        f->Enter(s.TextBox(kColOD), QStringLiteral("3.5"));
        QCOMPARE(s.TextBox(kColWeight)->text(), QStringLiteral("49.06"));
        QCOMPARE(f->Shown(kBaseline, 20, kColOD), QStringLiteral("3"));
    }

    // A strip button acts on a click or on its Alt key, which leaves the box being typed in as a
    // click does: an entry refused there is not kept.
    void theStripButtonsActOnAClickOrTheirAltKey_data() { testing::AddCaseRows(kPresses); }
    void theStripButtonsActOnAClickOrTheirAltKey() {
        const Press& p = testing::RunningCase(kPresses);
        f->ClickRow(kBaseline, p.row);
        if (*p.typed) f->TypeInto(f->Strip().TextBox(p.field), QString::fromLatin1(p.typed));
        if (*p.planted) f->sheet.Table(kBaseline).SetText(p.row, kColOD, p.planted);
        f->dialogs.answers = {Answer::Yes};
        QPushButton* button = f->Strip().Button(QString::fromLatin1(p.button));
        if (p.altKey)
            QTest::keyClick(QApplication::focusWidget(), Qt::Key(p.altKey), Qt::AltModifier);
        else
            QTest::mouseClick(button, Qt::LeftButton);
        QTRY_VERIFY(!button->isDown());
        QCOMPARE(f->Shown(p.table, p.row, p.field), QString::fromLatin1(p.shown));
        std::vector<Message>& messages = f->dialogs.messages;
        QCOMPARE(messages.empty() ? "" : messages[0].title, std::string(p.asked));
        QCOMPARE(f->window.findChild<CalcWindow*>() != nullptr,
                 p.button == std::string_view("Calc"));
    }

    // A click or the row selector asks about the strip's unkept input: Cancel stays with it,
    // Yes keeps it in the table, No drops it. The selector offers the rows that take input and
    // scrolls to the one picked.
    void movingOffAnUnkeptInputAsksFirstAndTheRowSelectorScrolls() {
        f->ClickRow(kBaseline, 20);
        f->TypeInto(f->Strip().TextBox(kColOD), QStringLiteral("3.5"));
        f->dialogs.answers = {Answer::Cancel, Answer::Yes, Answer::No};
        f->ClickRow(kBaseline, 27);
        QCOMPARE(f->Strip().TextBox(kColOD)->text(), QStringLiteral("3.5"));
        f->ClickRow(kBaseline, 27);
        QCOMPARE(f->Shown(kBaseline, 20, kColOD), QStringLiteral("3.5"));
        f->TypeInto(f->Strip().TextBox(kColWidth), QStringLiteral("10"));
        PickRow(QStringLiteral("3"));
        QCOMPARE(f->dialogs.messages.size(), 3u);
        QCOMPARE(f->Shown(kBaseline, 27, kColWidth), QStringLiteral("9"));
        QCOMPARE(f->sheet.view.CurrentRow, 3);
        for (const char* row : {"5", "7", "19", "30", "31"})
            QVERIFY2(f->Strip().List(kRowSelector)->findText(QLatin1String(row)) < 0, row);
        f->window.resize(f->window.width(), 300);
        QCoreApplication::processEvents();
        PickRow(QStringLiteral("29"));
        QCOMPARE(f->sheet.view.CurrentRow, 29);
        SpecGrid& grid = f->window.Grid(kBaseline);
        QRect cell = grid.visualRect(grid.Model().index(28, 0));
        QVERIFY(cell.top() >= 0 && cell.bottom() <= grid.viewport()->height());
    }

    // Digits typed into the row selector pick the row they name after the type-ahead pause (or
    // at Enter, as PickRow types them); none reaches a field of a row passed on the way, and the
    // row's field gets the focus.
    void aRowNumberTypedIntoTheSelectorPicksThatRow() {
        f->ClickRow(kBaseline, kFinalDriveRow);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
        QCOMPARE(QApplication::focusWidget(), f->Strip().List(kRowSelector));
        for (QChar key : QStringLiteral("26")) QTest::keyClicks(QApplication::focusWidget(), key);
        QTRY_COMPARE(f->sheet.view.CurrentRow, kRearWheelRow);
        QCOMPARE(QApplication::focusWidget(), f->Strip().TextBox(kColOD));
        QVERIFY(!f->window.Editor().HoldsUnkeptInput());
        QCOMPARE(f->Shown(kBaseline, kDriveshaftRow, kColOD), QStringLiteral("3"));
    }

    // A click (from a Value box, or from the other table), or Up and Down in a table that Tab
    // reached, load the row they reach that takes input, with no warning about the row left.
    // Only that table shows its row, and the strip names its vehicle; keys leave the focus there.
    void movingToARowLoadsItWithoutAWarning_data() { testing::AddCaseRows(kMoves); }
    void movingToARowLoadsItWithoutAWarning() {
        const auto& [name, fromTable, from, key, table, clicked, to] = testing::RunningCase(kMoves);
        f->ClickRow(fromTable, from);
        SpecGrid* grid = &f->window.Grid(table);
        for (int tabs = 0; key && tabs < 40 && QApplication::focusWidget() != grid; ++tabs)
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        if (key)
            QTest::keyClick(QApplication::focusWidget(), Qt::Key(key));
        else
            f->ClickRow(table, clicked);
        QVERIFY(f->dialogs.messages.empty());
        QCOMPARE(f->sheet.view.CurrentTable, table);
        QCOMPARE(f->sheet.view.CurrentRow, to);
        QCOMPARE(f->Strip().List(kRowSelector)->currentText(), QString::number(to));
        QVERIFY(Highlighted(table, to));
        QVERIFY(fromTable == table || !Highlighted(fromTable, from));
        QCOMPARE(f->Strip().findChild<QLabel*>(QStringLiteral("Vehicle"))->text(),
                 QString::fromLatin1(VehicleName(table)));
        if (key) QCOMPARE(QApplication::focusWidget(), grid);
    }

    void optionsRecalculateAndClosingAsksAboutChanges() {
        MainMenus& menus = f->window.Menus();
        menus.UpdateCheckMarks();
        QVERIFY(menus.OptionItem(1)->isChecked());
        QVERIFY(!menus.OptionItem(4)->isEnabled());
        menus.OptionItem(0)->trigger();
        QCOMPARE(f->window.findChild<QAction*>(QStringLiteral("mnuUndo"))->text(),
                 QStringLiteral("&Undo Show Only One (1) Vehicle"));
        QVERIFY(!f->window.Grid(kProposed).isVisible());
        QVERIFY(!menus.OptionItem(1)->isChecked());
        menus.OptionItem(3)->trigger();
        QCOMPARE(f->Shown(kBaseline, 31, kColWeight), QStringLiteral("3060.91"));
        f->sheet.file.SpecsChanged = 1;
        f->dialogs.answers = {Answer::Cancel, Answer::No};
        QVERIFY(!f->window.close());
        QVERIFY(f->window.isVisible());
        QVERIFY(f->window.close());
    }

    // Every item of a menu has a letter of its own there; so has each Alt key of the window: the
    // menu bar's titles and the strip's buttons.
    void everyItemHasALetterOfItsOwn_data() {
        QTest::addColumn<QString>("menu");  // empty for the window's Alt keys
        QTest::newRow("the window's Alt keys") << "";
        for (QString menu :
             {"mnuFile", "mnuEdit", "mnuOptions", "mnuView", "mnuBoreStroke", "mnuHelp"})
            QTest::newRow(qPrintable("the " + menu.mid(3) + " menu")) << menu;
    }
    void everyItemHasALetterOfItsOwn() {
        QFETCH(QString, menu);
        QWidget* items = menu.isEmpty() ? static_cast<QWidget*>(f->window.menuBar())
                                        : f->window.findChild<QMenu*>(menu);
        QStringList texts;
        for (QAction* item : items->actions())
            if (!item->isSeparator()) texts << item->text();
        for (const char* button : {"Keep Change", "Copy Down", "Refresh", "Calc"})
            if (menu.isEmpty()) texts << f->Strip().Button(QString::fromLatin1(button))->text();
        QList<QKeySequence> taken;
        for (const QString& text : texts) {
            QKeySequence letter = QKeySequence::mnemonic(text);
            QVERIFY2(!letter.isEmpty(), qPrintable(text));
            QVERIFY2(!taken.contains(letter), qPrintable(text));
            taken << letter;
        }
    }

    // A shortcut belongs to a menu item, which shows it, and to no other. The items a desktop
    // user reaches by a key have one on this platform too.
    void everyShortcutShowsInItsMenuOnce() {
        for (const char* item : {"mnuOpen", "mnuSave", "mnuSaveAs", "mnuPrint", "mnuExit",
                                 "mnuUndo", "mnuRedo", "mnuHelpHelp"})
            QVERIFY2(!f->window.findChild<QAction*>(item)->shortcut().isEmpty(), item);
        QList<QKeySequence> taken;
        for (QAction* action : f->window.findChildren<QAction*>()) {
            const QList<QObject*> places = action->associatedObjects();
            bool inMenu = std::ranges::any_of(
                places, [](QObject* o) { return qobject_cast<QMenu*>(o) != nullptr; });
            for (const QKeySequence& keys : action->shortcuts()) {
                QVERIFY2(inMenu, qPrintable(action->text()));
                QVERIFY2(!taken.contains(keys), qPrintable(action->text()));
                taken << keys;
            }
        }
    }

    // Comments kept with OK count as a change; closing the About box puts the strip on row 1.
    void commentsAndAboutReturnToTheMainWindow() {
        f->KeepCommentsTyping(QStringLiteral("lighter wheels\rsame tires"));
        QCOMPARE(f->sheet.document.FileComments, "lighter wheels\r\nsame tires");
        QCOMPARE(f->sheet.file.SpecsChanged, 1);
        f->ClickRow(kBaseline, 20);
        f->Trigger("mnuAbout");
        QCoreApplication::processEvents();
        auto* about = f->window.findChild<AboutWindow*>();
        QVERIFY(about);
        QTest::mouseClick(about, Qt::LeftButton, {}, QPoint(5, 5));
        QTRY_VERIFY(!f->window.findChild<AboutWindow*>());
        QCOMPARE(f->sheet.view.CurrentRow, 1);
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
        QCOMPARE(f->Shown(kBaseline, 3, kColValue), QStringLiteral("3.73"));
        QCOMPARE(f->Strip().TextBox(kColValue)->text(), QStringLiteral("3200"));
        QVERIFY(!f->Shown(kBaseline, 31, kColEqWt).isEmpty());
    }

    // A car built with "New and Start EZ Build Wizard" leaves the file it started from alone:
    // Save asks for a name.
    void theNewWizardCarIsUntitled() {
        f->dialogs.files = {f->File("My Car.qrx")};
        f->Trigger("mnuSaveAs");
        f->dialogs.answers = {Answer::Yes, Answer::Yes};
        f->Trigger("mnuNewEZ");
        QVERIFY(f->window.windowTitle().contains(QStringLiteral("[ Untitled ]")));
        std::size_t asked = f->dialogs.choosersShown.size();
        f->Trigger("mnuSave");
        QCOMPARE(f->dialogs.choosersShown.size(), asked + 1);
    }

    // After "Use Calc Value" the strip's results and Weight follow its new inputs as the table
    // will show them; an emptied input empties and disables the results that used it. "Change OD
    // Also ?" answered No keeps the sub-menu open, the new I.D. shown in the strip; Calc closes
    // it, and a sub-menu and its help close as the strip leaves the sub-menu's row or Open
    // replaces the worksheet.
    void subMenuValuesReachTheStripOfTheirRowOnly() {
        f->ClickRow(kBaseline, kRearTireRow);
        QPointer<CalcWindow> calc = PressCalc();
        QVERIFY(calc);
        emit calc->List(1)->activated(0);
        for (auto [k, text] : {std::pair{2, "225"}, {4, "50"}, {5, "16"}})
            f->Enter(calc->TextBox(k), QString::fromLatin1(text));
        f->TypeInto(calc->TextBox(5), {});
        QTest::keyClick(calc->TextBox(5), Qt::Key_Backspace);
        QTest::keyClick(calc->TextBox(5), Qt::Key_Tab);
        for (int k : {1, 2}) {
            QVERIFY(calc->OutputValue(k)->text().isEmpty());
            QVERIFY(!calc->OutputValue(k)->isEnabled());
        }
        f->Enter(calc->TextBox(5), QStringLiteral("16"));
        QString before = f->Strip().TextBox(kColInertia)->text();
        calc->UseButton()->click();
        QTRY_VERIFY(!calc);
        QCOMPARE(f->Strip().TextBox(kColOD)->text(), QStringLiteral("24.9"));
        QString inertia = f->Strip().TextBox(kColInertia)->text();
        QVERIFY(inertia != before);
        QCOMPARE(f->Strip().TextBox(kColWeight)->isEnabled(),
                 f->Strip().List(kColMaterial)->currentIndex() == 0);
        f->Strip().Button(QStringLiteral("Keep Change"))->click();
        QCOMPARE(f->Shown(kBaseline, kRearTireRow, kColInertia), inertia);
        f->ClickRow(kBaseline, kDriveshaftRow);
        calc = PressCalc();
        QVERIFY(calc);
        QCOMPARE(calc->findChild<QGroupBox*>(QStringLiteral("Frame3D3"))->title(),
                 QStringLiteral("Inner Diameter"));  // the note's caption from its definition
        f->Enter(calc->TextBox(2), QStringLiteral("3.5"));
        f->dialogs.answers = {Answer::No};
        calc->UseButton()->click();
        QCOMPARE(f->window.findChild<CalcWindow*>(), calc.data());
        QVERIFY(calc->isVisible());
        QCOMPARE(f->Strip().TextBox(kColID)->text(), calc->OutputValue(1)->text());
        QCOMPARE(f->Strip().TextBox(kColOD)->text(), QStringLiteral("3"));
        QVERIFY(PressHelp(calc));  // which keeps it open while the focus is elsewhere
        QPointer<CalcWindow> next = PressCalc();
        QTRY_VERIFY(!calc);
        QPointer<HelpWindow> help = PressHelp(next);
        QVERIFY(help);
        f->dialogs.answers = {Answer::No};  // drops what the sub-menu wrote into the strip
        f->ClickRow(kProposed, kReciprocatingPerCylinderRow);
        QTRY_VERIFY(!next);
        QVERIFY(!help);
        f->ClickRow(kBaseline, kVehicleWeightRow);
        calc = PressCalc();  // over the row where Open puts the strip
        f->dialogs.files = {f->File("GyrantFiles/V8 Street Car.qrx")};
        f->dialogs.answers = {Answer::No};  // not saved
        f->Trigger("mnuOpen");
        QTRY_VERIFY(!calc);
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
            QTest::addRow("Enter on %s", button)
                << button << int(Qt::Key_Return) << "cmbSpecData_0";
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
        QVERIFY(f->dialogs.messages.empty());
        QCOMPARE(f->sheet.file.SpecsChanged, 0);
        QCOMPARE(f->Strip().List(kColMaterial)->currentText(), QStringLiteral("Steel"));
    }

    // The box shows the entry as it was read beside the warning, then its text before, and
    // keeps the focus.
    void aRefusedEntryShowsAsReadBesideItsWarning() {
        f->ClickRow(kBaseline, kFinalDriveRow);
        QLineEdit* value = f->Strip().TextBox(kColValue);
        QString shown;
        f->dialogs.whenAsked = [&] { shown = value->text(); };
        f->Enter(value, QStringLiteral("099.0"));
        QCOMPARE(shown, QStringLiteral("99"));
        QCOMPARE(value->text(), QStringLiteral("3.73"));
        QCOMPARE(f->dialogs.messages.at(0).title, std::string("Warning"));
        QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget*>(value));
    }
};

}  // namespace gyrant

QTEST_MAIN(gyrant::MainWindowTest)
#include "main_window_test.moc"
