// The help, tip and file seek windows, driven offscreen.

#include <QtTest>

#include "help/help_window.h"
#include "help/seek_window.h"
#include "support/fake_dialogs.h"
#include "support/program_folder.h"

namespace gyrant {

// The local disks, with one temporary folder as the only drive.
class OneDriveReader : public FolderReader {
public:
    explicit OneDriveReader(std::string drive) : m_drive(std::move(drive)) {}
    std::optional<Listing> List(const std::string& folder) const override { return m_local.List(folder); }
    std::vector<std::string> Drives() const override { return {m_drive}; }

private:
    std::string m_drive;
    LocalFolderReader m_local;
};

class HelpWindowTest : public QObject {
    Q_OBJECT

private slots:
    void helpPagesThroughATopic();
    void seekWithOneMatchReturnsItAtOnce();
    void seekWithSeveralMatchesLetsTheUserChoose();
    void seekWithNoMatchSaysSoAndStaysOpen();
};

void HelpWindowTest::helpPagesThroughATopic() {
    testing::ProgramFolder folder;
    testing::WriteFileBytes(folder / "GyrantTEXT/helpb0.txt", "Final Drive\r\nfirst\r\npage\r\n");
    testing::WriteFileBytes(folder / "GyrantTEXT/helpb1.txt", "Final Drive, continued\r\nsecond\r\n");
    HelpWindow help(folder.Path(), 100, nullptr);
    QCOMPARE(help.windowTitle(), QStringLiteral("Final Drive"));
    QCOMPARE(help.Text()->text(), QStringLiteral("first page"));
    QVERIFY(!help.PreviousButton()->isEnabled());
    QVERIFY(help.NextButton()->isEnabled());
    help.NextButton()->click();
    QCOMPARE(help.windowTitle(), QStringLiteral("Final Drive, continued"));
    QVERIFY(help.PreviousButton()->isEnabled());
    QVERIFY(!help.NextButton()->isEnabled());
}

void HelpWindowTest::seekWithOneMatchReturnsItAtOnce() {
    testing::ProgramFolder folder;
    std::filesystem::create_directories(folder / "disk/usr/bin");
    testing::WriteFileBytes(folder / "disk/usr/bin/firefox", "x");
    OneDriveReader reader((folder / "disk").string());
    testing::FakeDialogs dialogs;
    SeekWindow seek(reader, dialogs, "firefox", nullptr);
    seek.Search();
    QCOMPARE(QString::fromStdString(seek.SeekFileName()), QString::fromStdString((folder / "disk/usr/bin/firefox").string()));
    QCOMPARE(seek.result(), int(QDialog::Accepted));
}

void HelpWindowTest::seekWithSeveralMatchesLetsTheUserChoose() {
    testing::ProgramFolder folder;
    for (const char* dir : {"disk/a", "disk/b"}) {
        std::filesystem::create_directories(folder / dir);
        testing::WriteFileBytes(folder / dir / "firefox", "x");
    }
    OneDriveReader reader((folder / "disk").string());
    testing::FakeDialogs dialogs;
    SeekWindow seek(reader, dialogs, "firefox", nullptr);
    seek.show();
    seek.Search();
    QCOMPARE(seek.Found()->count(), 2);
    QVERIFY(seek.findChild<QPushButton*>(QString(), Qt::FindDirectChildrenOnly) != nullptr);
    seek.Found()->setCurrentRow(1);
    emit seek.Found()->itemDoubleClicked(seek.Found()->item(1));
    QCOMPARE(QString::fromStdString(seek.SeekFileName()), QString::fromStdString((folder / "disk/a/firefox").string()));
}

void HelpWindowTest::seekWithNoMatchSaysSoAndStaysOpen() {
    testing::ProgramFolder folder;
    OneDriveReader reader(folder.Path().string());
    testing::FakeDialogs dialogs;
    SeekWindow seek(reader, dialogs, "firefox", nullptr);
    seek.show();
    seek.Search();
    QCOMPARE(dialogs.messages.size(), std::size_t{1});
    QVERIFY(dialogs.messages[0].text.starts_with("This file was not found on the "));
    QVERIFY(seek.isVisible());
    seek.CancelOrHalt();
    QCOMPARE(QString::fromStdString(seek.SeekFileName()), QString());
}

}  // namespace gyrant

QTEST_MAIN(gyrant::HelpWindowTest)
#include "help_window_test.moc"
