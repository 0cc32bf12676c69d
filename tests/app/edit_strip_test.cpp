// The editing strip in the main window: which vehicle and row it edits, and the clicks and keys
// that move between its fields.

#include "model/spec_rows.h"
#include "support/main_window_fixture.h"

namespace gyrant {

class EditStripTest : public QObject {
    Q_OBJECT

    std::unique_ptr<testing::MainWindowFixture> f;
    EditStripWidget& Strip() { return f->window.StripWidget(); }
    void Click(int table, int row) { f->ClickRow(table, row); }
  private slots:
    void init() {
        f = std::make_unique<testing::MainWindowFixture>();
        f->sheet.TwoVehicles = 1;
        f->window.ShowWorksheet();
    }
    void cleanup() { f.reset(); }

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
