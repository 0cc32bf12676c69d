// The windows the main window opens: comments, About, the wizard, the printed report and a
// calculation sub-menu, driven through the real windows with the user's answers scripted.

#include <QProcess>

#include "calc/calc_window.h"
#include "help/about_window.h"
#include "help/comments_window.h"
#include "report/print_commands.h"
#include "shell/main_menus.h"
#include "support/window_fixture.h"

namespace gyrant {

// The text of a PDF file, as pdftotext reads it.
QString PdfText(const QString& path) {
    QProcess pdftotext;
    pdftotext.start(QStringLiteral("pdftotext"),
                    {QStringLiteral("-layout"), path, QStringLiteral("-")});
    pdftotext.waitForFinished();
    return QString::fromUtf8(pdftotext.readAllStandardOutput());
}

class SubWindowTest : public QObject {
    Q_OBJECT

    std::unique_ptr<testing::WindowFixture> f;

  private slots:
    void init() { f = std::make_unique<testing::WindowFixture>(); }
    void cleanup() { f.reset(); }

    void commentsKeptWithOkAreAChangeAndCancelDiscards() {
        f->Item("mnuComments")->trigger();
        CommentsWindow* comments = f->OpenWindow<CommentsWindow>();
        QVERIFY(comments);
        QCOMPARE(comments->windowTitle(), QStringLiteral("Vevizadu Gyrant File Comments"));
        QTest::keyClicks(comments->Text(), QStringLiteral("lighter wheels"));
        QTest::keyClick(comments->Text(), Qt::Key_Return);
        QTest::keyClicks(comments->Text(), QStringLiteral("same tires"));
        QTest::mouseClick(comments->findChild<QPushButton*>(QString(), Qt::FindDirectChildrenOnly),
                          Qt::LeftButton);
        QTRY_VERIFY(f->window->findChild<CommentsWindow*>() == nullptr);
        QCOMPARE(f->sheet.FileComments, std::string("lighter wheels\r\nsame tires"));
        QCOMPARE(f->sheet.SpecsChanged, 1);
        f->Item("mnuComments")->trigger();
        comments = f->OpenWindow<CommentsWindow>();
        QCOMPARE(comments->Text()->toPlainText(), QStringLiteral("lighter wheels\nsame tires"));
        QTest::keyClicks(comments->Text(), QStringLiteral(" and more"));
        comments->reject();
        QCOMPARE(f->sheet.FileComments, std::string("lighter wheels\r\nsame tires"));
    }

    void aboutClosesAndPutsTheStripBackOnRowOne() {
        f->window->Editor().TableClick(kBaseline, 20);
        f->Item("mnuAbout")->trigger();
        AboutWindow* about = f->OpenWindow<AboutWindow>();
        QVERIFY(about && about->findChild<QLabel*>(QStringLiteral("Image1")));
        QTest::mouseClick(about, Qt::LeftButton, {}, QPoint(5, 5));
        QTRY_VERIFY(f->window->findChild<AboutWindow*>() == nullptr);
        QCOMPARE(f->sheet.CurrentRow, 1);
    }

    void aboutPrintsItsPictureFittedToThePage() {
        f->Item("mnuAbout")->trigger();
        AboutWindow* about = f->OpenWindow<AboutWindow>();
        QVERIFY(about);
        QCOMPARE(CaptureWindowImage(about).size(), about->size());
        QString pdf = QString::fromStdString((f->folder / "about.pdf").string());
        f->dialogs.files = {pdf.toStdString()};
        about->findChild<QPushButton*>(QStringLiteral("SSCommand1"))->click();
        QVERIFY(QFileInfo(pdf).size() > 0);
        QCOMPARE(f->window->Menus().Printing().Printer().pageLayout().orientation(),
                 QPageLayout::Landscape);
        about->accept();
    }

