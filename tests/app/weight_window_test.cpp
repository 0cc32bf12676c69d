// Where the Weight Goes follows the worksheet, takes typed gear ratios and prints its answer.

#include "analysis/weight_window.h"

#include <QtTest>
#include <QtWidgets>

#include "analysis/chart_data.h"
#include "analysis/weight_shares.h"
#include "help/help_window.h"
#include "support/main_window_fixture.h"
#include "text/cell_codec.h"

namespace gyrant {

class WeightWindowTest : public QObject {
    Q_OBJECT

  private slots:
    void weightWindowFollowsKeepChangeAndFitsEveryTypedGearGainFirst() {
        testing::MainWindowFixture f({.example = "V8 Street Car.qrx"});
        f.Trigger("mnuWeightGoes");
        auto* window = f.window.findChild<WeightWindow*>();
        QVERIFY(window && window->isVisible());
        QCOMPARE(window->Answer()->text(), FromCell(PlainAnswer(ShareOfEachPart(f.sheet))));
        auto* line = f.window.findChild<QLabel*>(QStringLiteral("AnswerLine"));
        QCOMPARE(line->text(), window->Answer()->text());

        // The weight the Proposed car was taken as is kept as one step to undo; the Vehicle
        // Weight is the user's figure then, and the answer stays.
        QPushButton* set = window->SetProposedWeight();
        QCOMPARE(set->text(), QStringLiteral("Set the Proposed Vehicle Weight to 3647.17"));
        int steps = f.window.History().Stack().count();
        set->click();
        QCOMPARE(f.sheet.Table(kProposed).Text(kVehicleWeightRow, kColValue), "3647.17");
        QCOMPARE(f.window.History().Stack().count(), steps + 1);
        QVERIFY(
            line->text().startsWith(QStringLiteral("Proposed vs Baseline in the gear studied: "
                                                   "77.13 lb lighter, 1.91 % more")));
        QVERIFY(!set->isVisible());
        f.window.StepHistory(true);
        QCOMPARE(f.sheet.Table(kProposed).Text(kVehicleWeightRow, kColValue), "3700");
        QVERIFY(set->isVisible());

        // A lighter Proposed flywheel: the answer and the chart follow the kept change.
        f.ClickRow(kProposed, kFlywheelRow);
        f.Enter(f.Strip().TextBox(kColWeight), QStringLiteral("2"));
        QTest::mouseClick(f.Strip().Button(QStringLiteral("Keep Change")), Qt::LeftButton);
        QCOMPARE(window->Answer()->text(), FromCell(PlainAnswer(ShareOfEachPart(f.sheet))));
        QVERIFY(window->Answer()->text().contains(QStringLiteral("Flywheel buys the most")));
        QCOMPARE(window->PartsChart()->Chart().bars.front().label, "Flywheel");

        for (auto [typed, gears] : {std::pair{"3, 2.52, 2, 1.52, 1.2, 1, .8, .6", 8}, {"9", 8}}) {
            window->Ratios()->setText(QString::fromLatin1(typed));
            emit window->Ratios()->editingFinished();
            QCOMPARE(window->GearsTable()->rowCount(), gears);
        }
        QCOMPARE(window->GearsTable()->item(1, 0)->text(), QStringLiteral("2*"));
        // The answer's column first, and all eight gears' columns within the window's width.
        window->findChild<QTabWidget*>()->setCurrentIndex(1);
        QApplication::processEvents();
        for (int column : {0, 1, 2})
            QCOMPARE(window->GearsTable()->horizontalHeaderItem(column)->text(),
                     QStringList({"Gear", "Ratio", "Gain %"}).at(column));
        QVERIFY(!window->GearsTable()->horizontalScrollBar()->isVisible());
        window->Transmissions()->setCurrentIndex(1);
        emit window->Transmissions()->activated(1);
        QCOMPARE(window->Ratios()->text(), QStringLiteral("1.76, 1"));
        QCOMPARE(window->GearsTable()->rowCount(), 2);
        // The last ratios used come back in the next window; refused ones are not kept.
        window->Ratios()->setText(QStringLiteral("0.1"));
        emit window->Ratios()->editingFinished();
        QCOMPARE(WeightWindow(f.sheet, f.dialogs, nullptr).Ratios()->text(),
                 QStringLiteral("1.76, 1"));

        // Its Print button writes the answer, the parts, the totals and the charts, each bar
        // beside its value, into a PDF.
        f.dialogs.files = {f.Pdf("weight.pdf")};
        window->findChild<QPushButton*>(QStringLiteral("cmdPrint"))->click();
        QStringList expected = {QStringLiteral("Where the Weight Goes Page: 1"),
                                window->Answer()->text().left(40),
                                QStringLiteral("Flywheel"),
                                QStringLiteral("Vehicle Total 4117.48 4059.40 118.91"),
                                QStringLiteral("In every gear"),
                                QStringLiteral("2 1 ")};
        for (const ChartData& chart : {PartsChart(ShareOfEachPart(f.sheet).parts, true),
                                       GearsChart(window->ShownGears(), true)}) {
            expected << FromCell(chart.legend);
            for (const ChartBar& bar : chart.bars)
                expected << FromCell(bar.label + " " + bar.valueLabel);
        }
        QString printed = f.PdfText("weight.pdf").simplified();
        for (const QString& text : expected)
            QVERIFY2(printed.contains(text), qPrintable(text + " in " + printed));
        // Its own name, so that Enter does not offer to replace the worksheet's report.
        QCOMPARE(f.dialogs.choosersShown.back().proposedName,
                 "V8 Street Car - Where the Weight Goes.pdf");
    }

