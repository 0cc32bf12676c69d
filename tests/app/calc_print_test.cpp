// Printing a sub-menu's picture and the report through the real windows and Qt's own boxes,
// offscreen: every box takes the focus from the window that opened it, as on a desktop.

#include <sys/resource.h>

#include <QFileDialog>
#include <QInputDialog>
#include <QtTest>
#include <csignal>

#include "calc/calc_window.h"
#include "files/spec_file.h"
#include "model/setup_tables.h"
#include "report/print_commands.h"
#include "shell/main_menus.h"
#include "shell/main_window.h"
#include "support/fake_dialogs.h"
#include "support/program_folder.h"

namespace gyrant {

class CalcPrintTest : public QObject {
    Q_OBJECT

  private slots:
    void init();
    void cleanup();
    void printingKeepsTheSubMenuAsItWas_data();
    void printingKeepsTheSubMenuAsItWas();
    void aWindowPictureLeavesThePrintersOrientationAlone();
    void aPdfThatCannotBeWrittenIsReported();

  private:
    // Answers the next box that shows, whichever window opened it.
    void AnswerNextBox(std::function<void(QWidget*)> answer);
    QString PdfPath(const char* name) const {
        return QString::fromStdString((*m_folder / name).string());
    }

    std::unique_ptr<testing::ProgramFolder> m_folder;
    std::unique_ptr<Worksheet> m_sheet;
};

void CalcPrintTest::init() {
    m_folder = std::make_unique<testing::ProgramFolder>();
    m_sheet = std::make_unique<Worksheet>();
    m_sheet->ProgramFolder = m_folder->Path();
    QVERIFY(SetupTables(*m_sheet).ok);
    m_sheet->SpecFilePath = (*m_folder / "GyrantFiles" / "V8 Street Car.qrx").string();
    QCOMPARE(ReadWriteSpecFile(*m_sheet, true).status, SpecFileStatus::Done);
}

void CalcPrintTest::cleanup() {
    m_sheet.reset();
    m_folder.reset();
}

void CalcPrintTest::AnswerNextBox(std::function<void(QWidget*)> answer) {
    auto* poll = new QTimer(this);
    connect(poll, &QTimer::timeout, this, [poll, answer] {
        if (QWidget* box = QApplication::activeModalWidget()) {
            poll->deleteLater();
            poll->stop();
            answer(box);
        }
    });
    poll->start(10);
}

void CalcPrintTest::printingKeepsTheSubMenuAsItWas_data() {
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("comment");
    for (int kind = 1; kind <= 6; ++kind) {
        QTest::addRow("kind %d, comment", kind) << kind << QStringLiteral("Before the dyno run");
        QTest::addRow("kind %d, Cancel", kind) << kind << QString();
    }
}

void CalcPrintTest::printingKeepsTheSubMenuAsItWas() {
    QFETCH(int, kind);
    QFETCH(QString, comment);
    int row = 1;
    while (m_sheet->Rows.RowCalcKind[row] != kind) ++row;
    MainWindow window(*m_sheet);
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    window.Editor().TableClick(kProposed, row);
    window.ShowWorksheet();
    window.StripWidget().Button(QStringLiteral("Calc"))->click();
    QPointer<CalcWindow> calc = window.findChild<CalcWindow*>();
    QVERIFY(calc && QTest::qWaitForWindowActive(calc));
    QSize size = calc->size();
    QStringList outputs;
    for (int k = 1; k <= kMostCalcOutputs; ++k) outputs << calc->OutputValue(k)->text();

    bool pictured = false;
    QSize pictureSize;
    AnswerNextBox([&](QWidget* box) {
        auto* input = static_cast<QInputDialog*>(box);
        if (comment.isEmpty()) return input->reject();
        input->setTextValue(comment);
        input->accept();
        AnswerNextBox([&](QWidget* chooser) {
            // The picture has been taken: the sub-menu shows its footer in place of its buttons.
            pictured = calc && calc->isVisible() && !calc->UseButton()->isVisible() &&
                       calc->findChild<QLabel*>(QStringLiteral("Label2"))->text().endsWith(comment);
            pictureSize = CaptureWindowImage(calc).size();
            qobject_cast<QFileDialog*>(chooser)->selectFile(PdfPath("sub-menu.pdf"));
            static_cast<QDialog*>(chooser)->accept();
        });
    });
    for (QPushButton* button : calc->findChildren<QPushButton*>())
        if (button->text() == QStringLiteral("Print")) QTest::mouseClick(button, Qt::LeftButton);
    QTest::qWait(50);

    QVERIFY(calc && calc->isVisible());
    QCOMPARE(pictured, !comment.isEmpty());
    if (pictured) QCOMPARE(pictureSize, QSize(size.width(), size.height() + 13));
    QTRY_VERIFY(calc->isActiveWindow());
    QVERIFY(calc->UseButton()->isVisible());
    QCOMPARE(calc->size(), size);
    for (int k = 1; k <= kMostCalcOutputs; ++k)
        QCOMPARE(calc->OutputValue(k)->text(), outputs[k - 1]);
    QCOMPARE(QFileInfo(PdfPath("sub-menu.pdf")).size() > 1000, !comment.isEmpty());
    // Clicking back into the main window still discards the sub-menu.
    window.activateWindow();
    QTRY_VERIFY(!calc);
}

void CalcPrintTest::aWindowPictureLeavesThePrintersOrientationAlone() {
    testing::FakeDialogs dialogs;
    PrintCommands printing(*m_sheet, dialogs, nullptr);
    QLabel wide(QStringLiteral("A picture wider than high"));
    wide.resize(400, 100);
    wide.show();
    dialogs.files = {std::nullopt};
    printing.PrintWindowImage(&wide);
    QCOMPARE(printing.Printer().pageLayout().orientation(), QPageLayout::Portrait);
    dialogs.files = {PdfPath("picture.pdf").toStdString(), PdfPath("report.pdf").toStdString()};
    printing.PrintWindowImage(&wide);
    QVERIFY(QFileInfo(PdfPath("picture.pdf")).size() > 1000);
    QCOMPARE(printing.Printer().pageLayout().orientation(), QPageLayout::Portrait);
    dialogs.inputs = {" "};
    printing.PrintWorksheet();
    QVERIFY(dialogs.messages.empty());
    QVERIFY(QFileInfo(PdfPath("report.pdf")).size() > 1000);
}

void CalcPrintTest::aPdfThatCannotBeWrittenIsReported() {
    testing::FakeDialogs dialogs;
    PrintCommands printing(*m_sheet, dialogs, nullptr);
    QLabel picture(QStringLiteral("A picture"));
    picture.show();
    // A disk that takes no more than 2000 bytes of a file.
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit unlimited{};
    getrlimit(RLIMIT_FSIZE, &unlimited);
    rlimit full = unlimited;
    full.rlim_cur = 2000;
    setrlimit(RLIMIT_FSIZE, &full);
    dialogs.inputs = {" "};
    dialogs.files = {PdfPath("report.pdf").toStdString(), PdfPath("picture.pdf").toStdString()};
    printing.PrintWorksheet();
    printing.PrintWindowImage(&picture);
    setrlimit(RLIMIT_FSIZE, &unlimited);
    QCOMPARE(dialogs.messages.size(), std::size_t{2});
    for (const char* name : {"report.pdf", "picture.pdf"}) {
        QVERIFY(!QFileInfo::exists(PdfPath(name)));
        QVERIFY(std::ranges::any_of(dialogs.messages, [&](const auto& m) {
            return m.text.find(name) != std::string::npos;
        }));
    }
    QVERIFY(QDir(QString::fromStdString(m_folder->Path().string()))
                .entryList({QStringLiteral("*.pdf*")})
                .isEmpty());
}

}  // namespace gyrant

QTEST_MAIN(gyrant::CalcPrintTest)
#include "calc_print_test.moc"
