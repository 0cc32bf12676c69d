// The example worksheet as a document and the windows that show and print it: unsaved mark, Undo,
// recent and dropped files, the save filters, Print and Print Setup with no printer, Where the
// Weight Goes, help pages and the file seek, and a sub-menu's picture printed through Qt's own
// boxes, which take the focus as on a desktop. Every text in the tables, the strip and each
// sub-menu fits its control at the dialog font, for each example worksheet in both unit systems at
// the environment's scale; with GYRANT_SHOTS set each sub-menu's picture is saved in that folder.

#include <sys/resource.h>

#include <QtPrintSupport>
#include <QtTest>
#include <QtWidgets>
#include <csignal>

#include "analysis/weight_shares.h"
#include "analysis/weight_window.h"
#include "calc/calc_window.h"
#include "files/file_commands.h"
#include "help/help_window.h"
#include "help/seek_window.h"
#include "report/print_commands.h"
#include "support/main_window_fixture.h"
#include "text/cell_codec.h"

namespace gyrant {

class DocumentTest : public QObject {
    Q_OBJECT

    static constexpr const char* kExample = "GyrantFiles/V8 Street Car.qrx";
    std::unique_ptr<testing::MainWindowFixture> f;
    QAction* Item(const char* name) { return f->window.findChild<QAction*>(QLatin1String(name)); }
    // The example, saved as Copy.qrx and opened again.
    void SaveACopyAndReopen() {
        f->dialogs.files = {f->File("Copy.qrx"), f->File(kExample)};
        for (const char* item : {"mnuSaveAs", "mnuOpen"}) Item(item)->trigger();
        f->Strip().TextBox(kColValue)->clear();
    }
    void Click(const char* button, const char* typed = "") {
        QTest::keyClicks(f->Strip().TextBox(kColValue), QLatin1String(typed));
        QTest::mouseClick(f->Strip().Button(QLatin1String(button)), Qt::LeftButton);
    }
    // Row 1 of both vehicles, the end of the title with its mark, and whether Undo is offered.
    QString State() {
        return QString::fromStdString(f->sheet.Table(kBaseline).Text(1, kColValue) + "/" +
                                      f->sheet.Table(kProposed).Text(1, kColValue)) +
               f->window.windowHandle()->title().right(2) +
               QString::number(Item("mnuUndo")->isEnabled());
    }
    std::string Pdf(const char* name) { return f->File(std::string("GyrantFiles/") + name); }
    // A PDF's words as laid out on its pages.
    QString PdfText(const char* name) {
        QProcess text;
        text.start("pdftotext", {"-layout", QString::fromStdString(Pdf(name)), "-"});
        text.waitForFinished();
        return QString::fromUtf8(text.readAllStandardOutput());
    }
    // The report's words, without the time it was printed at.
    QString PrintedText(const char* name) {
        f->dialogs.inputs = {" "};
        f->dialogs.files = {Pdf(name)};
        f->Trigger("mnuPrint");
        return PdfText(name).remove(QRegularExpression("Time.*"));
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
        f = std::make_unique<testing::MainWindowFixture>(
            testing::SheetSetup{.example = "V8 Street Car.qrx"});
    }
    void cleanup() { f.reset(); }

