// Help pages, the file seek, and printing a sub-menu's picture and the report through Qt's own
// boxes, which take the focus from the window that opened them as on a desktop.

#include "help/help_window.h"

#include <sys/resource.h>

#include <QFileDialog>
#include <QInputDialog>
#include <QMenu>
#include <QtTest>
#include <csignal>

#include "calc/calc_window.h"
#include "help/seek_window.h"
#include "report/print_commands.h"
#include "support/main_window_fixture.h"

namespace gyrant {

class HelpWindowTest : public QObject {
    Q_OBJECT

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
    QString Pdf(const char* name) { return QString::fromStdString(f->File(name)); }

    std::unique_ptr<testing::PreparedSheet> f;

  private slots:
    void init() {
        f = std::make_unique<testing::PreparedSheet>(
            testing::SheetSetup{.example = "V8 Street Car.qrx"});
    }

    void helpPagesThroughATopicAndTheSeekFollowsWhatWasFound() {
        testing::WriteFileBytes(f->folder / "GyrantTEXT/helpb0.txt", "Drive\r\nfirst\r\npage\r\n");
        testing::WriteFileBytes(f->folder / "GyrantTEXT/helpb1.txt", "Drive, more\r\nsecond\r\n");
        HelpWindow help(f->folder.Path(), 100, nullptr);
        QCOMPARE(help.windowTitle() + "|" + help.Text()->text(),
                 QStringLiteral("Drive|first page"));
        QVERIFY(!help.PreviousButton()->isEnabled() && help.NextButton()->isEnabled());
        help.NextButton()->click();
        QCOMPARE(help.windowTitle(), QStringLiteral("Drive, more"));
        QVERIFY(help.PreviousButton()->isEnabled() && !help.NextButton()->isEnabled());
        // The seek says that nothing was found and stays for another search, then takes the
        // copy picked.
        testing::FakeDialogs dialogs;
        LocalFolderReader reader;
        SeekWindow seek(reader, dialogs, "firefox", nullptr);
        seek.Drives()->setItemText(0, QString::fromStdString(f->folder.Path().string()));
        seek.show();
        seek.Search();
        QVERIFY(dialogs.messages.size() == 1 && seek.isVisible());
        for (auto path : {f->folder / "firefox", f->folder / "GyrantTEXT/firefox"})
            testing::WriteFileBytes(path, "x");
        seek.Search();
        seek.Found()->setCurrentRow(1);
        emit seek.Found()->itemDoubleClicked(seek.Found()->item(1));
        QVERIFY(dialogs.messages.size() == 1 && !seek.isVisible());
        QCOMPARE(seek.SeekFileName(), (f->folder / "firefox").string());
    }

    void printingKeepsTheSubMenuAsItWas_data() {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("comment");
        for (int kind = kFinalDriveCalc; kind <= kDomeVolumeCalc; ++kind) {
            QTest::addRow("kind %d, comment", kind) << kind << QStringLiteral("Dyno run");
            QTest::addRow("kind %d, Cancel", kind) << kind << QString();
        }
    }

    void printingKeepsTheSubMenuAsItWas() {
        QFETCH(int, kind);
        QFETCH(QString, comment);
        int row = kFirstSpecRow;
        while (kind < kDeckHeightCalc && f->sheet.Rows.RowCalcKind[row] != kind) ++row;
        MainWindow window(f->sheet);
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        window.Editor().TableClick(kProposed, row);
        window.ShowWorksheet();
        QMenu* boring = window.findChild<QMenu*>(QStringLiteral("mnuBoreStroke"));
        QAction* item = boring->actions().value(kind - kDeckHeightCalc);
        item ? item->trigger() : window.StripWidget().Button(QStringLiteral("Calc"))->click();
        QPointer<CalcWindow> calc = window.findChild<CalcWindow*>();
        QVERIFY(calc && QTest::qWaitForWindowActive(calc));
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
        QDirIterator pdfs(Pdf(""), {QStringLiteral("*.pdf")}, QDir::Files,
                          QDirIterator::Subdirectories);
        QCOMPARE(pdfs.hasNext() && QFileInfo(pdfs.next()).size() > 1000, !comment.isEmpty());
        // Clicking back into the main window still discards the sub-menu.
        window.activateWindow();
        QTRY_VERIFY(!calc);
    }

    void printingToPdfKeepsTheOrientationAndReportsAFullDisk() {
        testing::FakeDialogs dialogs;
        PrintCommands printing(f->sheet, dialogs, nullptr);
        QLabel wide(QStringLiteral("A picture wider than high"));
        wide.resize(400, 100);
        wide.show();
        // A cancelled chooser changes nothing; a printed picture gives the report its page back.
        dialogs.files = {std::nullopt, Pdf("picture.pdf").toStdString(),
                         Pdf("report.pdf").toStdString()};
        dialogs.inputs = {" ", " "};
        for (int print = 0; print < 2; ++print) {
            printing.PrintWindowImage(&wide);
            QCOMPARE(printing.Printer().pageLayout().orientation(), QPageLayout::Portrait);
        }
        printing.PrintWorksheet();
        QVERIFY(dialogs.messages.empty());
        QVERIFY(QFileInfo(Pdf("picture.pdf")).size() > 1000 &&
                QFileInfo(Pdf("report.pdf")).size() > 1000);

        // A disk that takes no more than 2000 bytes of a file.
        std::signal(SIGXFSZ, SIG_IGN);
        rlimit unlimited{};
        getrlimit(RLIMIT_FSIZE, &unlimited);
        rlimit full = {2000, unlimited.rlim_max};
        setrlimit(RLIMIT_FSIZE, &full);
        dialogs.files = {Pdf("full report.pdf").toStdString(),
                         Pdf("full picture.pdf").toStdString()};
        printing.PrintWorksheet();
        printing.PrintWindowImage(&wide);
        setrlimit(RLIMIT_FSIZE, &unlimited);
        QCOMPARE(dialogs.messages.size(), std::size_t{2});
        QVERIFY(dialogs.messages[0].text.find("full report.pdf") != std::string::npos &&
                dialogs.messages[1].text.find("full picture.pdf") != std::string::npos);
        QCOMPARE(QDir(Pdf("")).entryList({QStringLiteral("full*")}), QStringList());
    }
};

}  // namespace gyrant

QTEST_MAIN(gyrant::HelpWindowTest)
#include "help_window_test.moc"
