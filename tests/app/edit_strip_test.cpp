// The editing strip in the main window: which vehicle and row it edits, and the clicks and keys
// that move between its fields.

#include <QHeaderView>

#include "calc/calc_window.h"
#include "model/spec_rows.h"
#include "support/main_window_fixture.h"

namespace gyrant {

class EditStripTest : public QObject {
    Q_OBJECT

    std::unique_ptr<testing::MainWindowFixture> f;
    EditStripWidget& Strip() { return f->window.StripWidget(); }
    bool Highlighted(int table, int row) {
        SpecTableModel& model = f->window.Grid(table).Model();
        return model.data(model.index(row - 1, kColDescription), Qt::BackgroundRole) ==
               QVariant(QApplication::palette().brush(QPalette::Highlight));
    }
    // Row 0 is the column headings.
    void Click(int table, int row) {
        if (row > 0) return f->ClickRow(table, row);
        QHeaderView* headings = f->window.Grid(table).horizontalHeader();
        QPoint value(headings->sectionViewportPosition(kColValue) + 4, headings->height() / 2);
        QTest::mouseClick(headings->viewport(), Qt::LeftButton, {}, value);
    }
  private slots:
    void init() {
        f = std::make_unique<testing::MainWindowFixture>();
        f->sheet.TwoVehicles = 1;
        f->window.ShowWorksheet();
    }
    void cleanup() { f.reset(); }

    void onlyTheClickedTableShowsItsRowAndTheStripNamesItsVehicle_data() {
        QTest::addColumn<int>("table");
        QTest::addColumn<int>("clicked");
        QTest::addColumn<int>("edited");
        QTest::addColumn<QString>("vehicle");
        QTest::newRow("Baseline heading") << kBaseline << 0 << 1 << "Baseline";
        QTest::newRow("Proposed row") << kProposed << 3 << 3 << "Proposed";
        QTest::newRow("Proposed heading") << kProposed << 0 << 1 << "Proposed";
    }
    void onlyTheClickedTableShowsItsRowAndTheStripNamesItsVehicle() {
        QFETCH(int, table);
        QFETCH(int, clicked);
        QFETCH(int, edited);
        QFETCH(QString, vehicle);
        Click(kProposed - table, kGearRatioRow);
        Click(table, clicked);
        QCOMPARE(Strip().List(kRowSelector)->currentText(), QString::number(edited));
        auto* name = Strip().findChild<QLabel*>(QStringLiteral("Vehicle"));
        QVERIFY(name && name->text() == vehicle && f->sheet.CurrentTable == table);
        QVERIFY(Highlighted(table, edited) && !Highlighted(kProposed - table, kGearRatioRow));
    }

    void clickingACaptionFocusesItsField_data() {
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("field");
        QTest::newRow("Width") << int(kDriveshaftRow) << int(kColWidth);
        QTest::newRow("Material list") << int(kDriveshaftRow) << int(kColMaterial);
        QTest::newRow("Row selector") << int(kVehicleTypeRow) << int(kRowSelector);
    }
    void clickingACaptionFocusesItsField() {
        QFETCH(int, row);
        QFETCH(int, field);
        Click(kBaseline, row);
        QTest::mouseClick(Strip().Caption(field), Qt::LeftButton);
        QWidget* control = Strip().TextBox(field);
        if (Strip().List(field)) control = Strip().List(field);
        QTRY_COMPARE(QApplication::focusWidget(), control);
    }

    // The button keeps Enter from acting on it; it moves on to the next field instead.
    void enterOnAButtonMovesToTheNextField_data() {
        QTest::addColumn<QString>("button");
        for (const char* button : {"Refresh", "Copy Down", "Keep Change", "Calc"})
            QTest::newRow(button) << QString::fromLatin1(button);
    }
    void enterOnAButtonMovesToTheNextField() {
        QFETCH(QString, button);
        Click(kBaseline, kDriveshaftRow);
        Strip().Button(button)->setFocus();
        QTest::keyClick(Strip().Button(button), Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), Strip().List(kRowSelector));
        QVERIFY(f->dialogs.messages.empty() && f->sheet.SpecsChanged == 0);
        QVERIFY(!f->window.findChild<CalcWindow*>());
    }

    void aRefusedEntryShowsAsReadBesideItsWarning() {
        Click(kBaseline, kFinalDriveRow);
        QLineEdit* value = Strip().TextBox(kColValue);
        QString shown;
        f->dialogs.whenAsked = [&] { shown = value->text(); };
        value->selectAll();
        QTest::keyClicks(value, QStringLiteral("099.0"));
        QTest::keyClick(value, Qt::Key_Tab);
        QCOMPARE(shown + "|" + value->text(), QStringLiteral("99|3.73"));
    }
};

}  // namespace gyrant

QTEST_MAIN(gyrant::EditStripTest)
#include "edit_strip_test.moc"
