// The main window driven as a user would, offscreen: clicks, typing and keys in the strip, the
// row selector, the Options and File menus and closing.

#include <QApplication>
#include <QScrollBar>

#include "files/settings_file.h"
#include "shell/main_menus.h"
#include "support/window_fixture.h"
#include "text/cell_codec.h"

namespace gyrant {

class MainWindowTest : public QObject {
    Q_OBJECT

    std::unique_ptr<testing::WindowFixture> f;

    void ClickRow(int table, int row) {
        SpecGrid& grid = f->window->Grid(table);
        QRect cell =
            grid.visualRect(grid.Model().index(SpecTableModel::ModelRow(row), kColDescription));
        QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, cell.center());
    }
    void TypeInto(int field, const QString& text) {
        QLineEdit* box = f->Strip().TextBox(field);
        box->setFocus();
        box->selectAll();
        QTest::keyClicks(box, text);
    }

  private slots:
    void init() { f = std::make_unique<testing::WindowFixture>(); }
    void cleanup() { f.reset(); }

    void clickingARowLoadsItIntoTheStrip() {
        QCOMPARE(f->Strip().TextBox(kColValue)->text(), QStringLiteral("3000"));
        ClickRow(kBaseline, 20);
        QCOMPARE(f->sheet.CurrentRow, 20);
        QCOMPARE(f->Strip().TextBox(kColOD)->text(), QStringLiteral("3"));
        QCOMPARE(f->Strip().List(kColMaterial)->currentText(), QStringLiteral("Steel"));
        QVERIFY(!f->Strip().TextBox(kColWeight)->isEnabled());
        QVERIFY(f->Strip().Button(QStringLiteral("Calc"))->isVisible());
        QCOMPARE(f->Strip().List(kRowSelector)->currentText(), QStringLiteral("20"));
        QVERIFY(f->Strip().TextBox(kColOD)->hasFocus());
        SpecTableModel& model = f->window->Grid(kBaseline).Model();
        QCOMPARE(model.data(model.index(19, kColEqWt), Qt::BackgroundRole),
                 QVariant(QApplication::palette().brush(QPalette::Highlight)));
    }

    void typingLeavingAndKeepingChangesTheTable() {
        ClickRow(kBaseline, 20);
        TypeInto(kColOD, QStringLiteral("3.5"));
        QTest::keyClick(f->Strip().TextBox(kColOD), Qt::Key_Tab);
        QCOMPARE(f->Strip().TextBox(kColWeight)->text(), QStringLiteral("49.06"));
        QCOMPARE(f->Shown(kBaseline, 20, kColOD), QStringLiteral("3"));
        QTest::mouseClick(f->Strip().Button(QStringLiteral("Keep Change")), Qt::LeftButton);
        QCOMPARE(f->Shown(kBaseline, 20, kColWeight), QStringLiteral("49.06"));
        QCOMPARE(f->sheet.SpecsChanged, 1);
    }

    void refusedEntryWarnsAndRestoresThePreviousText() {
        ClickRow(kBaseline, 3);
        TypeInto(kColValue, QStringLiteral("99"));
        QTest::keyClick(f->Strip().TextBox(kColValue), Qt::Key_Tab);
        QCOMPARE(f->dialogs.messages.at(0).text,
                 std::string("Value = 99.  Value must be between  1 and  10 ."));
        QCOMPARE(f->Strip().TextBox(kColValue)->text(), QStringLiteral("3.73"));
        QTRY_COMPARE(f->window->focusWidget(),
                     static_cast<QWidget*>(f->Strip().TextBox(kColValue)));
    }

    void arrowKeysMoveBetweenFieldsWithoutChangingAChoice() {
        ClickRow(kBaseline, 20);
        EditStripWidget& strip = f->Strip();
        QTest::keyClick(strip.TextBox(kColOD), Qt::Key_Down);
        QVERIFY(strip.TextBox(kColID)->hasFocus());
        QTest::keyClick(strip.TextBox(kColID), Qt::Key_Up);
        QVERIFY(strip.TextBox(kColOD)->hasFocus());
        strip.List(kColMaterial)->setFocus();
        QTest::keyClick(strip.List(kColMaterial), Qt::Key_Up);
        QCOMPARE(strip.List(kColMaterial)->currentText(), QStringLiteral("Steel"));
        QVERIFY(strip.TextBox(kColWidth)->hasFocus());
        QTest::keyClick(strip.TextBox(kColWidth), Qt::Key_Return);
        QVERIFY(strip.List(kColMaterial)->hasFocus());
    }

    void rowSelectorOffersRowsThatTakeInputAndScrollsToThePickedOne() {
        QComboBox* selector = f->Strip().List(kRowSelector);
        QStringList offered;
        for (int i = 0; i < selector->count(); ++i) offered << selector->itemText(i);
        for (const char* row : {"5", "7", "19", "30", "31"})
            QVERIFY2(!offered.contains(QLatin1String(row)), row);
        f->window->resize(f->window->width(), 300);
        QCoreApplication::processEvents();
        int pick = static_cast<int>(offered.indexOf(QStringLiteral("29")));
        selector->setCurrentIndex(pick);
        emit selector->activated(pick);
        QCOMPARE(f->sheet.CurrentRow, 29);
        SpecGrid& grid = f->window->Grid(kBaseline);
        QRect cell = grid.visualRect(grid.Model().index(SpecTableModel::ModelRow(29), 0));
        QVERIFY(grid.verticalScrollBar()->value() > 0);
        QVERIFY(cell.top() >= 0 && cell.bottom() <= grid.viewport()->height());
    }

