// The worksheet as a document: the unsaved mark, Undo and Redo, recent and dropped files and the
// save dialog's filters, driven offscreen with the flows' answers scripted.

#include <QComboBox>
#include <QFileDialog>
#include <QMenu>
#include <QMimeData>
#include <QtTest>

#include "files/file_commands.h"
#include "files/program_places.h"
#include "shell/main_window.h"
#include "support/fake_dialogs.h"
#include "support/program_folder.h"

namespace gyrant {

constexpr const char* kExample = "GyrantFiles/V8 Street Car.qrx";

// The main window with an example worksheet opened.
struct Document {
    Document() {
        sheet.ProgramFolder = folder.Path();
        SetupWorksheet(sheet);
        window.show();
        Open(kExample);
    }
    std::string File(const char* name) { return (folder / name).string(); }
    void Open(const char* name) {
        dialogs.files = {File(name)};
        Item("mnuOpen")->trigger();
    }
    QAction* Item(const char* name) { return window.findChild<QAction*>(QLatin1String(name)); }
    void Keep(const QString& weight) {
        QLineEdit* box = window.StripWidget().TextBox(kColValue);
        box->setFocus();
        box->selectAll();
        QTest::keyClicks(box, weight);
        Click("Keep Change");
    }
    void Click(const char* button) {
        QTest::mouseClick(window.StripWidget().Button(QLatin1String(button)), Qt::LeftButton);
    }
    // Row 1 of both vehicles, the end of the title with its mark, and whether Undo is offered.
    QString State() {
        std::string weights = sheet.Table(kBaseline).Text(1, kColValue) + "/" +
                              sheet.Table(kProposed).Text(1, kColValue);
        return QString::fromStdString(weights) + window.windowHandle()->title().right(2) +
               QString::number(Item("mnuUndo")->isEnabled());
    }

    testing::ProgramFolder folder;
    Worksheet sheet;
    testing::FakeDialogs dialogs;
    MainWindow window{sheet, &dialogs};
};

class DocumentTest : public QObject {
    Q_OBJECT

  private slots:
    void undoAndRedoReturnToTheSavedStateAndItsMark() {
        Document d;
        QVERIFY(QTest::qWaitForWindowActive(&d.window));
        QCOMPARE(d.State(), QStringLiteral("3700/3700 ]0"));
        d.Keep(QStringLiteral("3000"));
        d.dialogs.answers = {Answer::Yes};
        d.Click("Copy Down");
        QCOMPARE(d.State(), QStringLiteral("3000/3000]*1"));
        d.window.Grid(kBaseline).setFocus();
        QTest::keyClick(&d.window, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(d.State() + d.Item("mnuRedo")->text(),
                 QStringLiteral("3000/3700]*1&Redo Copy Down"));
        QTest::keyClick(&d.window, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(d.State() + d.window.StripWidget().TextBox(kColValue)->text(),
                 QStringLiteral("3700/3700 ]03700"));
        QTest::keyClick(&d.window, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(d.State(), QStringLiteral("3000/3700]*1"));
        d.Item("mnuSave")->trigger();
        d.Item("mnuUndo")->trigger();
        d.Item("mnuRedo")->trigger();
        QCOMPARE(d.State(), QStringLiteral("3000/3700 ]1"));
    }

    void recentAndDroppedFilesOpenAfterTheSaveQuestion() {
        Document d;
        d.dialogs.files = {d.File("Copy.qrx")};
        d.Item("mnuSaveAs")->trigger();
        d.Open(kExample);
        auto* recent = d.window.findChild<QMenu*>(QStringLiteral("mnuRecent"));
        emit recent->aboutToShow();
        QCOMPARE(recent->actions().size(), 2);
        d.dialogs.answers = {Answer::No, Answer::No};
        d.Keep(QStringLiteral("3000"));
        recent->actions().at(1)->trigger();
        QCOMPARE(d.sheet.DisplayName + d.sheet.Table(kBaseline).Text(1, kColValue), "Copy.qrx3700");
        d.Keep(QStringLiteral("3000"));
        QMimeData data;
        data.setUrls({QUrl::fromLocalFile(QString::fromStdString(d.File(kExample)))});
        QPoint middle = d.window.rect().center();
        QDragEnterEvent enter(middle, Qt::CopyAction, &data, Qt::LeftButton, {});
        QDropEvent drop(middle, Qt::CopyAction, &data, Qt::LeftButton, {});
        for (QEvent* event : std::initializer_list<QEvent*>{&enter, &drop})
            QApplication::sendEvent(d.window.windowHandle(), event);
        QTRY_COMPARE(d.sheet.DisplayName, std::string("V8 Street Car.qrx"));
        QCOMPARE(d.dialogs.messages.size() * 10 + d.dialogs.answers.size(), 20u);
        QCOMPARE(d.dialogs.messages.at(1).title, std::string("Save Changes?"));
    }

    // Save As offers worksheets first; a name typed without an ending gets theirs.
    void saveAsOffersWorksheetsFirstAndGivesTheirEnding() {
        Document d;
        QtDialogs dialogs(&d.window);
        QStringList offered;
        for (bool allFiles : {false, true}) {
            QTimer::singleShot(0, &d.window, [&offered, allFiles] {
                auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
                offered = dialog->nameFilters();
                if (allFiles)
                    QTest::keyClick(dialog->findChild<QComboBox*>(QStringLiteral("fileTypeCombo")),
                                    Qt::Key_Down);
                auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
                QTest::qWait(100);
                name->selectAll();
                QTest::keyClicks(name, QStringLiteral("Typed"));
                QTest::keyClick(name, Qt::Key_Return);
            });
            QVERIFY(SaveSpecFileAs(d.sheet, dialogs));
        }
        QCOMPARE(offered, QStringList({"Gyrant worksheets (*.qrx)", "All Files (*)"}));
        QVERIFY(QFile::exists(QString::fromStdString(d.File("GyrantFiles/Typed.qrx"))));
        QCOMPARE(d.sheet.DisplayName, std::string("Typed"));
    }
};

}  // namespace gyrant

QTEST_MAIN(gyrant::DocumentTest)
#include "document_test.moc"
