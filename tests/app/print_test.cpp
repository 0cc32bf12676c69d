// File > Print and Print Setup with no printer, and a sub-menu's picture printed through Qt's own
// boxes, which take the focus as on a desktop.

#include <sys/resource.h>

#include <QtPrintSupport>
#include <QtTest>
#include <QtWidgets>
#include <csignal>

#include "calc/calc_window.h"
#include "report/print_commands.h"
#include "support/main_window_fixture.h"

namespace gyrant {

class PrintTest : public QObject {
    Q_OBJECT

    std::unique_ptr<testing::MainWindowFixture> f;
    // The report's words, without the time it was printed at.
    QString PrintedText(const char* name) {
        f->dialogs.inputs = {" "};
        f->dialogs.files = {f->Pdf(name)};
        f->Trigger("mnuPrint");
        return f->PdfText(name).remove(QRegularExpression("Time.*"));
    }
    // Answers the next box of a kind that shows, whichever window opened it.
    void AnswerNextBox(const char* kind, std::function<void(QWidget*)> answer) {
        auto* poll = new QTimer(this);
        connect(poll, &QTimer::timeout, this, [poll, kind, answer] {
            // A file chooser is answered once it shows the name it proposes.
            QWidget* box = QApplication::activeModalWidget();
            auto* chooser = qobject_cast<QFileDialog*>(box);
            if (box && box->inherits(kind) &&
                (!chooser || chooser->selectedFiles().value(0).endsWith(QStringLiteral(".pdf")))) {
                poll->deleteLater();
                poll->stop();
                answer(box);
            }
        });
        poll->start(10);
    }
  private slots:
    void init() {
        f = std::make_unique<testing::MainWindowFixture>(
            testing::SheetSetup{.example = "V8 Street Car.qrx"});
    }
    void cleanup() { f.reset(); }

    // The comment comes first, then the PDF file in the worksheets' folder; a cancel writes
    // nothing. Print Setup's page (OK, no "Print") reaches the next report; a widened column does
    // not.
    void printAsksTheCommentThenThePdfAndKeepsThePageSetup() {
        f->dialogs.inputs = {"", " "};
        f->Trigger("mnuPrint");
        QCOMPARE(f->dialogs.inputsAsked.size(), 1u);
        QVERIFY(f->dialogs.choosersShown.empty());
        f->Trigger("mnuPrint");
        const FileChooser& pdf = f->dialogs.choosersShown.at(0);
        QCOMPARE(pdf.folder + "/", f->Pdf(""));
        QCOMPARE(pdf.proposedName, "V8 Street Car.pdf");
        QCOMPARE(QDir(QString::fromStdString(f->Pdf(""))).entryList({"*.pdf"}), QStringList());
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
        QVERIFY(pageSetupWithOk);
        QCOMPARE(f->dialogs.messages.at(0).title, "Stop Printing ?");
        // Under the tables, the option line and the answer, as the screen shows them.
        for (QString said : {QStringLiteral("Components do NOT add to the vehicle's total weight."),
                             QStringLiteral("Proposed vs Baseline in the gear studied: 77.13 lb "
                                            "lighter, 1.91 % more acceleration.")})
            QVERIFY2(before.simplified().contains(said), qPrintable(said));
        QHeaderView* header = f->window.Grid(kBaseline).horizontalHeader();
        QCOMPARE(header->model()->headerData(kColInertia, Qt::Horizontal, Qt::ToolTipRole),
                 QVariant(QStringLiteral("Moment of inertia, lb\u00b7ft\u00b2")));
        int width = header->sectionSize(kColValue);
        QPoint edge(header->sectionViewportPosition(kColValue) + width - 1, header->height() / 2);
        QTest::mousePress(header->viewport(), Qt::LeftButton, {}, edge);
        QTest::mouseMove(header->viewport(), edge + QPoint(60, 0));
        QTest::mouseRelease(header->viewport(), Qt::LeftButton, {}, edge + QPoint(60, 0));
        QCOMPARE(header->sectionSize(kColValue), width + 60);
        QVERIFY(before.contains("Calculated Test Results"));
        QCOMPARE(PrintedText("after.pdf"), before);
    }

    void printingKeepsTheSubMenuAsItWas_data() {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("comment");
        const char* names[] = {"final drive",       "tire size",      "vehicle weight",
                               "primary reduction", "transmission",   "wall thickness",
                               "deck height",       "deck clearance", "dome volume"};
        for (int kind = kFinalDriveCalc; kind <= kDomeVolumeCalc; ++kind) {
            const char* name = names[kind - kFinalDriveCalc];
            QTest::addRow("%s, printed with a comment", name) << kind << QStringLiteral("Dyno run");
            QTest::addRow("%s, print cancelled", name) << kind << QString();
        }
    }

