// The File menu, the comments and the About window through the real main window, with the
// user's answers scripted.

#include <QApplication>
#include <QMenuBar>
#include <QPushButton>
#include <QProcess>
#include <QtTest>

#include "calc/calc_window.h"
#include "help/about_window.h"
#include "report/print_commands.h"
#include "shell/main_menus.h"
#include "help/comments_window.h"
#include "model/setup_tables.h"
#include "shell/main_window.h"
#include "support/fake_dialogs.h"
#include "support/program_folder.h"
#include "text/cell_codec.h"

namespace gyrant {

class FileWindowTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void openShowsTheExampleInBothTablesAndSaveAsNamesIt();
    void commentsKeptWithOkAreAChangeAndCancelDiscards();
    void aboutClosesAndPutsTheStripBackOnRowOne();
    void closingWithChangesAsksAndCancelKeepsTheWindow();
    void wizardBuildsTheVehicleInTheWindow();
    void printWritesTheReportToThePdfFileNamed();
    void aboutPrintsItsPictureFittedToThePage();
    void tireSubMenuOpensFromTheStripComputesAndUsesItsValue();

private:
    QAction* Item(const char* name) { return m_window->findChild<QAction*>(QString::fromLatin1(name)); }
    // The sub-window the main window has open, after the events that show it.
    template <typename Window>
    Window* OpenWindow() {
        QCoreApplication::processEvents();
        return m_window->findChild<Window*>();
    }

    std::unique_ptr<testing::ProgramFolder> m_folder;
    std::unique_ptr<Worksheet> m_sheet;
    std::unique_ptr<testing::FakeDialogs> m_dialogs;
    std::unique_ptr<MainWindow> m_window;
};

void FileWindowTest::init() {
    m_folder = std::make_unique<testing::ProgramFolder>();
    m_sheet = std::make_unique<Worksheet>();
    m_sheet->ProgramFolder = m_folder->Path();
    QVERIFY(SetupTables(*m_sheet).ok);
    m_dialogs = std::make_unique<testing::FakeDialogs>();
    m_window = std::make_unique<MainWindow>(*m_sheet, m_dialogs.get());
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
}

void FileWindowTest::cleanup() {
    m_sheet->SpecsChanged = 0;
    m_window.reset();
    m_dialogs.reset();
    m_sheet.reset();
    m_folder.reset();
}

void FileWindowTest::openShowsTheExampleInBothTablesAndSaveAsNamesIt() {
    m_dialogs->files = {(m_folder->Path() / "GyrantFiles" / "V8 Street Car.qrx").string()};
    Item("mnuOpen")->trigger();
    QCOMPARE(m_window->windowTitle(), QStringLiteral("Vevizadu Gyrant - Torvane Inc.   [ V8 Street Car.qrx ]"));
    QVERIFY(m_window->Grid(kProposed).isVisible());
    SpecTableModel& proposed = m_window->Grid(kProposed).Model();
    QCOMPARE(proposed.data(proposed.index(30, kColEqWt), Qt::DisplayRole).toString(), QStringLiteral("4093.18"));
    QCOMPARE(m_window->StripWidget().TextBox(kColValue)->text(), QStringLiteral("3700"));

    std::string copy = (m_folder->Path() / "GyrantFiles" / "Lighter Car.qrx").string();
    m_dialogs->files = {copy};
    Item("mnuSaveAs")->trigger();
    QCOMPARE(m_window->windowTitle(), QStringLiteral("Vevizadu Gyrant - Torvane Inc.   [ Lighter Car.qrx ]"));
    QCOMPARE(testing::ReadFileBytes(copy), testing::ReadFileBytes(m_folder->Path() / "GyrantFiles" / "V8 Street Car.qrx"));
}

void FileWindowTest::commentsKeptWithOkAreAChangeAndCancelDiscards() {
    Item("mnuComments")->trigger();
    CommentsWindow* comments = OpenWindow<CommentsWindow>();
    QVERIFY(comments);
    QCOMPARE(comments->windowTitle(), QStringLiteral("Vevizadu Gyrant File Comments"));
    QTest::keyClicks(comments->Text(), QStringLiteral("lighter wheels"));
    QTest::keyClick(comments->Text(), Qt::Key_Return);
    QTest::keyClicks(comments->Text(), QStringLiteral("same tires"));
    QTest::mouseClick(comments->findChild<QPushButton*>(QString(), Qt::FindDirectChildrenOnly), Qt::LeftButton);
    QTRY_VERIFY(m_window->findChild<CommentsWindow*>() == nullptr);
    QCOMPARE(QString::fromStdString(m_sheet->FileComments), QStringLiteral("lighter wheels\r\nsame tires"));
    QCOMPARE(m_sheet->SpecsChanged, 1);

    Item("mnuComments")->trigger();
    comments = OpenWindow<CommentsWindow>();
    QVERIFY(comments);
    QCOMPARE(comments->Text()->toPlainText(), QStringLiteral("lighter wheels\nsame tires"));
    QTest::keyClicks(comments->Text(), QStringLiteral(" and more"));
    comments->reject();
    QCOMPARE(QString::fromStdString(m_sheet->FileComments), QStringLiteral("lighter wheels\r\nsame tires"));
}

void FileWindowTest::aboutClosesAndPutsTheStripBackOnRowOne() {
    m_window->Editor().TableClick(kBaseline, 20);
    Item("mnuAbout")->trigger();
    AboutWindow* about = OpenWindow<AboutWindow>();
    QVERIFY(about);
    QVERIFY(about->findChild<QLabel*>(QStringLiteral("Image1")) != nullptr);
    QTest::mouseClick(about, Qt::LeftButton, {}, QPoint(5, 5));
    QTRY_VERIFY(m_window->findChild<AboutWindow*>() == nullptr);
    QCOMPARE(m_sheet->CurrentRow, 1);
}

