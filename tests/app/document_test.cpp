// The worksheet as a document: unsaved mark, Undo, recent and dropped files, the save filters.

#include <QComboBox>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QMenu>
#include <QMimeData>
#include <QtTest>

#include "files/file_commands.h"
#include "support/main_window_fixture.h"

namespace gyrant {

// The example, saved as Copy.qrx and opened again.
struct Program : testing::MainWindowFixture {
    Program() : MainWindowFixture({.example = "V8 Street Car.qrx"}) {
        dialogs.files = {File("Copy.qrx"), File(kExample)};
        for (const char* item : {"mnuSaveAs", "mnuOpen"}) Item(item)->trigger();
        Strip().TextBox(kColValue)->clear();
    }
    QAction* Item(const char* name) { return window.findChild<QAction*>(QLatin1String(name)); }
    void Click(const char* button, const char* typed = "") {
        QTest::keyClicks(Strip().TextBox(kColValue), QLatin1String(typed));
        QTest::mouseClick(Strip().Button(QLatin1String(button)), Qt::LeftButton);
    }
    // Row 1 of both vehicles, the end of the title with its mark, and whether Undo is offered.
    QString State() {
        return QString::fromStdString(sheet.Table(kBaseline).Text(1, kColValue) + "/" +
                                      sheet.Table(kProposed).Text(1, kColValue)) +
               window.windowHandle()->title().right(2) +
               QString::number(Item("mnuUndo")->isEnabled());
    }

    static constexpr const char* kExample = "GyrantFiles/V8 Street Car.qrx";
};

class DocumentTest : public QObject {
    Q_OBJECT

  private slots:
    void undoAndRedoReturnToTheSavedStateAndItsMark() {
        Program p;
        QVERIFY(QTest::qWaitForWindowActive(&p.window));
        QCOMPARE(p.State(), QStringLiteral("3700/3700 ]0"));
        p.dialogs.answers = {Answer::Yes};
        p.Click("Keep Change", "3000");
        p.Click("Copy Down");
        QCOMPARE(p.State(), QStringLiteral("3000/3000]*1"));
        p.window.Grid(kBaseline).setFocus();
        QTest::keyClick(&p.window, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(p.State() + p.Item("mnuRedo")->text(),
                 QStringLiteral("3000/3700]*1&Redo Copy Down"));
        QTest::keyClick(&p.window, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(p.State() + p.window.StripWidget().TextBox(kColValue)->text(),
                 QStringLiteral("3700/3700 ]03700"));
        QTest::keyClick(&p.window, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(p.State(), QStringLiteral("3000/3700]*1"));
        for (const char* item : {"mnuSave", "mnuUndo", "mnuRedo"}) p.Item(item)->trigger();
        QCOMPARE(p.State(), QStringLiteral("3000/3700 ]1"));
    }

    void recentAndDroppedFilesOpenAfterTheSaveQuestion() {
        Program p;
        auto* recent = p.window.findChild<QMenu*>(QStringLiteral("mnuRecent"));
        emit p.window.findChild<QMenu*>(QStringLiteral("mnuFile"))->aboutToShow();
        p.dialogs.answers = {Answer::No, Answer::No};
        p.Click("Keep Change", "3000");
        recent->actions().at(1)->trigger();
        QCOMPARE(QString::fromStdString(p.sheet.DisplayName +
                                        p.sheet.Table(kBaseline).Text(1, kColValue)),
                 "Copy.qrx3700");
        p.Click("Keep Change", "3000");
        QMimeData data;
        data.setUrls({QUrl::fromLocalFile(QString::fromStdString(p.File(Program::kExample)))});
        QDragEnterEvent enter(QPoint(200, 200), Qt::CopyAction, &data, Qt::LeftButton, {});
        QDropEvent drop(QPoint(200, 200), Qt::CopyAction, &data, Qt::LeftButton, {});
        for (QEvent* event : std::initializer_list<QEvent*>{&enter, &drop})
            QApplication::sendEvent(p.window.windowHandle(), event);
        QTRY_COMPARE(p.sheet.DisplayName, std::string("V8 Street Car.qrx"));
        QCOMPARE(
            p.dialogs.messages.size() * 10 + static_cast<std::size_t>(recent->actions().size()),
            22u);
        QCOMPARE(p.dialogs.messages.at(1).title, std::string("Save Changes?"));
    }

    // Save As offers worksheets first; a name typed without an ending gets theirs.
    void saveAsOffersWorksheetsFirstAndGivesTheirEnding() {
        Program p;
        QtDialogs dialogs(&p.window);
        QStringList offered;
        for (bool allFiles : {false, true}) {
            QTimer::singleShot(0, &p.window, [&offered, allFiles] {
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
            QVERIFY(SaveSpecFileAs(p.sheet, dialogs));
        }
        QCOMPARE(offered, QStringList({"Gyrant worksheets (*.qrx)", "All Files (*)"}));
        QVERIFY(QFile::exists(QString::fromStdString(p.File("GyrantFiles/Typed.qrx"))));
        QCOMPARE(p.sheet.DisplayName, std::string("Typed"));
    }
};

}  // namespace gyrant

QTEST_MAIN(gyrant::DocumentTest)
#include "document_test.moc"
