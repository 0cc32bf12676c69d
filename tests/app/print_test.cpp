// File > Print and Print Setup with no printer, and the grids' headings, driven offscreen.

#include <QtPrintSupport>
#include <QtTest>
#include <QtWidgets>

#include "support/main_window_fixture.h"

namespace gyrant {

class PrintTest : public QObject {
    Q_OBJECT
    std::unique_ptr<testing::MainWindowFixture> f;
    std::string Pdf(const char* name) { return f->File(std::string("GyrantFiles/") + name); }
    // The report's words as laid out on the page, without the time it was printed at.
    QString PrintedText(const char* name) {
        f->dialogs.inputs = {" "};
        f->dialogs.files = {Pdf(name)};
        f->Trigger("mnuPrint");
        QProcess text;
        text.start("pdftotext", {"-layout", QString::fromStdString(Pdf(name)), "-"});
        text.waitForFinished();
        return QString::fromUtf8(text.readAllStandardOutput()).remove(QRegularExpression("Time.*"));
    }
  private slots:
    void init() {
        f = std::make_unique<testing::MainWindowFixture>(
            testing::SheetSetup{.example = "V8 Street Car.qrx"});
    }
    void cleanup() { f.reset(); }

    // The comment comes first, then the PDF file in the worksheets' folder; a cancel writes
    // nothing.
    void printAsksTheCommentThenThePdfAndACancelWritesNothing() {
        f->dialogs.inputs = {"", " "};
        f->Trigger("mnuPrint");
        QVERIFY(f->dialogs.inputsAsked.size() == 1 && f->dialogs.choosersShown.empty());
        f->Trigger("mnuPrint");
        const FileChooser& pdf = f->dialogs.choosersShown.at(0);
        QCOMPARE(pdf.folder + "/" + pdf.proposedName, Pdf("V8 Street Car.pdf"));
        QCOMPARE(QDir(QString::fromStdString(Pdf(""))).entryList({"*.pdf"}), QStringList());
    }

    // Print Setup's page (OK, no "Print") reaches the next report; a widened column does not.
    void pageSetupReachesThePrintAndAWidenedColumnDoesNot() {
        bool pageSetupWithOk = false;
        QTimer::singleShot(0, [&pageSetupWithOk] {
            auto* box = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            auto* ok = box->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok);
            pageSetupWithOk = box->inherits("QPageSetupDialog") && ok;
            if (auto* landscape = box->findChild<QRadioButton*>("landscape")) landscape->click();
            box->accept();
        });
        f->Trigger("mnuPrintSetup");
        f->dialogs.answers = {Answer::No, Answer::No};
        QString before = PrintedText("before.pdf");
        QVERIFY(pageSetupWithOk && f->dialogs.messages.at(0).title == "Stop Printing ?");
        QHeaderView* header = f->window.Grid(kBaseline).horizontalHeader();
        QCOMPARE(header->model()->headerData(kColInertia, Qt::Horizontal, Qt::ToolTipRole),
                 QVariant(QStringLiteral("Moment of inertia, lb\u00b7ft\u00b2")));
        int width = header->sectionSize(kColValue);
        QPoint edge(header->sectionViewportPosition(kColValue) + width - 1, header->height() / 2);
        QTest::mousePress(header->viewport(), Qt::LeftButton, {}, edge);
        QTest::mouseMove(header->viewport(), edge + QPoint(60, 0));
        QTest::mouseRelease(header->viewport(), Qt::LeftButton, {}, edge + QPoint(60, 0));
        QCOMPARE(header->sectionSize(kColValue), width + 60);
        QVERIFY(before.contains("Calculated Test Results") && PrintedText("after.pdf") == before);
    }
};

}  // namespace gyrant

QTEST_MAIN(gyrant::PrintTest)
#include "print_test.moc"
