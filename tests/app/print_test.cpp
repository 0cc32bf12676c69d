// File > Print and Print Setup with no printer, and the grids' headings, driven offscreen.

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QPageSetupDialog>
#include <QRadioButton>
#include <QtTest>

#include "files/display_name.h"
#include "files/program_places.h"
#include "files/spec_file.h"
#include "shell/main_window.h"
#include "support/fake_dialogs.h"
#include "support/program_folder.h"

namespace gyrant {

struct Fixture {
    Fixture() {
        sheet.ProgramFolder = folder.Path();
        SetupWorksheet(sheet);
        ReadSpecFile(sheet, (folder / "GyrantFiles/V8 Street Car.qrx").string());
        window.show();
    }
    testing::ProgramFolder folder;
    Worksheet sheet;
    testing::FakeDialogs dialogs;
    MainWindow window{sheet, &dialogs};
};

class PrintTest : public QObject {
    Q_OBJECT

    std::unique_ptr<Fixture> f;
    std::string Pdf(const char* name) { return DefaultSpecFolder(f->sheet) + "/" + name; }
    void Trigger(const char* item) {
        f->window.findChild<QAction*>(QString::fromLatin1(item))->trigger();
    }
    // The report's words as laid out on the page, without the time it was printed at.
    QString PrintedText(const char* name) {
        f->dialogs.inputs = {" "};
        f->dialogs.files = {Pdf(name)};
        Trigger("mnuPrint");
        QProcess text;
        text.start(QStringLiteral("pdftotext"),
                   {QStringLiteral("-layout"), QString::fromStdString(Pdf(name)), "-"});
        text.waitForFinished();
        return QString::fromUtf8(text.readAllStandardOutput())
            .remove(QRegularExpression("Time:.*"));
    }

  private slots:
    void init() { f = std::make_unique<Fixture>(); }
    void cleanup() { f.reset(); }

    // The comment is asked first, then the PDF file in the worksheets' folder; a cancel of
    // either writes nothing.
    void printAsksTheCommentThenThePdfAndACancelWritesNothing() {
        f->dialogs.inputs = {""};
        Trigger("mnuPrint");
        QVERIFY(f->dialogs.inputsAsked.size() == 1 && f->dialogs.choosersShown.empty());
        f->dialogs.inputs = {" "};
        Trigger("mnuPrint");
        QVERIFY(f->dialogs.inputsAsked.size() == 2 && f->dialogs.choosersShown.size() == 1);
        QCOMPARE(
            f->dialogs.choosersShown[0].folder + "/" + f->dialogs.choosersShown[0].proposedName,
            Pdf("V8 Street Car.pdf"));
        QCOMPARE(QDir(QString::fromStdString(Pdf(""))).entryList({"*.pdf"}), QStringList());
    }

    // Print Setup offers the page with OK, no "Print"; a landscape page reaches the next print.
    void printSetupReachesTheNextPrint() {
        bool pageSetupWithOk = false;
        QTimer::singleShot(0, [&pageSetupWithOk] {
            auto* box = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            auto* buttons = box->findChild<QDialogButtonBox*>();
            pageSetupWithOk = qobject_cast<QPageSetupDialog*>(box) && buttons &&
                              buttons->button(QDialogButtonBox::Ok);
            if (auto* landscape = box->findChild<QRadioButton*>(QStringLiteral("landscape")))
                landscape->click();
            box->accept();
        });
        Trigger("mnuPrintSetup");
        QVERIFY(pageSetupWithOk);
        f->dialogs.answers = {Answer::No};
        QVERIFY(PrintedText("wide.pdf").contains("Calculated Test Results"));
        QCOMPARE(f->dialogs.messages.at(0).title, std::string("Stop Printing ?"));
    }

    // Headings tell their units; a column widened by a drag leaves the report's layout alone.
    void headingsTellUnitsAndAWidenedColumnKeepsTheReportsWidths() {
        QHeaderView* header = f->window.Grid(kBaseline).horizontalHeader();
        QCOMPARE(header->model()->headerData(kColInertia, Qt::Horizontal, Qt::ToolTipRole),
                 QVariant(QStringLiteral("Moment of inertia, lb\u00b7ft\u00b2")));
        QString before = PrintedText("before.pdf");
        QVERIFY(before.contains(QStringLiteral("Eq. Wt")));
        int width = header->sectionSize(kColValue);
        QPoint edge(header->sectionViewportPosition(kColValue) + width - 1, header->height() / 2);
        QTest::mousePress(header->viewport(), Qt::LeftButton, {}, edge);
        QTest::mouseMove(header->viewport(), edge + QPoint(60, 0));
        QTest::mouseRelease(header->viewport(), Qt::LeftButton, {}, edge + QPoint(60, 0));
        QCOMPARE(header->sectionSize(kColValue), width + 60);
        QCOMPARE(PrintedText("after.pdf"), before);
    }
};

}  // namespace gyrant

QTEST_MAIN(gyrant::PrintTest)
#include "print_test.moc"