    // Cancel stays on the row with the input; No drops it; Yes keeps it in the table.
    void movingOffAnUnkeptInputAsksFirst() {
        ClickRow(kBaseline, 20);
        TypeInto(kColOD, QStringLiteral("3.5"));
        f->dialogs.answers = {Answer::Cancel};
        ClickRow(kBaseline, 27);
        QCOMPARE(f->dialogs.messages.at(0).text, std::string("Keep the change to Driveshaft?"));
        QCOMPARE(f->sheet.CurrentRow, 20);
        QCOMPARE(f->Strip().TextBox(kColOD)->text(), QStringLiteral("3.5"));
        f->dialogs.answers = {Answer::Yes};
        ClickRow(kBaseline, 27);
        QCOMPARE(f->sheet.CurrentRow, 27);
        QCOMPARE(f->Shown(kBaseline, 20, kColOD), QStringLiteral("3.5"));
        TypeInto(kColWidth, QStringLiteral("10"));
        f->dialogs.answers = {Answer::No};
        int pick = f->Strip().List(kRowSelector)->findText(QStringLiteral("3"));
        emit f->Strip().List(kRowSelector)->activated(pick);
        QCOMPARE(f->dialogs.messages.size(), 3u);
        QCOMPARE(f->Shown(kBaseline, 27, kColWidth), QStringLiteral("9"));
        QCOMPARE(f->sheet.CurrentRow, 3);
    }

    void optionsAreShownChangedAndWrittenAtOnce() {
        MainMenus& menus = f->window->Menus();
        menus.UpdateCheckMarks();
        QVERIFY(menus.OptionItem(0)->isChecked() && !menus.OptionItem(1)->isChecked());
        QVERIFY(!menus.OptionItem(4)->isEnabled());
        menus.OptionItem(1)->trigger();
        QVERIFY(f->window->Grid(kProposed).isVisible());
        QVERIFY(menus.OptionItem(1)->isChecked() && !menus.OptionItem(0)->isChecked());
        menus.OptionItem(3)->trigger();
        QCOMPARE(f->Shown(kBaseline, 31, kColWeight), QStringLiteral("3060.91"));
        Worksheet read;
        ReadSettings(read, SettingsPath(f->sheet));
        QCOMPARE(read.TwoVehicles, 1);
        QCOMPARE(read.WeightOption, 1);
    }

    void openAndSaveAsShowTheFileNameAsTheFileSystemSpellsIt() {
        f->dialogs.files = {f->Example()};
        f->Item("mnuOpen")->trigger();
        QCOMPARE(f->window->windowTitle(),
                 QStringLiteral("Vevizadu Gyrant - Torvane Inc.   [ V8 Street Car.qrx ]"));
        QVERIFY(f->window->Grid(kProposed).isVisible());
        QCOMPARE(f->Shown(kProposed, 31, kColEqWt), QStringLiteral("4093.18"));
        QCOMPARE(f->Strip().TextBox(kColValue)->text(), QStringLiteral("3700"));
        std::string copy = (f->folder / "GyrantFiles" / "Caf\xC3\xA9.qrx").string();
        f->dialogs.files = {copy};
        f->Item("mnuSaveAs")->trigger();
        QCOMPARE(f->window->windowTitle(),
                 QStringLiteral("Vevizadu Gyrant - Torvane Inc.   [ Caf\u00e9.qrx ]"));
        QCOMPARE(testing::ReadFileBytes(copy), testing::ReadFileBytes(f->Example()));
    }

    void closingAsksAboutChangesAndWritesTheSettings() {
        f->sheet.SpecsChanged = 1;
        f->dialogs.answers = {Answer::Cancel};
        QVERIFY(!f->window->close());
        QVERIFY(f->window->isVisible());
        QCOMPARE(f->dialogs.messages.back().title, std::string("Save Changes?"));
        f->sheet.UnitSystem = 2;
        f->dialogs.answers = {Answer::No};
        QVERIFY(f->window->close());
        Worksheet read;
        ReadSettings(read, SettingsPath(f->sheet));
        QCOMPARE(read.UnitSystem, 2);
    }

    void cellBytesSurviveTheWindowsAndMessagesBreakAtCr() {
        std::string every;
        for (int byte = 1; byte < 256; ++byte) every += static_cast<char>(byte);
        QCOMPARE(ToCell(FromCell(every)), every);
        QCOMPARE(FromCell("\x80 \xe9"), QStringLiteral("\u20ac \u00e9"));
        QCOMPARE(FromMessage("one\rtwo\r\rthree"), QStringLiteral("one\ntwo\n\nthree"));
    }
};

}  // namespace gyrant

QTEST_MAIN(gyrant::MainWindowTest)
#include "main_window_test.moc"
