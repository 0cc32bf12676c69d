// The main window and the windows it opens, driven offscreen with the user's answers scripted.

#include "shell/main_window.h"

#include <QScrollBar>
#include <QtTest>

#include "calc/calc_window.h"
#include "help/about_window.h"
#include "help/comments_window.h"
#include "report/print_commands.h"
#include "shell/main_menus.h"
#include "support/main_window_fixture.h"
#include "text/cell_codec.h"

namespace gyrant {

class MainWindowTest : public QObject {
    Q_OBJECT

    std::unique_ptr<testing::MainWindowFixture> f;
    EditStripWidget& Strip() { return f->Strip(); }
    void PickRow(const QString& row) {
        QComboBox* selector = Strip().List(kRowSelector);
        int found = selector->findText(row);
        QVERIFY2(found >= 0, qPrintable(row));
        emit selector->activated(found);
    }
  private slots:
    void init() { f = std::make_unique<testing::MainWindowFixture>(); }
    void cleanup() { f.reset(); }

    void clickingARowLoadsItAndKeepChangeWritesItBack() {
        f->ClickRow(kBaseline, 20);
        EditStripWidget& s = Strip();
        QCOMPARE(s.TextBox(kColOD)->text() + s.List(kColMaterial)->currentText(),
                 QStringLiteral("3Steel"));
        QVERIFY(!s.TextBox(kColWeight)->isEnabled() &&
                s.Button(QStringLiteral("Calc"))->isVisible());
        QVERIFY(s.List(kRowSelector)->currentText() == "20" && s.TextBox(kColOD)->hasFocus());
        SpecTableModel& model = f->window.Grid(kBaseline).Model();
        QCOMPARE(model.data(model.index(19, kColEqWt), Qt::BackgroundRole),
                 QVariant(QApplication::palette().brush(QPalette::Highlight)));
        f->TypeInto(kColOD, QStringLiteral("3.5"));
        QTest::keyClick(s.TextBox(kColOD), Qt::Key_Tab);
        QCOMPARE(s.TextBox(kColWeight)->text() + f->Shown(kBaseline, 20, kColOD),
                 QStringLiteral("49.063"));
        QTest::mouseClick(s.Button(QStringLiteral("Keep Change")), Qt::LeftButton);
        QCOMPARE(f->Shown(kBaseline, 20, kColWeight), QStringLiteral("49.06"));
    }

    // A click or the row selector asks about the strip's unkept input: Cancel stays with it,
    // Yes keeps it in the table, No drops it. The selector offers the rows that take input and
    // scrolls to the one picked.
    void movingOffAnUnkeptInputAsksFirstAndTheRowSelectorScrolls() {
        f->ClickRow(kBaseline, 20);
        f->TypeInto(kColOD, QStringLiteral("3.5"));
        f->dialogs.answers = {Answer::Cancel, Answer::Yes, Answer::No};
        f->ClickRow(kBaseline, 27);
        QCOMPARE(f->dialogs.messages.at(0).text, std::string("Keep the change to Driveshaft?"));
        QCOMPARE(Strip().TextBox(kColOD)->text(), QStringLiteral("3.5"));
        f->ClickRow(kBaseline, 27);
        QCOMPARE(f->Shown(kBaseline, 20, kColOD), QStringLiteral("3.5"));
        f->TypeInto(kColWidth, QStringLiteral("10"));
        PickRow(QStringLiteral("3"));
        QCOMPARE(f->dialogs.messages.size(), 3u);
        QCOMPARE(f->Shown(kBaseline, 27, kColWidth) + QString::number(f->sheet.CurrentRow),
                 QStringLiteral("93"));
        for (const char* row : {"5", "7", "19", "30", "31"})
            QVERIFY2(Strip().List(kRowSelector)->findText(QLatin1String(row)) < 0, row);
        f->window.resize(f->window.width(), 300);
        QCoreApplication::processEvents();
        PickRow(QStringLiteral("29"));
        QCOMPARE(f->sheet.CurrentRow, 29);
        SpecGrid& grid = f->window.Grid(kBaseline);
        QRect cell = grid.visualRect(grid.Model().index(28, 0));
        QVERIFY(cell.top() >= 0 && cell.bottom() <= grid.viewport()->height());
    }

    void optionsRecalculateAndClosingAsksAboutChanges() {
        MainMenus& menus = f->window.Menus();
        menus.UpdateCheckMarks();
        QVERIFY(menus.OptionItem(0)->isChecked() && !menus.OptionItem(4)->isEnabled());
        menus.OptionItem(1)->trigger();
        QVERIFY(f->window.Grid(kProposed).isVisible() && !menus.OptionItem(0)->isChecked());
        menus.OptionItem(3)->trigger();
        QCOMPARE(f->Shown(kBaseline, 31, kColWeight), QStringLiteral("3060.91"));
        f->sheet.SpecsChanged = 1;
        f->dialogs.answers = {Answer::Cancel, Answer::No};
        QVERIFY(!f->window.close() && f->window.isVisible());
        QCOMPARE(f->dialogs.messages.back().title, std::string("Save Changes?"));
        QVERIFY(f->window.close());
    }