void FileWindowTest::closingWithChangesAsksAndCancelKeepsTheWindow() {
    m_sheet->SpecsChanged = 1;
    m_dialogs->answers = {Answer::Cancel};
    QVERIFY(!m_window->close());
    QVERIFY(m_window->isVisible());
    QCOMPARE(QString::fromStdString(m_dialogs->messages.back().title), QStringLiteral("Save Changes?"));
    m_dialogs->answers = {Answer::No};
    QVERIFY(m_window->close());
}

void FileWindowTest::wizardBuildsTheVehicleInTheWindow() {
    m_dialogs->answers = {Answer::Yes, Answer::No, Answer::Ok};
    m_dialogs->inputs = {"3200", "3.73", "2.52", "350", "8", "26"};
    Item("mnuEZ")->trigger();
    SpecTableModel& model = m_window->Grid(kBaseline).Model();
    QCOMPARE(model.data(model.index(2, kColValue), Qt::DisplayRole).toString(), QStringLiteral("3.73"));
    QVERIFY(!model.data(model.index(30, kColEqWt), Qt::DisplayRole).toString().isEmpty());
    QCOMPARE(m_window->StripWidget().TextBox(kColValue)->text(), QStringLiteral("3200"));
    QCOMPARE(m_dialogs->inputsAsked.size(), 6u);
}

// The text of a PDF file, as pdftotext reads it.
QString PdfText(const QString& path) {
    QProcess pdftotext;
    pdftotext.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), path, QStringLiteral("-")});
    pdftotext.waitForFinished();
    return QString::fromUtf8(pdftotext.readAllStandardOutput());
}

void FileWindowTest::printWritesTheReportToThePdfFileNamed() {
    m_dialogs->files = {(m_folder->Path() / "GyrantFiles" / "V8 Street Car.qrx").string()};
    Item("mnuOpen")->trigger();
    QString pdf = QString::fromStdString((m_folder->Path() / "report.pdf").string());
    m_dialogs->files = {pdf.toStdString()};
    m_dialogs->inputs = {"For the customer"};
    Item("mnuPrint")->trigger();
    const FileChooser& chooser = m_dialogs->choosersShown.back();
    QCOMPARE(QString::fromStdString(chooser.proposedName), QStringLiteral("V8 Street Car.pdf"));
    QString text = PdfText(pdf);
    QVERIFY2(text.contains(QStringLiteral("Calculated Test Results")), qPrintable(text));
    QVERIFY(text.contains(QRegularExpression(QStringLiteral("Report Comment:\\s+For the customer"))));
    QVERIFY(text.contains(QStringLiteral("Imprvmnt")));
    QVERIFY(text.contains(QStringLiteral("4117.48")));

    QString cancelled = QString::fromStdString((m_folder->Path() / "cancelled.pdf").string());
    m_dialogs->files = {cancelled.toStdString()};
    m_dialogs->inputs = {""};
    m_window->Menus().Printing().Printer().setOutputFileName(QString());
    Item("mnuPrint")->trigger();
    QVERIFY(!QFileInfo::exists(cancelled));
}

void FileWindowTest::aboutPrintsItsPictureFittedToThePage() {
    Item("mnuAbout")->trigger();
    AboutWindow* about = OpenWindow<AboutWindow>();
    QVERIFY(about);
    QImage picture = CaptureWindowImage(about);
    QCOMPARE(picture.size(), about->size());
    QString pdf = QString::fromStdString((m_folder->Path() / "about.pdf").string());
    m_dialogs->files = {pdf.toStdString()};
    about->findChild<QPushButton*>(QStringLiteral("SSCommand1"))->click();
    QVERIFY(QFileInfo(pdf).size() > 0);
    // The wide picture turned its own page; the next report starts from the user's orientation.
    QCOMPARE(m_window->Menus().Printing().Printer().pageLayout().orientation(), QPageLayout::Portrait);
    about->accept();
}

void FileWindowTest::tireSubMenuOpensFromTheStripComputesAndUsesItsValue() {
    m_window->Editor().TableClick(kBaseline, 27);
    m_window->ShowWorksheet();
    EditStripWidget& strip = m_window->StripWidget();
    QVERIFY(strip.Button(QStringLiteral("Calc"))->isVisible());
    strip.Button(QStringLiteral("Calc"))->click();
    CalcWindow* calc = OpenWindow<CalcWindow>();
    QVERIFY2(calc, m_dialogs->messages.empty() ? "" : m_dialogs->messages.back().text.c_str());
    calc->List(1)->setCurrentIndex(0);
    emit calc->List(1)->activated(0);
    for (auto [k, text] : {std::pair{2, "225"}, std::pair{4, "50"}, std::pair{5, "16"}}) {
        QLineEdit* box = calc->TextBox(k);
        box->setFocus();
        QTest::keyClicks(box, QString::fromLatin1(text));
        QTest::keyClick(box, Qt::Key_Tab);
    }
    QCOMPARE(calc->OutputValue(1)->text(), QStringLiteral("24.9"));
    calc->UseButton()->click();
    QTRY_VERIFY(m_window->findChild<CalcWindow*>() == nullptr);
    QCOMPARE(strip.TextBox(kColOD)->text(), QStringLiteral("24.9"));
    QCOMPARE(strip.TextBox(kColID)->text(), QStringLiteral("16"));
    QCOMPARE(m_sheet->CurrentRow, 27);
}

}  // namespace gyrant

QTEST_MAIN(gyrant::FileWindowTest)
#include "file_window_test.moc"
