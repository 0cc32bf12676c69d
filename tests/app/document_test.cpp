// The example worksheet as a document in the main window: the unsaved mark, Undo and Redo,
// recent and dropped files, the save filters, and names that keep their spelling.

#include <unistd.h>

#include <QtTest>
#include <QtWidgets>
#include <fstream>

#include "files/file_commands.h"
#include "shell/main_menus.h"
#include "support/main_window_fixture.h"
#include "text/cell_codec.h"
#include "text/line_reader.h"

namespace gyrant {

class DocumentTest : public QObject {
    Q_OBJECT

    static constexpr const char* kExample = "GyrantFiles/V8 Street Car.qrx";
    std::unique_ptr<testing::MainWindowFixture> f;
    QAction* Item(const char* name) { return f->window.findChild<QAction*>(QLatin1String(name)); }
    // A file manager's drop of the file at `path`, every byte of its name percent-encoded.
    void Drop(const std::string& path) {
        QMimeData data;
        data.setUrls({QUrl::fromEncoded("file://" +
                                        QByteArray::fromStdString(path).toPercentEncoding("/"))});
        QDragEnterEvent enter(QPoint(200, 200), Qt::CopyAction, &data, Qt::LeftButton, {});
        QDropEvent drop(QPoint(200, 200), Qt::CopyAction, &data, Qt::LeftButton, {});
        for (QEvent* event : std::initializer_list<QEvent*>{&enter, &drop})
            QApplication::sendEvent(f->window.windowHandle(), event);
    }
    QString Weight(int table) {
        return QString::fromStdString(f->sheet.Table(table).Text(kVehicleWeightRow, kColValue));
    }
    // One thing a user does to the document, named as in the sequences below; every question
    // is answered Yes, every file chosen is the example.
    void Do(const QString& step) {
        QLineEdit* value = f->Strip().TextBox(kColValue);
        f->dialogs.answers = {Answer::Yes, Answer::Yes, Answer::Yes};
        f->dialogs.files = {f->File(kExample)};
        if (step == "Keep Change" || step == "Keep Same") {
            f->TypeInto(value, step == "Keep Same" ? value->text() : QString::number(m_kept++));
            QTest::mouseClick(f->Strip().Button(QStringLiteral("Keep Change")), Qt::LeftButton);
        } else if (step == "Type") {  // into the strip, not kept
            f->TypeInto(value, QString::number(m_kept++));
        } else if (step == "Cancelled Open") {
            f->dialogs.files = {std::nullopt};
            Item("mnuOpen")->trigger();
        } else if (step == "Copy Down") {
            QTest::mouseClick(f->Strip().Button(step), Qt::LeftButton);
        } else if (step == "Undo" || step == "Redo") {
            f->window.Grid(kBaseline).setFocus();  // a strip box takes the keys for its own undo
            QTest::keyClick(
                &f->window, Qt::Key_Z,
                Qt::ControlModifier | (step == "Redo" ? Qt::ShiftModifier : Qt::NoModifier));
        } else if (step == "One Vehicle" || step == "Weights Add") {
            f->window.Menus().OptionItem(step == "One Vehicle" ? 0 : 3)->trigger();
        } else if (step == "Wizard Saving First") {  // on unsaved work; ends at its 2nd question
            f->dialogs.inputs = {"3200", ""};
            Item("mnuEZ")->trigger();
        } else if (step == "Wizard Saving Its Car") {  // the Proposed vehicle declined
            f->dialogs.answers = {Answer::Yes, Answer::Yes, Answer::No, Answer::Yes};
            f->dialogs.inputs = {"3200", "3.73", "2.52", "350", "26"};
            Item("mnuEZ")->trigger();
        } else {
            Item(qPrintable("mnu" + step))->trigger();
        }
        f->dialogs.answers.clear();
    }
    int m_kept = 3000;
    static std::size_t ResidentBytes() {
        std::ifstream statm("/proc/self/statm");
        std::size_t pages = 0, resident = 0;
        statm >> pages >> resident;
        return resident * static_cast<std::size_t>(sysconf(_SC_PAGESIZE));
    }
  private slots:
    void init() {
        m_kept = 3000;
        f = std::make_unique<testing::MainWindowFixture>(
            testing::SheetSetup{.example = "V8 Street Car.qrx"});
    }
    void cleanup() { f.reset(); }

