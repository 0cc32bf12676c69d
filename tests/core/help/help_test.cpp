#include <gtest/gtest.h>

#include "files/settings_file.h"
#include "help/help_pages.h"
#include "help/help_tips.h"
#include "help/outside_programs.h"
#include "help/text_file.h"
#include "support/fake_dialogs.h"
#include "support/program_folder.h"

namespace gyrant {
namespace {

using testing::WriteFileBytes;

TEST(ReadTextFile, FlowsLinesIntoParagraphs) {
    testing::ProgramFolder folder;
    WriteFileBytes(folder / "GyrantTEXT/page.txt",
                   "The Title\r\nfirst line\r\njoined here\r\n \r\n \r\nnew paragraph\r\n  - an item\r\nlast\r\n");
    TextFile page = ReadTextFile(folder.Path(), "page.txt");
    EXPECT_EQ(page.title, "The Title");
    EXPECT_EQ(page.text, "first line joined here\r\r new paragraph  - an item\r last");
    TextFile missing = ReadTextFile(folder.Path(), "nothing.txt");
    EXPECT_EQ(missing.title, "");
    EXPECT_EQ(missing.text, "");
}

TEST(ReadWarningText, ShowsLinesTwoToEighteen) {
    testing::ProgramFolder folder;
    std::string text = "Caption\r\nnot shown\r\n";
    for (int line = 2; line <= 25; ++line) text += "line " + std::to_string(line) + "\r\n";
    WriteFileBytes(folder / "GyrantTEXT/WARNING.TXT", text);
    TextFile warning = ReadWarningText(folder.Path());
    EXPECT_EQ(warning.title, "Caption");
    EXPECT_TRUE(warning.text.starts_with("line 2\r\nline 3\r\n"));
    EXPECT_TRUE(warning.text.ends_with("line 18\r\n"));
    EXPECT_EQ(ReadWarningText("/nowhere").text, "");
}

TEST(HelpPages, EveryTopicShipsEachOfItsPages) {
    testing::ProgramFolder folder;
    for (const char* page : {"helpb0", "helpb1", "helps0", "helps1", "helpd0", "helpd1", "helpo0", "helpo1", "helpbs0",
                             "helpr0", "helpr1", "helpdh0", "helpdh1", "helpch0", "helpch1", "helpdm0", "helpdm1"}) {
        TextFile file = ReadTextFile(folder.Path(), std::string(page) + ".txt");
        EXPECT_FALSE(file.title.empty()) << page;
        EXPECT_GT(file.text.size(), 200u) << page;
    }
    EXPECT_FALSE(ReadWarningText(folder.Path()).text.empty());
}

TEST(HelpTips, ShowTheTipsSwitchedOnInTheirOrder) {
    testing::ProgramFolder folder;
    Worksheet sheet;
    sheet.ProgramFolder = folder.Path();
    EXPECT_EQ(TipsToShow(sheet), (std::vector<int>{1, 0, 2, 3}));
    CloseTip(sheet, 1, true);
    CloseTip(sheet, 3, true);
    EXPECT_EQ(TipsToShow(sheet), (std::vector<int>{0, 2}));
    CloseTip(sheet, 0, true);
    CloseTip(sheet, 2, true);
    EXPECT_TRUE(TipsToShow(sheet).empty());
    EXPECT_EQ(TipFor(7).caption, "Help Tip:  EZ Build Wizard");
    EXPECT_TRUE(TipFor(2).text.find("\r\r") != std::string::npos);

    // Tip 3's switch lasts only until the program ends.
    ASSERT_TRUE(WriteSettings(sheet, SettingsPath(sheet)).ok);
    Worksheet next;
    ReadSettings(next, SettingsPath(sheet));
    EXPECT_EQ(TipsToShow(next), (std::vector<int>{3}));

    testing::FakeDialogs dialogs;
    RestartHelpTips(next, dialogs);
    EXPECT_EQ(TipsToShow(next).size(), 4u);
    EXPECT_EQ(dialogs.messages[0].text, "Help tips will now be shown then next time you start the program.");
}

// A launcher where only the programs named can start; it records every attempt.
class FakeLauncher : public Launcher {
public:
    bool Start(const std::vector<std::string>& command) override {
        attempts.push_back(command);
        for (const std::string& program : working)
            if (command.front() == program) return true;
        return false;
    }
    std::vector<std::string> working;
    std::vector<std::vector<std::string>> attempts;
};

class FakeSeeker : public FileSeeker {
public:
    std::string Seek(const std::string& fileName) override {
        sought.push_back(fileName);
        if (answers.empty()) return "";
        std::string answer = answers.front();
        answers.erase(answers.begin());
        return answer;
    }
    std::vector<std::string> answers;
    std::vector<std::string> sought;
};

TEST(OpenInViewer, TriesEachViewerInTurnAndSaysWhenNoneStarts) {
    testing::FakeDialogs dialogs;
    FakeLauncher launcher;
    launcher.working = {"gedit"};
    OpenInViewer(launcher, dialogs, "/opt/Gyrant/Readme.doc", "Readme.doc");
    ASSERT_EQ(launcher.attempts.size(), 3u);
    EXPECT_EQ(launcher.attempts[0], (std::vector<std::string>{"xdg-open", "/opt/Gyrant/Readme.doc"}));
    EXPECT_EQ(dialogs.messages[0].text, "When you are finished viewing the Readme.doc document, click on the [X] box "
                                        "in the upper right corner to return to the Gyrant.");
    EXPECT_EQ(dialogs.messages.size(), 1u);

    launcher.working.clear();
    OpenInViewer(launcher, dialogs, "/opt/Student/notes.doc", "notes");
    EXPECT_EQ(launcher.attempts.back()[1], "/opt/Student/notes.txt");
    EXPECT_EQ(dialogs.messages.back().text, "An appropriate viewer was not found on your system.");
}

TEST(OpenWebSite, UsesTheBrowserFoundAndSearchesWhenItIsGone) {
    Worksheet sheet;
    testing::FakeDialogs dialogs;
    FakeLauncher launcher;
    FakeSeeker seeker;
    launcher.working = {"/usr/bin/firefox"};
    sheet.BrowserPath = "/usr/bin/firefox";
    OpenWebSite(sheet, launcher, seeker, dialogs, kMakerWebSite, kMakerWebSite);
    EXPECT_EQ(launcher.attempts.size(), 1u);
    EXPECT_TRUE(seeker.sought.empty());

    sheet.BrowserPath = "/old/firefox";
    seeker.answers = {"/usr/bin/firefox"};
    OpenWebSite(sheet, launcher, seeker, dialogs, kMakerWebSite, kMakerWebSite);
    EXPECT_EQ(sheet.BrowserPath, "/usr/bin/firefox");
    EXPECT_EQ(dialogs.messages.back().text,
              "Internet Explorer was not found where it was expected to be.  The program will now search for it.");

    sheet.BrowserPath.clear();
    launcher.working.clear();
    seeker.answers = {""};
    OpenWebSite(sheet, launcher, seeker, dialogs, kMakerWebSite, kMakerWebSite);
    EXPECT_EQ(launcher.attempts.back().front(), "xdg-open");
    EXPECT_TRUE(dialogs.messages.back().text.starts_with(
        "We could not locate Internet Explorer on your computer.  Use your normal web browser and visit:\r\r    "));
}

}  // namespace
}  // namespace gyrant