    // A worksheet that keeps the engine: the answer under the tables, the window's and its
    // printout's tell the quarter-mile seconds of its run over the gear studied alone, no other
    // gears being kept, and the printout goes on to the slips.
    void answerTellsTheSecondsOfAWorksheetThatKeepsTheEngine() {
        testing::MainWindowFixture f({.example = "V8 Street Car.qrx"});
        std::string stored = f.File("GyrantFiles/Stored engine.qrx");
        testing::WriteFileBytes(stored,
                                testing::ReadFileBytes(f.File("GyrantFiles/V8 Street Car.qrx")) +
                                    "[Gyrant]\r\nweights=stay\r\nrun.power=350@5500\r\n"
                                    "run.torque=380@4000\r\n");
        f.window.OpenNamedWorksheet(stored);
        auto* line = f.window.findChild<QLabel*>(QStringLiteral("AnswerLine"));
        QVERIFY2(
            line->text().contains(QLatin1String(
                "acceleration, about 0.02 s quicker in the quarter mile (estimate, one gear).")),
            qPrintable(line->text()));
        f.Trigger("mnuWeightGoes");
        auto* window = f.window.findChild<WeightWindow*>();
        QCOMPARE(window->Answer()->text(), line->text());
        // Three gears typed: the window's answer runs over them at once.
        window->Ratios()->setText(QStringLiteral("2.52, 1.52, 1.00"));
        emit window->Ratios()->editingFinished();
        QVERIFY2(window->Answer()->text().contains(QLatin1String("about 0.06 s quicker")),
                 qPrintable(window->Answer()->text()));

        f.dialogs.files = {f.Pdf("strip.pdf")};
        window->findChild<QPushButton*>(QStringLiteral("cmdPrint"))->click();
        QString printed = f.PdfText("strip.pdf").simplified();
        for (const char* text : {"acceleration, about 0.06 s quicker", "On the Strip (estimate)"})
            QVERIFY2(printed.contains(QLatin1String(text)), text);
    }

    // Texts typed, or read from a file of its program's folder, that it echoes.
    void weightWindowStaysOnItsScreenWhateverItEchoes_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QByteArray>("text");
        QTest::newRow("typed ratios of 259 characters") << QString() << QByteArray(259, '9');
        QTest::newRow("damaged gear file")
            << QStringLiteral("gear-ratios.txt") << QByteArray(40000, '7');
        QTest::newRow("long transmission name")
            << QStringLiteral("CALC/trans")
            << QByteArray(34, '\n') + QByteArray(5000, 'T') + "\n2\n2\n1\n0\n0\n0\n0\n";
    }
    void weightWindowStaysOnItsScreenWhateverItEchoes() {
        QFETCH(QString, file);
        QFETCH(QByteArray, text);
        testing::MainWindowFixture f({.example = "V8 Street Car.qrx"});
        if (!file.isEmpty())
            testing::WriteFileBytes(f.File(file.toStdString()), text.toStdString());
        f.Trigger("mnuWeightGoes");
        auto* window = f.window.findChild<WeightWindow*>();
        if (file.isEmpty()) window->Ratios()->setText(QString::fromLatin1(text));
        emit window->Ratios()->editingFinished();
        QApplication::processEvents();
        QSize room = window->screen()->availableGeometry().size();
        QVERIFY2(window->width() <= room.width(), qPrintable(QString::number(window->width())));
        QVERIFY2(window->height() <= room.height(), qPrintable(QString::number(window->height())));
    }

    // The help on the answer opens from the Help menu and with F1 in the window; on the strip tab
    // its button and F1 open the strip's own help.
    void weightHelpOpensFromTheHelpMenuAndWithF1() {
        testing::MainWindowFixture f({.example = "V8 Street Car.qrx"});
        testing::WriteFileBytes(f.File("GyrantTEXT/helpt0.txt"), "On the Strip\r\nThe run.\r\n");
        f.Trigger("mnuHelpWeightGoes");
        QCOMPARE(f.window.findChild<HelpWindow*>()->windowTitle(),
                 QStringLiteral("Where the Weight Goes: the Answer"));
        f.Trigger("mnuWeightGoes");
        auto* window = f.window.findChild<WeightWindow*>();
        QApplication::processEvents();
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window));
        QTest::keyClick(window, Qt::Key_F1);
        QCOMPARE(window->findChildren<HelpWindow*>().size(), 1);
        window->Tabs()->setCurrentWidget(window->Strip());
        window->Strip()->HelpButton()->click();
        QTest::keyClick(window, Qt::Key_F1);
        QList<HelpWindow*> help = window->findChildren<HelpWindow*>();
        QCOMPARE(help.size(), 3);
        for (int strip : {1, 2})
            QCOMPARE(help[strip]->windowTitle(), QStringLiteral("On the Strip"));
    }
};

}  // namespace gyrant

QTEST_MAIN(gyrant::WeightWindowTest)
#include "weight_window_test.moc"