    // The title's mark after each step and Exit's question follow the history: back at the state
    // in the file by Undo or Redo, the worksheet shows saved. Copy Down and the vehicle count keep
    // the mark as it was, so both their states are saved when the one they started from was; the
    // weights option, which the file keeps, marks the worksheet as any change does. Undo
    // and Redo put both vehicles back, and the strip shows its row as the table has it.
    void theUnsavedMarkFollowsTheHistory_data() {
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QList<bool>>("marks");
        QTest::addColumn<QString>("baseline");
        QTest::addColumn<QString>("proposed");
        auto row = [](const QStringList& steps, const QList<bool>& marks, const char* baseline,
                      const char* proposed) {
            QTest::newRow(qPrintable(steps.join(", ")))
                << steps << marks << QString::fromLatin1(baseline) << QString::fromLatin1(proposed);
        };
        bool T = true, F = false;
        row({"Keep Change", "Undo", "Redo"}, {T, F, T}, "3000", "3700");
        row({"Keep Change", "Save", "Undo", "Redo"}, {T, F, T, F}, "3000", "3700");
        row({"Keep Same"}, {F}, "3700", "3700");
        row({"Copy Down", "Undo", "Redo"}, {F, F, F}, "3700", "3700");
        row({"Copy Down", "Keep Change", "Undo"}, {F, T, F}, "3700", "3700");
        row({"Copy Down", "Save", "Undo"}, {F, F, T}, "3700", "3700");
        row({"Keep Change", "Copy Down", "Undo"}, {T, T, T}, "3000", "3700");
        row({"Keep Change", "Copy Down", "Undo", "Undo", "Redo", "Redo"}, {T, T, T, F, T, T},
            "3000", "3000");
        row({"One Vehicle", "Undo", "Redo"}, {F, F, F}, "3700", "3700");
        row({"Weights Add", "Undo", "Redo"}, {T, F, T}, "3700", "3700");
        row({"Keep Change", "Open"}, {T, F}, "3000", "3700");
        row({"Type", "Cancelled Open", "Undo"}, {F, F, T}, "3700", "3700");
        row({"Keep Change", "Wizard Saving First", "Undo"}, {T, T, F}, "3000", "3700");
        row({"Wizard Saving Its Car", "Undo", "Redo"}, {F, T, F}, "3200", "3700");
    }
    void theUnsavedMarkFollowsTheHistory() {
        QFETCH(QStringList, steps);
        QFETCH(QList<bool>, marks);
        QFETCH(QString, baseline);
        QFETCH(QString, proposed);
        for (qsizetype step = 0; step < steps.size(); ++step) {
            Do(steps[step]);
            QCOMPARE(f->window.windowHandle()->title().endsWith(QChar('*')), marks[step]);
        }
        QCOMPARE(Weight(kBaseline), baseline);
        QCOMPARE(Weight(kProposed), proposed);
        const std::string& stripRow =
            f->sheet.Table(f->sheet.view.CurrentTable).Text(f->sheet.view.CurrentRow, kColValue);
        QCOMPARE(f->Strip().TextBox(kColValue)->text(), QString::fromStdString(stripRow));
        f->dialogs.answers = {Answer::Cancel};
        std::size_t asked = f->dialogs.messages.size();
        f->window.close();
        QCOMPARE(f->dialogs.messages.size() > asked, marks.back());
    }

    // Redo names the step it does again; Undo is offered while there is a step to take back.
    void redoNamesItsStep() {
        for (const char* step : {"Copy Down", "Undo"}) Do(QLatin1String(step));
        QCOMPARE(Item("mnuRedo")->text(), QStringLiteral("&Redo Copy Down"));
        QVERIFY(!Item("mnuUndo")->isEnabled());
    }

    void recentAndDroppedFilesOpenAfterTheSaveQuestion() {
        f->dialogs.files = {f->File("Copy.qrx"), f->File(kExample)};
        for (const char* item : {"mnuSaveAs", "mnuOpen"}) Item(item)->trigger();
        auto* recent = f->window.findChild<QMenu*>(QStringLiteral("mnuRecent"));
        emit f->window.findChild<QMenu*>(QStringLiteral("mnuFile"))->aboutToShow();
        Do("Keep Change");
        f->dialogs.answers = {Answer::No};
        recent->actions().at(1)->trigger();
        QCOMPARE(f->sheet.file.DisplayName, std::string("Copy.qrx"));
        QCOMPARE(Weight(kBaseline), QStringLiteral("3700"));
        Do("Keep Change");
        f->dialogs.answers = {Answer::No};
        // A file name need not be UTF-8; the title shows such a byte as "?".
        std::string odd = f->File("GyrantFiles/V8 \xFF.qrx");
        std::filesystem::copy_file(f->File(kExample), odd);
        Drop(odd);
        QTRY_COMPARE(f->sheet.file.DisplayName, std::string("V8 \xFF.qrx"));
        QVERIFY(f->window.windowHandle()->title().endsWith(QStringLiteral("[ V8 ?.qrx ]")));
        QCOMPARE(f->dialogs.messages.size(), std::size_t{2});
        QCOMPARE(recent->actions().size(), 2);
        QCOMPARE(f->dialogs.messages.at(1).title, std::string("Save Changes?"));
    }