    // Names and cells keep their bytes through the windows; messages break at CR.
    void namesAndCellsKeepTheirSpellingThroughTheWindows() {
        f->dialogs.files = {f->File("GyrantFiles/V8 Street Car.qrx"),
                            f->File("GyrantFiles/Caf\xC3\xA9.qrx")};
        f->Trigger("mnuOpen");
        QCOMPARE(f->Shown(kProposed, 31, kColEqWt) + Strip().TextBox(kColValue)->text(),
                 QStringLiteral("4093.183700"));
        f->Trigger("mnuSaveAs");
        QCOMPARE(f->window.windowHandle()->title(),
                 QStringLiteral("Vevizadu Gyrant - Torvane Inc.   [ Caf\u00e9.qrx ]"));
        std::string every;
        for (int byte = 1; byte < 256; ++byte) every += static_cast<char>(byte);
        QCOMPARE(ToCell(FromCell(every)), every);
        QCOMPARE(FromCell("\x80 \xe9"), QStringLiteral("\u20ac \u00e9"));
        QCOMPARE(FromMessage("one\rtwo\r\rthree"), QStringLiteral("one\ntwo\n\nthree"));
    }

    // Comments kept with OK count as a change; closing the About box puts the strip on row 1.
    void commentsAndAboutReturnToTheMainWindow() {
        f->Trigger("mnuComments");
        QCoreApplication::processEvents();
        auto* comments = f->window.findChild<CommentsWindow*>();
        QVERIFY(comments);
        QTest::keyClicks(comments->Text(), QStringLiteral("lighter wheels"));
        QTest::keyClick(comments->Text(), Qt::Key_Return);
        QTest::keyClicks(comments->Text(), QStringLiteral("same tires"));
        QTest::mouseClick(comments->findChild<QPushButton*>(QString(), Qt::FindDirectChildrenOnly),
                          Qt::LeftButton);
        QTRY_VERIFY(!f->window.findChild<CommentsWindow*>());
        QCOMPARE(f->sheet.FileComments + std::to_string(f->sheet.SpecsChanged),
                 "lighter wheels\r\nsame tires1");
        f->ClickRow(kBaseline, 20);
        f->Trigger("mnuAbout");
        QCoreApplication::processEvents();
        auto* about = f->window.findChild<AboutWindow*>();
        QVERIFY(about && about->findChild<QLabel*>(QStringLiteral("Image1")));
        QCOMPARE(CaptureWindowImage(about).size(), about->size());
        QTest::mouseClick(about, Qt::LeftButton, {}, QPoint(5, 5));
        QTRY_VERIFY(!f->window.findChild<AboutWindow*>());
        QCOMPARE(f->sheet.CurrentRow, 1);
    }

    void wizardBuildsTheVehicleInTheWindow() {
        f->dialogs.answers = {Answer::Yes, Answer::No, Answer::Ok};
        f->dialogs.inputs = {"3200", "3.73", "2.52", "350", "8", "26"};
        f->Trigger("mnuEZ");
        QCOMPARE(f->Shown(kBaseline, 3, kColValue) + Strip().TextBox(kColValue)->text(),
                 QStringLiteral("3.733200"));
        QVERIFY(!f->Shown(kBaseline, 31, kColEqWt).isEmpty());
    }

    // After "Use Calc Value" the strip's results and Weight follow its new inputs as the table
    // will show them.
    void tireSubMenuComputesAndItsValueIsUsedInTheStrip() {
        f->ClickRow(kBaseline, 27);
        Strip().Button(QStringLiteral("Calc"))->click();
        QCoreApplication::processEvents();
        auto* calc = f->window.findChild<CalcWindow*>();
        QVERIFY(calc);
        calc->List(1)->setCurrentIndex(0);
        emit calc->List(1)->activated(0);
        for (auto [k, text] : {std::pair{2, "225"}, {4, "50"}, {5, "16"}}) {
            calc->TextBox(k)->setFocus();
            QTest::keyClicks(calc->TextBox(k), QString::fromLatin1(text));
            QTest::keyClick(calc->TextBox(k), Qt::Key_Tab);
        }
        QCOMPARE(calc->OutputValue(1)->text(), QStringLiteral("24.9"));
        QString before = Strip().TextBox(kColInertia)->text();
        calc->UseButton()->click();
        QTRY_VERIFY(!f->window.findChild<CalcWindow*>());
        QCOMPARE(Strip().TextBox(kColOD)->text() + Strip().TextBox(kColID)->text(),
                 QStringLiteral("24.916"));
        QString inertia = Strip().TextBox(kColInertia)->text();
        QVERIFY(inertia != before);
        QCOMPARE(Strip().TextBox(kColWeight)->isEnabled(),
                 Strip().List(kColMaterial)->currentIndex() == 0);
        Strip().Button(QStringLiteral("Keep Change"))->click();
        QCOMPARE(f->Shown(kBaseline, 27, kColInertia), inertia);
    }

    // "Change OD Also ?" answered No keeps the sub-menu open, the new I.D. shown in the strip.
    void wallThicknessShowsItsInnerDiameterInTheStripAtOnce() {
        f->ClickRow(kBaseline, kDriveshaftRow);
        Strip().Button(QStringLiteral("Calc"))->click();
        QCoreApplication::processEvents();
        auto* calc = f->window.findChild<CalcWindow*>();
        QVERIFY(calc);
        calc->TextBox(2)->setFocus();
        calc->TextBox(2)->selectAll();
        QTest::keyClicks(calc->TextBox(2), QStringLiteral("3.5"));
        QTest::keyClick(calc->TextBox(2), Qt::Key_Tab);
        f->dialogs.answers = {Answer::No};
        calc->UseButton()->click();
        QCOMPARE(f->dialogs.messages.at(0).title, std::string("Change OD Also ?"));
        QVERIFY(f->window.findChild<CalcWindow*>() == calc && calc->isVisible());
        QCOMPARE(Strip().TextBox(kColID)->text() + "|" + Strip().TextBox(kColOD)->text(),
                 calc->OutputValue(1)->text() + "|3");
    }
};

}  // namespace gyrant

QTEST_MAIN(gyrant::MainWindowTest)
#include "main_window_test.moc"
