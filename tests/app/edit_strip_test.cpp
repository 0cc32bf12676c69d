// The editing strip in the main window: which vehicle and row it edits, how a refused entry
// shows, and the clicks and keys that move the focus between its fields.

#include "model/spec_rows.h"
#include "support/main_window_fixture.h"

namespace gyrant {

class EditStripTest : public QObject {
    Q_OBJECT

    std::unique_ptr<testing::MainWindowFixture> f;
    EditStripWidget& Strip() { return f->Strip(); }
    bool Highlighted(int table, int row) {
        SpecTableModel& model = f->window.Grid(table).Model();
        return model.data(model.index(row - 1, kColDescription), Qt::BackgroundRole).isValid();
    }
    // A button by its caption, else a control by its name.
    QWidget* Control(const QString& name) {
        if (QPushButton* button = Strip().Button(name)) return button;
        return Strip().findChild<QWidget*>(name);
    }
  private slots:
    void init() {
        f = std::make_unique<testing::MainWindowFixture>(testing::SheetSetup{.twoVehicles = 1});
    }
    void cleanup() { f.reset(); }

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
        value->selectAll();
        QTest::keyClicks(value, QStringLiteral("099.0"));
        QTest::keyClick(value, Qt::Key_Tab);
        QCOMPARE(shown + "|" + value->text(), QStringLiteral("99|3.73"));
        QCOMPARE(f->dialogs.messages.at(0).title, std::string("Warning"));
        QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget*>(value));
    }
};

}  // namespace gyrant

QTEST_MAIN(gyrant::EditStripTest)
#include "edit_strip_test.moc"