    void wizardBuildsTheVehicleInTheWindow() {
        f->dialogs.answers = {Answer::Yes, Answer::No, Answer::Ok};
        f->dialogs.inputs = {"3200", "3.73", "2.52", "350", "8", "26"};
        f->Item("mnuEZ")->trigger();
        QCOMPARE(f->Shown(kBaseline, 3, kColValue), QStringLiteral("3.73"));
        QVERIFY(!f->Shown(kBaseline, 31, kColEqWt).isEmpty());
        QCOMPARE(f->Strip().TextBox(kColValue)->text(), QStringLiteral("3200"));
        QCOMPARE(f->dialogs.inputsAsked.size(), 6u);
    }

    void printWritesTheReportToThePdfFileNamed() {
        f->dialogs.files = {f->Example()};
        f->Item("mnuOpen")->trigger();
        QString pdf = QString::fromStdString((f->folder / "report.pdf").string());
        f->dialogs.files = {pdf.toStdString()};
        f->dialogs.inputs = {"For the customer"};
        f->Item("mnuPrint")->trigger();
        QCOMPARE(f->dialogs.choosersShown.back().proposedName, std::string("V8 Street Car.pdf"));
        QString text = PdfText(pdf);
        QVERIFY2(text.contains(QStringLiteral("Calculated Test Results")), qPrintable(text));
        QVERIFY(text.contains(
            QRegularExpression(QStringLiteral("Report Comment:\\s+For the customer"))));
        QVERIFY(text.contains(QStringLiteral("Imprvmnt")) &&
                text.contains(QStringLiteral("4117.48")));
        QString cancelled = QString::fromStdString((f->folder / "cancelled.pdf").string());
        f->dialogs.files = {cancelled.toStdString()};
        f->dialogs.inputs = {""};
        f->window->Menus().Printing().Printer().setOutputFileName(QString());
        f->Item("mnuPrint")->trigger();
        QVERIFY(!QFileInfo::exists(cancelled));
    }

    // After "Use Calc Value" the strip's results and Weight follow its new inputs as the table
    // will show them.
    void tireSubMenuComputesAndItsValueIsUsedInTheStrip() {
        f->window->Editor().TableClick(kBaseline, 27);
        f->window->ShowWorksheet();
        EditStripWidget& strip = f->Strip();
        strip.Button(QStringLiteral("Calc"))->click();
        CalcWindow* calc = f->OpenWindow<CalcWindow>();
        QVERIFY2(calc, f->dialogs.messages.empty() ? "" : f->dialogs.messages.back().text.c_str());
        calc->List(1)->setCurrentIndex(0);
        emit calc->List(1)->activated(0);
        for (auto [k, text] : {std::pair{2, "225"}, std::pair{4, "50"}, std::pair{5, "16"}}) {
            calc->TextBox(k)->setFocus();
            QTest::keyClicks(calc->TextBox(k), QString::fromLatin1(text));
            QTest::keyClick(calc->TextBox(k), Qt::Key_Tab);
        }
        QCOMPARE(calc->OutputValue(1)->text(), QStringLiteral("24.9"));
        QString before = strip.TextBox(kColInertia)->text();
        calc->UseButton()->click();
        QTRY_VERIFY(f->window->findChild<CalcWindow*>() == nullptr);
        QCOMPARE(strip.TextBox(kColOD)->text(), QStringLiteral("24.9"));
        QCOMPARE(strip.TextBox(kColID)->text(), QStringLiteral("16"));
        QCOMPARE(f->sheet.CurrentRow, 27);
        QString inertia = strip.TextBox(kColInertia)->text();
        QVERIFY(inertia != before);
        QCOMPARE(strip.TextBox(kColWeight)->isEnabled(),
                 strip.List(kColMaterial)->currentIndex() == 0);
        strip.Button(QStringLiteral("Keep Change"))->click();
        QCOMPARE(f->Shown(kBaseline, 27, kColInertia), inertia);
    }
};

}  // namespace gyrant

QTEST_MAIN(gyrant::SubWindowTest)
#include "sub_window_test.moc"
