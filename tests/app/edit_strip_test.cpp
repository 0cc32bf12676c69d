// The editing strip in the main window: which vehicle and row it edits, and the clicks and keys
// that move between its fields.

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
    void Click(int table, int row) { f->ClickRow(table, row); }
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
        QTest::newRow("Proposed row") << kProposed << 3 << 3 << "Proposed";
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
