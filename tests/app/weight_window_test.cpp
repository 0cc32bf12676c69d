// Where the Weight Goes, opened from the View menu over the example worksheet.

#include "analysis/weight_window.h"

#include <QtTest>

#include "analysis/weight_shares.h"
#include "files/program_places.h"
#include "files/spec_file.h"
#include "model/spec_rows.h"
#include "shell/main_window.h"
#include "support/fake_dialogs.h"
#include "support/program_folder.h"
#include "text/cell_codec.h"

namespace gyrant {

class WeightWindowTest : public QObject {
    Q_OBJECT

  private slots:
    void followsKeepChangeAndEveryGearTakesTypedRatios() {
        testing::ProgramFolder folder;
        Worksheet sheet;
        sheet.ProgramFolder = folder.Path();
        QVERIFY(SetupWorksheet(sheet).ok);
        QCOMPARE(ReadSpecFile(sheet, (folder / "GyrantFiles/V8 Street Car.qrx").string()).status,
                 SpecFileStatus::Done);
        testing::FakeDialogs dialogs;
        MainWindow main(sheet, &dialogs);
        main.show();
        QVERIFY(QTest::qWaitForWindowExposed(&main));
        main.findChild<QAction*>(QStringLiteral("mnuWeightGoes"))->trigger();
        auto* window = main.findChild<WeightWindow*>();
        QVERIFY(window && window->isVisible());
        QCOMPARE(window->Answer()->text(), FromCell(PlainAnswer(ShareOfEachPart(sheet))));
        QVERIFY(window->Answer()->text().contains(QStringLiteral("24.30 lb lighter")));

        // A lighter Proposed flywheel: the answer and the chart follow the kept change.
        SpecGrid& grid = main.Grid(kProposed);
        QRect cell = grid.visualRect(grid.Model().index(kFlywheelRow - 1, kColDescription));
        QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, cell.center());
        QLineEdit* weight = main.StripWidget().TextBox(kColWeight);
        weight->setFocus();
        weight->selectAll();
        QTest::keyClicks(weight, QStringLiteral("2"));
        QTest::keyClick(weight, Qt::Key_Tab);
        QTest::mouseClick(main.StripWidget().Button(QStringLiteral("Keep Change")), Qt::LeftButton);
        QCOMPARE(window->Answer()->text(), FromCell(PlainAnswer(ShareOfEachPart(sheet))));
        QVERIFY(window->Answer()->text().contains(QStringLiteral("Flywheel buys the most")));
        QCOMPARE(window->PartsChart()->Lines().front().label, QStringLiteral("Flywheel"));

        for (auto [typed, gears] : {std::pair{"2.52, 1.52, 1", 3}, {"9", 3}}) {
            window->Ratios()->setText(QString::fromLatin1(typed));
            emit window->Ratios()->editingFinished();
            QCOMPARE(window->GearsTable()->rowCount(), gears);
        }
        QCOMPARE(window->GearsTable()->item(0, 0)->text(), QStringLiteral("1*"));
        window->Transmissions()->setCurrentIndex(1);
        emit window->Transmissions()->activated(1);
        QCOMPARE(window->Ratios()->text(), QStringLiteral("1.76, 1"));
        QCOMPARE(window->GearsTable()->rowCount(), 2);
    }
};

}  // namespace gyrant

QTEST_MAIN(gyrant::WeightWindowTest)
#include "weight_window_test.moc"
