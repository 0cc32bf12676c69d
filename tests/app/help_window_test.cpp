// A help topic's pages and the file seek, on the program's own folder.

#include "help/help_window.h"

#include <QtTest>
#include <QtWidgets>

#include "help/seek_window.h"
#include "support/main_window_fixture.h"

namespace gyrant {

class HelpWindowTest : public QObject {
    Q_OBJECT

    // Searches the program's folder for the file the seek looks for.
    static void Search(SeekWindow& seek, testing::MainWindowFixture& f) {
        seek.Drives()->setItemText(0, QString::fromStdString(f.folder.Path().string()));
        seek.show();
        seek.Search();
    }

  private slots:
    void helpPagesThroughATopicAndTheSeekFollowsWhatWasFound() {
        testing::MainWindowFixture f({.example = "V8 Street Car.qrx"});
        testing::WriteFileBytes(f.folder / "GyrantTEXT/helpb0.txt", "Drive\r\nfirst\r\npage\r\n");
        testing::WriteFileBytes(f.folder / "GyrantTEXT/helpb1.txt", "Drive, more\r\nsecond\r\n");
        HelpWindow help(f.folder.Path(), 100, nullptr);
        QCOMPARE(help.windowTitle(), QStringLiteral("Drive"));
        QCOMPARE(help.Text()->text(), QStringLiteral("first page"));
        QVERIFY(!help.PreviousButton()->isEnabled());
        QVERIFY(help.NextButton()->isEnabled());
        help.NextButton()->click();
        QCOMPARE(help.windowTitle(), QStringLiteral("Drive, more"));
        QCOMPARE(help.geometry().bottom(), 432);  // 6500 twips below the screen's top
        QVERIFY(help.PreviousButton()->isEnabled());
        QVERIFY(!help.NextButton()->isEnabled());
        // The seek says that nothing was found and stays for another search, then takes the
        // copy picked.
        LocalFolderReader reader;
        SeekWindow seek(reader, f.dialogs, "firefox", nullptr);
        Search(seek, f);
        QCOMPARE(f.dialogs.messages.size(), 1u);
        QVERIFY(seek.isVisible());
        for (auto path : {f.folder / "firefox", f.folder / "GyrantTEXT/firefox"})
            testing::WriteFileBytes(path, "x");
        seek.Search();
        seek.Found()->setCurrentRow(1);
        emit seek.Found()->itemDoubleClicked(seek.Found()->item(1));
        QCOMPARE(f.dialogs.messages.size(), 1u);
        QVERIFY(!seek.isVisible());
        QCOMPARE(seek.SeekFileName(), (f.folder / "firefox").string());
    }
    // A search halted after one copy was found offers it with "Use" instead of taking it.
    void aHaltedSearchOffersWhatItFound() {
        testing::MainWindowFixture f;
        std::filesystem::create_directory(f.folder / "zz");
        testing::WriteFileBytes(f.folder / "zz/firefox", "x");
        struct HaltingReader : LocalFolderReader {
            std::optional<Listing> List(const std::string& folder) const override {
                if (++listed == 3) seek->CancelOrHalt();
                return LocalFolderReader::List(folder);
            }
            SeekWindow* seek = nullptr;
            mutable int listed = 0;
        } reader;
        SeekWindow seek(reader, f.dialogs, "firefox", nullptr);
        reader.seek = &seek;
        Search(seek, f);
        QCOMPARE(seek.Found()->count(), 1);
        QVERIFY(seek.isVisible());
        QVERIFY(std::ranges::any_of(seek.findChildren<QPushButton*>(), [](QPushButton* b) {
            return b->text() == QLatin1String("Use") && b->isVisible();
        }));
    }
};

}  // namespace gyrant

QTEST_MAIN(gyrant::HelpWindowTest)
#include "help_window_test.moc"
