// The main window driven as a user would: clicks, typing, keys and the Options menu, offscreen.

#include <QApplication>
#include <QMenu>
#include <QMessageBox>
#include <QTimer>
#include <QtTest>

#include "files/settings_file.h"
#include "model/setup_tables.h"
#include "shell/main_menus.h"
#include "shell/main_window.h"
#include "support/program_folder.h"
#include "support/worksheet_builder.h"
#include "text/cell_codec.h"

namespace gyrant {

class MainWindowTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void clickingARowLoadsItIntoTheStrip();
    void typingLeavingAndKeepingChangesTheTable();
    void refusedEntryWarnsAndRestoresThePreviousText();
    void arrowKeysMoveBetweenFieldsWithoutChangingAChoice();
    void optionsMenuShowsAndChangesTheSettings();
    void closingWritesTheSettings();
    void cellBytesSurviveTheWindowsAndMessagesBreakAtCr();

private:
    void ClickRow(int table, int row);
    QString Cell(int table, int row, int column) { return FromCell(m_sheet->Table(table).Text(row, column)); }

    std::unique_ptr<testing::ProgramFolder> m_folder;
    std::unique_ptr<Worksheet> m_sheet;
    std::unique_ptr<MainWindow> m_window;
};

void MainWindowTest::init() {
    m_folder = std::make_unique<testing::ProgramFolder>();
    m_sheet = std::make_unique<Worksheet>();
    m_sheet->ProgramFolder = m_folder->Path();
    QVERIFY(SetupTables(*m_sheet).ok);
    SpecTable& table = m_sheet->Table(kBaseline);
    table.SetText(1, kColValue, "3000");
    testing::SetVehicleType(table, "4 Wheel, Rear Drive", 0);
    table.SetText(3, kColValue, "3.73");
    table.SetText(4, kColValue, "2.52");
    testing::SetComponent(table, 20, "3", "2.8", "50", "Steel", 1);
    testing::SetComponent(table, 27, "26", "15", "9", "Use Wt", 0, "24");
    m_window = std::make_unique<MainWindow>(*m_sheet);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
}

void MainWindowTest::cleanup() {
    m_window.reset();
    m_sheet.reset();
    m_folder.reset();
}

void MainWindowTest::ClickRow(int table, int row) {
    SpecGrid& grid = m_window->Grid(table);
    QRect cell = grid.visualRect(grid.Model().index(SpecTableModel::ModelRow(row), kColDescription));
    QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, cell.center());
}

void MainWindowTest::clickingARowLoadsItIntoTheStrip() {
    QCOMPARE(m_sheet->CurrentRow, 1);
    QCOMPARE(m_window->StripWidget().TextBox(kColValue)->text(), QStringLiteral("3000"));
    ClickRow(kBaseline, 20);
    QCOMPARE(m_sheet->CurrentRow, 20);
    EditStripWidget& strip = m_window->StripWidget();
    QCOMPARE(strip.TextBox(kColOD)->text(), QStringLiteral("3"));
    QVERIFY(strip.TextBox(kColOD)->isVisible());
    QCOMPARE(strip.List(kColMaterial)->currentText(), QStringLiteral("Steel"));
    QVERIFY(!strip.TextBox(kColWeight)->isEnabled());
    QVERIFY(strip.Button(QStringLiteral("Calc"))->isVisible());
    QCOMPARE(strip.List(kRowSelector)->currentText(), QStringLiteral("20"));
    QVERIFY(strip.TextBox(kColOD)->hasFocus());
    QCOMPARE(m_window->Grid(kBaseline).Model().data(m_window->Grid(kBaseline).Model().index(19, kColEqWt), Qt::BackgroundRole),
             QVariant(QApplication::palette().brush(QPalette::Highlight)));
}

