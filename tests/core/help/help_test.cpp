#include <gtest/gtest.h>

#include <algorithm>

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
                   "The Title\r\nfirst line\r\njoined here\r\n \r\n \r\nnew paragraph\r\n  - an "
                   "item\r\nlast\r\n");
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
    for (const char* page :
         {"helpb0", "helpb1", "helps0", "helps1", "helpd0", "helpd1", "helpo0", "helpo1", "helpbs0",
          "helpr0", "helpr1", "helpdh0", "helpdh1", "helpch0", "helpch1", "helpdm0", "helpdm1"}) {
        TextFile file = ReadTextFile(folder.Path(), std::string(page) + ".txt");
        EXPECT_FALSE(file.title.empty()) << page;
        EXPECT_GT(file.text.size(), 200u) << page;
    }
    EXPECT_FALSE(ReadWarningText(folder.Path()).text.empty());
}

TEST(HelpTips, ShowTheTipsSwitchedOnInTheirOrderNamingRealButtons) {
    Worksheet sheet;
    EXPECT_EQ(TipsToShow(sheet), (std::vector<int>{1, 0, 2, 3}));
    CloseTip(sheet, 1, true);
    CloseTip(sheet, 3, true);
    EXPECT_EQ(TipsToShow(sheet), (std::vector<int>{0, 2}));
    EXPECT_EQ(TipFor(7).caption, "Help Tip:  EZ Build Wizard");
    EXPECT_NE(TipFor(1).text.find("clicking on the 'Keep Change' button"), std::string::npos);
    EXPECT_TRUE(TipFor(3).text.ends_with("then select 'Help on Gyrant'."));

    // Tip 3's switch lasts only until the program ends.
    testing::ProgramFolder folder;
    sheet.ProgramFolder = folder.Path();
    ASSERT_TRUE(WriteSettings(sheet, SettingsPath(sheet)).ok);
    Worksheet next;
    ReadSettings(next, SettingsPath(sheet));
    EXPECT_EQ(TipsToShow(next), (std::vector<int>{0, 2, 3}));
    testing::FakeDialogs dialogs;
    RestartHelpTips(next, dialogs);
    EXPECT_EQ(TipsToShow(next).size(), 4u);
    EXPECT_EQ(dialogs.messages[0].text,
              "Help tips will now be shown then next time you start the program.");
}

// Only the programs named start; it records each attempt, "?" marking one whose exit status counts.
struct FakeLauncher : Launcher {
    bool Start(const std::vector<std::string>& command, bool exitStatusCounts) override {
        attempts.push_back(command.front() + (exitStatusCounts ? "? " : " ") + command.back());
        return std::ranges::find(working, command.front()) != working.end();
    }
    void ShowText(const std::string& title, const std::string& text) override {
        shown = title + ": " + text;
    }
    std::vector<std::string> working, attempts;
    std::string shown;
};

struct FakeSeeker : FileSeeker {
    std::string Seek(const std::string& fileName) override {
        return sought.push_back(fileName), answer;
    }
    std::string answer;
    std::vector<std::string> sought;
};

TEST(OpenInViewer, TriesEachViewerThenShowsTheTextItself) {
    testing::ProgramFolder folder;
    const std::string readme = (folder / "Readme.doc").string();
    const struct {
        std::vector<std::string> working;
        std::string path, lastAttempt, shown, lastMessage;
    } cases[] = {
        {{"gedit"},
         readme,
         "gedit " + readme,
         "",
         "When you are finished viewing the Readme.doc document, click "
         "on the [X] box in the upper right corner to return to the Gyrant."},
        {{},
         readme,
         "leafpad " + readme,
         "Readme.doc: GYRANT - READ ME\r\n",
         "When you are finished"},
        {{},
         "/opt/Student/notes.doc",
         "leafpad /opt/Student/notes.txt",
         "",
         "An appropriate viewer was not found "
         "on your system."},
    };
    for (const auto& c : cases) {
        testing::FakeDialogs dialogs;
        FakeLauncher launcher;
        launcher.working = c.working;
        OpenInViewer(launcher, dialogs, c.path, "Readme.doc");
        EXPECT_EQ(launcher.attempts.front(),
                  "xdg-open? " + c.lastAttempt.substr(c.lastAttempt.find(' ') + 1));
        EXPECT_EQ(launcher.attempts.back(), c.lastAttempt);
        EXPECT_EQ(launcher.shown.substr(0, c.shown.size()), c.shown);
        EXPECT_TRUE(dialogs.messages.back().text.starts_with(c.lastMessage));
    }
}

TEST(OpenWebSite, NamesTheBrowserTriedAndKeepsTheOneFound) {
    Worksheet sheet;
    testing::FakeDialogs dialogs;
    FakeLauncher launcher;
    FakeSeeker seeker;
    launcher.working = {"/usr/bin/firefox"};
    sheet.BrowserPath = "/old/firefox";
    seeker.answer = "/usr/bin/firefox";
    OpenWebSite(sheet, launcher, seeker, dialogs, kMakerWebSite, kMakerWebSite);
    OpenWebSite(sheet, launcher, seeker, dialogs, kMakerWebSite, kMakerWebSite);
    EXPECT_EQ(sheet.BrowserPath, "/usr/bin/firefox");
    EXPECT_EQ(launcher.attempts.size(), 3u);
    EXPECT_EQ(dialogs.messages[1].text,
              "/old/firefox could not be started.  The program will now search for firefox.");

    sheet.BrowserPath.clear();
    seeker.answer = "";
    OpenWebSite(sheet, launcher, seeker, dialogs, kMakerWebSite, kMakerWebSite);
    EXPECT_EQ(launcher.attempts.back(), std::string("xdg-open? ") + kMakerWebSite);
    EXPECT_EQ(dialogs.messages.end()[-2].text,
              "The desktop's web browser (xdg-open) could not be started.  The program will now "
              "search for firefox.");
    EXPECT_TRUE(
        dialogs.messages.back().text.starts_with("We could not locate firefox on your computer.  "
                                                 "Use your normal web browser and visit:\r\r    "));
    EXPECT_EQ(seeker.sought, (std::vector<std::string>{"firefox", "firefox"}));
}

}  // namespace
}  // namespace gyrant