    // Comments keep their bytes through the window, Save and Open: no-break spaces and lines of
    // any length (one over the reader's cap for other lines, of words, which the box lays out
    // in seconds where one unbroken run takes minutes); kept unedited, they also keep their state.
    void commentsKeepTheirBytesThroughTheWindowSaveAndOpen() {
        std::string line;
        while (line.size() <= kMostLineBytes) line += "long line ";
        const std::string comments = "no-break\xA0space\r\n" + line + "\r\n";
        f->sheet.document.FileComments = comments;
        f->KeepCommentsTyping({});
        QCOMPARE(f->sheet.document.FileComments, comments);
        QCOMPARE(f->sheet.file.SpecsChanged, 0);
        QVERIFY(!Item("mnuUndo")->isEnabled());
        f->KeepCommentsTyping(QStringLiteral("after"));
        f->dialogs.files = {f->File("Long.qrx"), f->File("Long.qrx")};
        for (const char* item : {"mnuSaveAs", "mnuOpen"}) Item(item)->trigger();
        QCOMPARE(f->sheet.document.FileComments, comments + "after");
        QCOMPARE(f->dialogs.messages.size(), 0u);
    }

    // Comments kept unchanged cost their size once however many steps there are; changed ones
    // drop the oldest steps once the history holds 64 MB. Undo still takes each step back.
    void undoKeepsLongCommentsWithinItsMemory() {
        const std::size_t kLong = std::size_t{20} << 20;
        f->sheet.document.FileComments = std::string(kLong, 'c');
        const std::size_t before = ResidentBytes();
        for (int step = 0; step < 15; ++step) Do("Keep Change");
        QVERIFY(ResidentBytes() < before + 2 * kLong);  // one copy in the history
        QUndoStack& steps = f->window.History().Stack();
        QCOMPARE(steps.count(), 15);
        for (char kept : {'1', '2', '3', '4', '5'})
            f->window.History().Record(QStringLiteral("Comments"), [&] {
                f->sheet.document.FileComments = std::string(kLong, kept);
            });
        QCOMPARE(steps.count(), 2);
        for (int step = 0; step < 2; ++step) Item("mnuUndo")->trigger();
        QCOMPARE(f->sheet.document.FileComments, std::string(kLong, '3'));
        QVERIFY(!Item("mnuUndo")->isEnabled());
    }

    // Save over a file another program changed asks first; Cancel leaves the window unsaved.
    void saveAsksBeforeReplacingAFileChangedOnDisk() {
        const std::string path = f->File(kExample);
        testing::WriteFileBytes(path, testing::ReadFileBytes(path) + "theirs");
        Do("Keep Change");
        f->dialogs.answers = {Answer::Cancel};
        Item("mnuSave")->trigger();
        QCOMPARE(f->dialogs.messages.size(), std::size_t{1});
        QCOMPARE(f->window.windowHandle()->title().right(2), QStringLiteral("]*"));
        // Qt's box gives each of the three answers.
        QtDialogs dialogs(&f->window);
        for (auto [button, answer] : {std::pair{"Replace", Answer::Replace},
                                      {"Save As...", Answer::SaveAs},
                                      {"", Answer::Cancel}}) {
            QTimer::singleShot(0, &f->window, [button] {
                auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
                for (QAbstractButton* shown : box->buttons())
                    if (shown->text() == QLatin1String(button)) return shown->click();
                QTest::keyClick(box, Qt::Key_Escape);
            });
            QCOMPARE(dialogs.ShowMessage({"?", "File Changed", Buttons::ReplaceSaveAsCancel}),
                     answer);
        }
    }

    // Names and cells keep their bytes through the windows; messages break at CR.
    void namesAndCellsKeepTheirSpellingThroughTheWindows() {
        f->dialogs.files = {f->File("GyrantFiles/Caf\xC3\xA9.qrx")};
        f->Trigger("mnuSaveAs");
        QCOMPARE(f->window.windowHandle()->title(),
                 QStringLiteral("Vevizadu Gyrant - Torvane Inc.   [ Caf\u00e9.qrx ]"));
        Drop(f->File("Caf\xC3\xA9 \xE2\x82\xAC.qrx"));
        QTRY_COMPARE(f->dialogs.messages.size(), std::size_t{1});
        QVERIFY(FromMessage(f->dialogs.messages.front().text)
                    .endsWith(QStringLiteral("/Caf\u00e9 \u20ac.qrx can not be opened.")));
        QCOMPARE(FromCell("\x80 \xe9"), QStringLiteral("\u20ac \u00e9"));
        QCOMPARE(FromMessage("one\rtwo\r\rthree"), QStringLiteral("one\ntwo\n\nthree"));
    }

    // Save As offers worksheets first; a name typed without an ending gets theirs. The chooser
    // leaves no history file of its own.
    void saveAsOffersWorksheetsFirstAndGivesTheirEnding() {
        QtDialogs dialogs(&f->window);
        QStringList offered;
        QString history = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
                          QStringLiteral("/QtProject.conf");
        QDateTime before = QFileInfo(history).lastModified();
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
        QCOMPARE(f->sheet.file.DisplayName, std::string("Typed"));
        QCOMPARE(QFileInfo(history).lastModified(), before);
    }
};

}  // namespace gyrant

QTEST_MAIN(gyrant::DocumentTest)
#include "document_test.moc"
