// "On the Strip" takes the run's inputs as steps to undo, shows the slips the run gives over the
// every-gear tab's ratios, and agrees with gyrant-calc on the saved worksheet.

#include "analysis/strip_tab.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QtTest>
#include <QtWidgets>
#include <sstream>

#include "analysis/every_gear.h"
#include "analysis/weight_window.h"
#include "calc_command.h"
#include "support/main_window_fixture.h"
#include "text/cell_codec.h"
#include "timeslip/slip_text.h"

namespace gyrant {

class StripTabTest : public QObject {
    Q_OBJECT

    // The weight window of the fixture open and active on its strip tab; none when it is not.
    static StripTab* OpenStrip(testing::MainWindowFixture& f) {
        f.Trigger("mnuWeightGoes");
        auto* window = f.window.findChild<WeightWindow*>();
        window->Tabs()->setCurrentWidget(window->Strip());
        QApplication::processEvents();
        window->activateWindow();
        return QTest::qWaitForWindowActive(window) ? window->Strip() : nullptr;
    }

    static void TypeRatios(testing::MainWindowFixture& f, const char* ratios) {
        auto* window = f.window.findChild<WeightWindow*>();
        window->Ratios()->setText(QString::fromLatin1(ratios));
        emit window->Ratios()->editingFinished();
    }

    // The run the worksheet gives over the gears the every-gear tab shows.
    static StripRun Expected(testing::MainWindowFixture& f) {
        auto* window = f.window.findChild<WeightWindow*>();
        GearRatiosRead ratios = RatiosToShow(ToCell(window->Ratios()->text()), f.sheet);
        return RunOnTheStrip(f.sheet, f.sheet.document.RunEntries, ratios.ratios);
    }

    static QString Cell(QTableWidget* table, int row, int column) {
        return table->item(row, column)->text();
    }

  private slots:
    void aGoodEntryIsOneStepToUndoAndTheSlipsFollow() {
        testing::MainWindowFixture f({.example = "V8 Street Car.qrx"});
        StripTab* strip = OpenStrip(f);
        QVERIFY(strip);
        int steps = f.window.History().Stack().count();
        // An entry outside its limits is warned of, kept nowhere, and typed again.
        QLineEdit* grip = strip->Entry("grip");
        f.Enter(grip, QStringLiteral("9"));
        QCOMPARE(f.dialogs.messages.size(), std::size_t{1});
        QCOMPARE(f.dialogs.messages[0].text, std::string("Grip must be between 0.3 and 4."));
        QCOMPARE(f.dialogs.messages[0].title, std::string("Warning"));
        QVERIFY(!f.sheet.document.RunEntries.contains("grip"));
        QCOMPARE(f.window.History().Stack().count(), steps);
        QVERIFY(!f.window.isWindowModified());
        QCOMPARE(grip->text(), QString());
        QTRY_VERIFY(grip->hasFocus());
        // Without the engine the tab says what to give instead of slips.
        QVERIFY(strip->Message()->isVisible());
        QCOMPARE(strip->Message()->text(), FromCell(Expected(f).outcome.message));
        QVERIFY(!strip->SlipTable()->isVisible());

        f.Enter(strip->Entry("power"), QStringLiteral(" 350@5500"));
        f.Enter(strip->Entry("torque"), QStringLiteral("380@4000"));
        QCOMPARE(f.dialogs.messages.size(), std::size_t{1});
        QCOMPARE(f.sheet.document.RunEntries.at("power"), std::string("350@5500"));
        QCOMPARE(f.window.History().Stack().count(), steps + 2);
        QVERIFY(f.window.isWindowModified());
        QVERIFY(strip->SlipTable()->isVisible());

        // Both slips side by side; their figures are checked against gyrant-calc below.
        TypeRatios(f, "2.52, 1.52, 1.00");
        StripRun run = Expected(f);
        QVERIFY(run.outcome.ok);
        QTableWidget* slips = strip->SlipTable();
        QCOMPARE(slips->rowCount(), static_cast<int>(SlipMarksShown().size()));
        QCOMPARE(slips->columnCount(), 3);
        QCOMPARE(strip->Difference()->text(), FromCell(DifferenceSentence(*run.slips.difference)));
        QCOMPARE(strip->PartsSum()->text(), FromCell(PartsSumSentence(*run.parts)));
        // Three gears: two shifts marked on each vehicle's line.
        QCOMPARE(strip->SpeedChart()->Chart().series[1].marks.size(), std::size_t{2});

        // The gears the every-gear tab shows are the run's.
        TypeRatios(f, "2.52");
        QCOMPARE(strip->ShownRun().slips.gears, 1);
        QCOMPARE(Cell(slips, 5, 1),
                 FromCell(SlipCell(Expected(f).slips.slips[0], SlipMarksShown()[5])));

        // Undo takes the torque back out, and the tab says what to give again.
        f.window.StepHistory(true);
        QVERIFY(!f.sheet.document.RunEntries.contains("torque"));
        QCOMPARE(strip->Entry("torque")->text(), QString());
        QVERIFY(strip->Message()->isVisible());
        f.window.StepHistory(true);
        QVERIFY(!f.window.isWindowModified());
    }

    void theTabAgreesWithGyrantCalcOnTheSavedWorksheet() {
        testing::MainWindowFixture f({.example = "V8 Street Car.qrx"});
        StripTab* strip = OpenStrip(f);
        QVERIFY(strip);
        f.Enter(strip->Entry("power"), QStringLiteral("350@5500"));
        f.Enter(strip->Entry("torque"), QStringLiteral("380@4000"));
        f.Enter(strip->Entry("grip"), QStringLiteral("1.4"));
        TypeRatios(f, "2.52, 1.52, 1.00");
        std::string saved = f.Pdf("strip.qrx");
        f.dialogs.files = {saved};
        f.Trigger("mnuSaveAs");
        QVERIFY(!f.window.isWindowModified());

        std::ostringstream out, err;
        QCOMPARE(RunCalcCommand({"--timeslip", "--json", "--gears", "2.52,1.52,1.00", saved},
                                f.folder.Path(), out, err),
                 kCalcDone);
        QJsonObject slip =
            QJsonDocument::fromJson(QByteArray::fromStdString(out.str()))["timeslip"].toObject();
        for (int v = 0; v < 2; ++v) {
            QJsonObject vehicle = slip[v == 0 ? "baseline" : "proposed"].toObject();
            for (int m = 0; m < static_cast<int>(SlipMarksShown().size()); ++m) {
                const SlipMarkShown& mark = SlipMarksShown()[static_cast<std::size_t>(m)];
                double figure = vehicle[QString::fromLatin1(mark.key)].toDouble();
                QCOMPARE(Cell(strip->SlipTable(), m, v + 1),
                         QString::number(figure, 'f', mark.mph ? 2 : 3));
            }
        }
        QJsonArray parts = slip[QStringLiteral("parts")].toArray();
        QCOMPARE(strip->PartsTable()->rowCount(), static_cast<int>(parts.size()));
        for (int p = 0; p < static_cast<int>(parts.size()); ++p) {
            QJsonObject part = parts[p].toObject();
            QCOMPARE(Cell(strip->PartsTable(), p, 0),
                     QString::number(part[QStringLiteral("row")].toInt()));
            QCOMPARE(Cell(strip->PartsTable(), p, 2),
                     QString::number(part[QStringLiteral("secondsBought")].toDouble(), 'f', 3));
        }
    }
};

}  // namespace gyrant

QTEST_MAIN(gyrant::StripTabTest)
#include "strip_tab_test.moc"
