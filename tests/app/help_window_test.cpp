// Help pages, the file seek, and printing a sub-menu's picture and the report through Qt's own
// boxes, which take the focus from the window that opened them as on a desktop. Every text the
// windows show fits its cell or control at the dialog font: the tables' cells, each row's texts,
// choices and help line in the strip, and every sub-menu, for each example worksheet in English
// and metric units, at the scale of the environment. With GYRANT_SHOTS set each sub-menu's
// picture is saved in that folder.

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
    QStringList m_cut;
    // A choice cell shows its item; the blanks push its position out of sight.
    void Fits(QWidget* w, const QString& text, int room) {
        QString shown = text.section(QStringLiteral("   "), 0, 0);
        if (w->fontMetrics().horizontalAdvance(shown) > room)
            m_cut << QStringLiteral("'%1' in %2 px").arg(shown).arg(room);
    }
    void FitsList(QComboBox* list, const QString& text) {
        QStyleOptionComboBox option;
        option.initFrom(list);
        QStyle* style = list->style();
        Fits(list, text,
             style->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, list)
                 .width());
    }
    // A sub-menu's lists of transmissions and vehicles come from data files and show whole when
    // they open; its own choices come from its definition.
    void CheckWindow(QWidget* window, const MenuDefinition* definition = nullptr) {
        for (QWidget* w : window->findChildren<QWidget*>()) {
            auto* label = qobject_cast<QLabel*>(w);
            auto* list = qobject_cast<QComboBox*>(w);
            if (!w->isVisibleTo(window)) continue;
            if (label && label->wordWrap() && label->heightForWidth(w->width()) > w->height())
                m_cut << label->text();
            if (label && !label->wordWrap()) Fits(w, label->text(), w->contentsRect().width());
            for (int i = 0; list && !definition && i < list->count(); ++i)
                FitsList(list, list->itemText(i));
            if (auto* box = qobject_cast<QLineEdit*>(w)) Fits(w, box->text(), w->width() - 8);
            if (auto* b = qobject_cast<QPushButton*>(w)) Fits(w, b->text(), w->width() - 8);
        }
        for (std::size_t k = 1; definition && k <= definition->inputs.size(); ++k)
            for (const std::string& choice : definition->inputs[k - 1].choices)
                if (auto* list = static_cast<CalcWindow*>(window)->List(static_cast<int>(k)))
                    FitsList(list, QString::fromLatin1(choice.c_str()));
    }

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

    void everyTextFits_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<int>("units");
        for (const char* file : {"V8 Street Car.qrx", "Motorcycle.qrx", "Front Drive Four.qrx"})
            for (int units : {0, 1}) QTest::addRow("%s, units %d", file, units) << file << units;
    }
    void everyTextFits() {
        QFETCH(QString, file);
        QFETCH(int, units);
        testing::MainWindowFixture program({.example = file.toStdString(), .units = units});
        MainWindow& window = program.window;
        m_cut.clear();
        SpecGrid& grid = window.Grid(kBaseline);
        for (int column = 0; column < grid.model()->columnCount(); ++column)
            for (int row = 0; row < grid.model()->rowCount(); ++row)
                Fits(&grid, grid.model()->index(row, column).data().toString(),
                     grid.columnWidth(column) - 6);
        for (int row = kFirstSpecRow; row <= kLastSelectableRow; ++row) {
            if (!program.sheet.Table(kBaseline).IsSelectable(row)) continue;
            window.Editor().SelectRow(row);
            window.StripWidget().Show(false);
            CheckWindow(&window.StripWidget());
            QPushButton* calc = window.StripWidget().Button(QStringLiteral("Calc"));
            if (!calc->isVisible()) continue;
            calc->click();
            std::unique_ptr<CalcWindow> menu(window.findChild<CalcWindow*>());
            QString shot = QStringLiteral("%1/sub-menu-%2-units-%3-x%4.png");
            if (qEnvironmentVariableIsSet("GYRANT_SHOTS"))
                menu->grab().save(shot.arg(qEnvironmentVariable("GYRANT_SHOTS"))
                                      .arg(menu->Menu().Kind())
                                      .arg(units)
                                      .arg(qEnvironmentVariable("QT_SCALE_FACTOR", "1")));
            CheckWindow(menu.get(), &menu->Menu().Definition());
        }
        QVERIFY2(m_cut.isEmpty(), qPrintable(m_cut.join(QLatin1Char('\n'))));
    }
};

}  // namespace gyrant

QTEST_MAIN(gyrant::HelpWindowTest)
#include "help_window_test.moc"