void MainWindowTest::typingLeavingAndKeepingChangesTheTable() {
    ClickRow(kBaseline, 20);
    QLineEdit* od = m_window->StripWidget().TextBox(kColOD);
    od->selectAll();
    QTest::keyClicks(od, QStringLiteral("3.5"));
    QTest::keyClick(od, Qt::Key_Tab);
    QCOMPARE(m_window->StripWidget().TextBox(kColWeight)->text(), QStringLiteral("49.06"));
    QCOMPARE(Cell(kBaseline, 20, kColOD), QStringLiteral("3"));
    QTest::mouseClick(m_window->StripWidget().Button(QStringLiteral("Keep Change")), Qt::LeftButton);
    QCOMPARE(Cell(kBaseline, 20, kColOD), QStringLiteral("3.5"));
    QCOMPARE(Cell(kBaseline, 20, kColWeight), QStringLiteral("49.06"));
    QCOMPARE(m_sheet->SpecsChanged, 1);
    SpecTableModel& model = m_window->Grid(kBaseline).Model();
    QCOMPARE(model.data(model.index(19, kColWeight), Qt::DisplayRole).toString(), QStringLiteral("49.06"));
}

void MainWindowTest::refusedEntryWarnsAndRestoresThePreviousText() {
    ClickRow(kBaseline, 3);
    QLineEdit* value = m_window->StripWidget().TextBox(kColValue);
    QString warning;
    QTimer::singleShot(0, [&warning] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            warning = box->windowTitle() + "|" + box->text();
            box->accept();
        }
    });
    value->selectAll();
    QTest::keyClicks(value, QStringLiteral("99"));
    QTest::keyClick(value, Qt::Key_Tab);
    QCOMPARE(warning, QStringLiteral("Warning|Value = 99.  Value must be between  1 and  10 ."));
    QCOMPARE(value->text(), QStringLiteral("3.73"));
    QTRY_COMPARE(m_window->focusWidget(), static_cast<QWidget*>(value));
}

void MainWindowTest::arrowKeysMoveBetweenFieldsWithoutChangingAChoice() {
    ClickRow(kBaseline, 20);
    EditStripWidget& strip = m_window->StripWidget();
    QTest::keyClick(strip.TextBox(kColOD), Qt::Key_Down);
    QVERIFY(strip.TextBox(kColID)->hasFocus());
    QTest::keyClick(strip.TextBox(kColID), Qt::Key_Up);
    QVERIFY(strip.TextBox(kColOD)->hasFocus());
    QComboBox* material = strip.List(kColMaterial);
    material->setFocus();
    QTest::keyClick(material, Qt::Key_Up);
    QCOMPARE(material->currentText(), QStringLiteral("Steel"));
    QVERIFY(strip.TextBox(kColWidth)->hasFocus());
    QTest::keyClick(strip.TextBox(kColWidth), Qt::Key_Return);
    QVERIFY(material->hasFocus());
}

void MainWindowTest::optionsMenuShowsAndChangesTheSettings() {
    MainMenus& menus = m_window->Menus();
    menus.UpdateCheckMarks();
    QVERIFY(menus.OptionItem(0)->isChecked());
    QVERIFY(!menus.OptionItem(1)->isChecked());
    QVERIFY(!menus.OptionItem(4)->isEnabled());
    QVERIFY(!m_window->Grid(kProposed).isVisible());
    menus.OptionItem(1)->trigger();
    QCOMPARE(m_sheet->TwoVehicles, 1);
    QVERIFY(m_window->Grid(kProposed).isVisible());
    QVERIFY(menus.OptionItem(1)->isChecked() && !menus.OptionItem(0)->isChecked());
    menus.OptionItem(3)->trigger();
    QCOMPARE(m_sheet->WeightOption, 1);
    QCOMPARE(Cell(kBaseline, 31, kColWeight), QStringLiteral("3060.91"));
}

void MainWindowTest::closingWritesTheSettings() {
    m_sheet->TwoVehicles = 1;
    m_window->close();
    Worksheet read;
    ReadSettings(read, SettingsPath(*m_sheet));
    QCOMPARE(read.TwoVehicles, 1);
}

void MainWindowTest::cellBytesSurviveTheWindowsAndMessagesBreakAtCr() {
    std::string every;
    for (int byte = 1; byte < 256; ++byte) every += static_cast<char>(byte);
    QCOMPARE(ToCell(FromCell(every)), every);
    QCOMPARE(FromCell("\x80 \xe9"), QStringLiteral("\u20ac \u00e9"));
    QCOMPARE(FromMessage("one\rtwo\r\rthree"), QStringLiteral("one\ntwo\n\nthree"));
}

}  // namespace gyrant

QTEST_MAIN(gyrant::MainWindowTest)
#include "main_window_test.moc"