    void undoAndRedoReturnToTheSavedStateAndItsMark() {
        SaveACopyAndReopen();
        QVERIFY(QTest::qWaitForWindowActive(&f->window));
        QCOMPARE(State(), QStringLiteral("3700/3700 ]0"));
        f->dialogs.answers = {Answer::Yes};
        Click("Keep Change", "3000");
        Click("Copy Down");
        QCOMPARE(State(), QStringLiteral("3000/3000]*1"));
        f->window.Grid(kBaseline).setFocus();
        QTest::keyClick(&f->window, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(State() + Item("mnuRedo")->text(), QStringLiteral("3000/3700]*1&Redo Copy Down"));
        QTest::keyClick(&f->window, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(State() + f->Strip().TextBox(kColValue)->text(),
                 QStringLiteral("3700/3700 ]03700"));
        QTest::keyClick(&f->window, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(State(), QStringLiteral("3000/3700]*1"));
        for (const char* item : {"mnuSave", "mnuUndo", "mnuRedo"}) Item(item)->trigger();
        QCOMPARE(State(), QStringLiteral("3000/3700 ]1"));
    }

    void recentAndDroppedFilesOpenAfterTheSaveQuestion() {
        SaveACopyAndReopen();
        auto* recent = f->window.findChild<QMenu*>(QStringLiteral("mnuRecent"));
        emit f->window.findChild<QMenu*>(QStringLiteral("mnuFile"))->aboutToShow();
        f->dialogs.answers = {Answer::No, Answer::No};
        Click("Keep Change", "3000");
        recent->actions().at(1)->trigger();
        QCOMPARE(QString::fromStdString(f->sheet.DisplayName +
                                        f->sheet.Table(kBaseline).Text(1, kColValue)),
                 "Copy.qrx3700");
        Click("Keep Change", "3000");
        QMimeData data;
        data.setUrls({QUrl::fromLocalFile(QString::fromStdString(f->File(kExample)))});
        QDragEnterEvent enter(QPoint(200, 200), Qt::CopyAction, &data, Qt::LeftButton, {});
        QDropEvent drop(QPoint(200, 200), Qt::CopyAction, &data, Qt::LeftButton, {});
        for (QEvent* event : std::initializer_list<QEvent*>{&enter, &drop})
            QApplication::sendEvent(f->window.windowHandle(), event);
        QTRY_COMPARE(f->sheet.DisplayName, std::string("V8 Street Car.qrx"));
        QCOMPARE(
            f->dialogs.messages.size() * 10 + static_cast<std::size_t>(recent->actions().size()),
            22u);
        QCOMPARE(f->dialogs.messages.at(1).title, std::string("Save Changes?"));
    }

    // Names and cells keep their bytes through the windows; messages break at CR.
    void namesAndCellsKeepTheirSpellingThroughTheWindows() {
        f->dialogs.files = {f->File("GyrantFiles/Caf\xC3\xA9.qrx")};
        f->Trigger("mnuSaveAs");
        QCOMPARE(f->window.windowHandle()->title(),
                 QStringLiteral("Vevizadu Gyrant - Torvane Inc.   [ Caf\u00e9.qrx ]"));
        std::string every;
        for (int byte = 1; byte < 256; ++byte) every += static_cast<char>(byte);
        QCOMPARE(ToCell(FromCell(every)), every);
        QCOMPARE(FromCell("\x80 \xe9"), QStringLiteral("\u20ac \u00e9"));
        QCOMPARE(FromMessage("one\rtwo\r\rthree"), QStringLiteral("one\ntwo\n\nthree"));
    }

    // Save As offers worksheets first; a name typed without an ending gets theirs.
    void saveAsOffersWorksheetsFirstAndGivesTheirEnding() {
        QtDialogs dialogs(&f->window);
        QStringList offered;
        for (bool allFiles : {false, true}) {
            QTimer::singleShot(0, &f->window, [&offered, allFiles] {
                auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
                offered = dialog->nameFilters();
                if (allFiles)
                    QTest::keyClick(dialog->findChild<QComboBox*>("fileTypeCombo"), Qt::Key_Down);
                auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
                // The dialog selects the proposed name again once its folder is read.
                QSignalSpy(dialog->findChild<QFileSystemModel*>(),
                           &QFileSystemModel::directoryLoaded)
                    .wait(1000);
                name->selectAll();
                QTest::keyClicks(name, QStringLiteral("Typed"));
                QTest::keyClick(name, Qt::Key_Return);
            });
            QVERIFY(SaveSpecFileAs(f->sheet, dialogs));
        }
        QCOMPARE(offered, QStringList({"Gyrant worksheets (*.qrx)", "All Files (*)"}));
        QVERIFY(QFile::exists(QString::fromStdString(f->File("GyrantFiles/Typed.qrx"))));
        QCOMPARE(f->sheet.DisplayName, std::string("Typed"));
    }

    // The comment comes first, then the PDF file in the worksheets' folder; a cancel writes
    // nothing. Print Setup's page (OK, no "Print") reaches the next report; a widened column does
    // not.
    void printAsksTheCommentThenThePdfAndKeepsThePageSetup() {
        f->dialogs.inputs = {"", " "};
        f->Trigger("mnuPrint");
        QVERIFY(f->dialogs.inputsAsked.size() == 1 && f->dialogs.choosersShown.empty());
        f->Trigger("mnuPrint");
        const FileChooser& pdf = f->dialogs.choosersShown.at(0);
        QCOMPARE(pdf.folder + "/" + pdf.proposedName, Pdf("V8 Street Car.pdf"));
        QCOMPARE(QDir(QString::fromStdString(Pdf(""))).entryList({"*.pdf"}), QStringList());
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

    void weightWindowFollowsKeepChangeAndEveryGearTakesTypedRatios() {
        f->Trigger("mnuWeightGoes");
        auto* window = f->window.findChild<WeightWindow*>();
        QVERIFY(window && window->isVisible());
        QCOMPARE(window->Answer()->text(), FromCell(PlainAnswer(ShareOfEachPart(f->sheet))));
        QVERIFY(window->Answer()->text().contains(QStringLiteral("24.30 lb lighter")));

        // A lighter Proposed flywheel: the answer and the chart follow the kept change.
        f->ClickRow(kProposed, kFlywheelRow);
        f->Enter(f->Strip().TextBox(kColWeight), QStringLiteral("2"));
        QTest::mouseClick(f->Strip().Button(QStringLiteral("Keep Change")), Qt::LeftButton);
        QCOMPARE(window->Answer()->text(), FromCell(PlainAnswer(ShareOfEachPart(f->sheet))));
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
        // The last ratios used come back in the next window; refused ones are not kept.
        window->Ratios()->setText(QStringLiteral("0.1"));
        emit window->Ratios()->editingFinished();
        QCOMPARE(WeightWindow(f->sheet, nullptr).Ratios()->text(), QStringLiteral("1.76, 1"));

        // Its Print button writes the answer, the parts and the totals into a PDF.
        f->dialogs.files = {Pdf("weight.pdf")};
        window->findChild<QPushButton*>(QStringLiteral("cmdPrint"))->click();
        QString printed = PdfText("weight.pdf").simplified();
        for (QString expected :
             {QStringLiteral("Where the Weight Goes Page: 1"),
              window->Answer()->text().section(QStringLiteral("weight is "), 1).left(40),
              QStringLiteral("Flywheel"), QStringLiteral("Vehicle Total 4117.48 4059.40 58.08"),
              QStringLiteral("In every gear"), QStringLiteral("2 1 ")})
            QVERIFY2(printed.contains(expected), qPrintable(expected + " in " + printed));
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
        LocalFolderReader reader;
        SeekWindow seek(reader, f->dialogs, "firefox", nullptr);
        seek.Drives()->setItemText(0, QString::fromStdString(f->folder.Path().string()));
        seek.show();
        seek.Search();
        QVERIFY(f->dialogs.messages.size() == 1 && seek.isVisible());
        for (auto path : {f->folder / "firefox", f->folder / "GyrantTEXT/firefox"})
            testing::WriteFileBytes(path, "x");
        seek.Search();
        seek.Found()->setCurrentRow(1);
        emit seek.Found()->itemDoubleClicked(seek.Found()->item(1));
        QVERIFY(f->dialogs.messages.size() == 1 && !seek.isVisible());
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
        dialogs.files = {std::nullopt, Pdf("picture.pdf"), Pdf("report.pdf")};
        dialogs.inputs = {" ", " "};
        for (int print = 0; print < 2; ++print) {
            printing.PrintWindowImage(&wide);
            QCOMPARE(printing.Printer().pageLayout().orientation(), QPageLayout::Portrait);
        }
        printing.PrintWorksheet();
        QVERIFY(dialogs.messages.empty());
        QVERIFY(std::filesystem::file_size(Pdf("picture.pdf")) > 1000 &&
                std::filesystem::file_size(Pdf("report.pdf")) > 1000);

        // A disk that takes no more than 2000 bytes of a file.
        std::signal(SIGXFSZ, SIG_IGN);
        rlimit unlimited{};
        getrlimit(RLIMIT_FSIZE, &unlimited);
        rlimit full = {2000, unlimited.rlim_max};
        setrlimit(RLIMIT_FSIZE, &full);
        dialogs.files = {Pdf("full report.pdf"), Pdf("full picture.pdf")};
        printing.PrintWorksheet();
        printing.PrintWindowImage(&wide);
        setrlimit(RLIMIT_FSIZE, &unlimited);
        QCOMPARE(dialogs.messages.size(), std::size_t{2});
        QVERIFY(dialogs.messages[0].text.find("full report.pdf") != std::string::npos &&
                dialogs.messages[1].text.find("full picture.pdf") != std::string::npos);
        QCOMPARE(QDir(QString::fromStdString(Pdf(""))).entryList({QStringLiteral("full*")}),
                 QStringList());
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

QTEST_MAIN(gyrant::DocumentTest)
#include "document_test.moc"