    void printingKeepsTheSubMenuAsItWas() {
        QFETCH(int, kind);
        QFETCH(QString, comment);
        int row = kFirstSpecRow;
        while (kind < kDeckHeightCalc && f->sheet.setup.Rows.RowCalcKind[row] != kind) ++row;
        // Qt's own boxes answer in a window of its own.
        f->window.hide();
        MainWindow window(f->sheet);
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        window.Editor().TableClick(kProposed, row);
        window.ShowWorksheet();
        QMenu* boring = window.findChild<QMenu*>(QStringLiteral("mnuBoreStroke"));
        QAction* item = boring->actions().value(kind - kDeckHeightCalc);
        item ? item->trigger() : window.StripWidget().Button(QStringLiteral("Calc"))->click();
        QPointer<CalcWindow> calc = window.findChild<CalcWindow*>();
        QVERIFY(calc);
        QVERIFY(QTest::qWaitForWindowActive(calc));
        QCOMPARE(calc->UseButton()->isVisible(), !item);  // Boring/Stroking writes nothing back
        QImage before = calc->grab().toImage(), picture;
        AnswerNextBox("QInputDialog", [&](QWidget* box) {
            static_cast<QInputDialog*>(box)->setTextValue(comment);
            if (comment.isEmpty()) return static_cast<QDialog*>(box)->reject();
            static_cast<QDialog*>(box)->accept();
            AnswerNextBox("QFileDialog", [&](QWidget* chooser) {
                // The picture is taken with the footer in place of the buttons.
                if (calc &&
                    calc->findChild<QLabel*>(QStringLiteral("Label2"))->text().endsWith(comment))
                    picture = CaptureWindowImage(calc);
                static_cast<QDialog*>(chooser)->accept();
            });
        });
        QTest::mouseClick(calc->findChildren<QPushButton*>().at(3), Qt::LeftButton);  // "Print"
        auto stillActive = [&] {
            CalcWindow* open = calc.data();
            return open && open->isVisible() && open->isActiveWindow();
        };
        QTRY_VERIFY(stillActive());
        QCOMPARE(calc->grab().toImage(), before);
        QCOMPARE(picture.size(), comment.isEmpty() ? QSize(0, 0) : before.size() + QSize(0, 13));
        QVERIFY(comment.isEmpty() ||
                picture.copy(0, 0, before.width(), 100) == before.copy(0, 0, before.width(), 100));
        // The picture went to the PDF file proposed, somewhere in the program's folder.
        QDirIterator pdfs(QString::fromStdString(f->File("")), {QStringLiteral("*.pdf")},
                          QDir::Files, QDirIterator::Subdirectories);
        QCOMPARE(pdfs.hasNext() && QFileInfo(pdfs.next()).size() > 1000, !comment.isEmpty());
        // Clicking back into the main window still discards the sub-menu.
        window.activateWindow();
        QTRY_VERIFY(!calc);
    }

    void printingToPdfKeepsTheOrientationAndReportsAFullDisk() {
        testing::FakeDialogs& dialogs = f->dialogs;
        PrintCommands printing(f->sheet, dialogs, nullptr);
        QLabel wide(QStringLiteral("A picture wider than high"));
        wide.resize(400, 100);
        wide.show();
        // A cancelled chooser changes nothing; a printed picture gives the report its page back.
        dialogs.files = {std::nullopt, f->Pdf("picture.pdf"), f->Pdf("report.pdf")};
        dialogs.inputs = {" ", " "};
        for (int print = 0; print < 2; ++print) {
            printing.PrintWindowImage(&wide);
            QCOMPARE(printing.Printer().pageLayout().orientation(), QPageLayout::Portrait);
        }
        printing.PrintWorksheet();
        QVERIFY(dialogs.messages.empty());
        QCOMPARE_GT(std::filesystem::file_size(f->Pdf("picture.pdf")), 1000u);
        QCOMPARE_GT(std::filesystem::file_size(f->Pdf("report.pdf")), 1000u);

        // A disk that takes no more than 2000 bytes of a file.
        std::signal(SIGXFSZ, SIG_IGN);
        rlimit unlimited{};
        getrlimit(RLIMIT_FSIZE, &unlimited);
        rlimit full = {2000, unlimited.rlim_max};
        setrlimit(RLIMIT_FSIZE, &full);
        dialogs.files = {f->Pdf("full report.pdf"), f->Pdf("full picture.pdf")};
        printing.PrintWorksheet();
        printing.PrintWindowImage(&wide);
        setrlimit(RLIMIT_FSIZE, &unlimited);
        QVERIFY(!QGuiApplication::overrideCursor());  // the wait ends with a failed print too
        QCOMPARE(dialogs.messages.size(), std::size_t{2});
        QVERIFY(dialogs.messages[0].text.find("full report.pdf") != std::string::npos);
        QVERIFY(dialogs.messages[1].text.find("full picture.pdf") != std::string::npos);
        QCOMPARE(QDir(QString::fromStdString(f->Pdf(""))).entryList({QStringLiteral("full*")}),
                 QStringList());
    }
};

}  // namespace gyrant

QTEST_MAIN(gyrant::PrintTest)
#include "print_test.moc"
