// The worksheet as a document: unsaved mark, Undo, recent and dropped files, the save filters,
// File > Print and Print Setup with no printer, and the report of Where the Weight Goes.

#include <QFileSystemModel>
#include <QMimeData>
#include <QtPrintSupport>
#include <QtTest>
#include <QtWidgets>

#include "analysis/weight_shares.h"
#include "analysis/weight_window.h"
#include "files/file_commands.h"
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

    // Save As offers worksheets first; a name typed without an ending gets theirs.
    void saveAsOffersWorksheetsFirstAndGivesTheirEnding() {
        SaveACopyAndReopen();
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
};

}  // namespace gyrant

QTEST_MAIN(gyrant::DocumentTest)
#include "document_test.moc"
