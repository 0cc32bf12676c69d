#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdlib>

#include "help/file_seek.h"
#include "help/help_pages.h"
#include "help/help_tips.h"
#include "help/outside_programs.h"
#include "help/text_file.h"
#include "support/fake_dialogs.h"
#include "support/program_folder.h"

namespace gyrant {
namespace {

TEST(TextFiles, FlowLinesIntoParagraphsAndEveryHelpPageShips) {
    testing::ProgramFolder folder;
    testing::WriteFileBytes(folder / "GyrantTEXT/page.txt",
                            "Title\r\nfirst\r\njoined\r\n \r\n \r\nnew\r\n  - item\r\nlast\r\n");
    EXPECT_EQ(ReadTextFile(folder.Path(), "page.txt").text, "first joined\r\r new  - item\r last");
    for (int topic = 100; topic <= kStripHelpTopic; topic += 100)
        for (HelpPages pages(folder.Path(), topic);; pages.Next()) {
            EXPECT_FALSE(pages.Title().empty()) << topic << " page " << pages.HelpPage();
            EXPECT_GT(pages.Text().size(), 200u) << topic << " page " << pages.HelpPage();
            if (!pages.NextEnabled()) break;
        }
}

TEST(HelpTips, ShowTheTipsSwitchedOnInTheirOrderNamingRealButtons) {
    testing::ProgramFolder folder;
    Worksheet sheet;
    sheet.setup.ProgramFolder = folder.Path();
    EXPECT_EQ(TipsToShow(sheet), (std::vector<int>{1, 0, 2, 3}));
    CloseTip(sheet, 1, true);
    CloseTip(sheet, 7, true);
    EXPECT_EQ(TipsToShow(sheet), (std::vector<int>{2, 3}));
    EXPECT_NE(TipFor(1).text.find("clicking on the 'Keep Change' button"), std::string::npos);
    EXPECT_TRUE(TipFor(3).text.ends_with("then select 'Help on Gyrant'."));
}

// Only the programs named start; each attempt is kept, "?" marking one whose exit status counts.
// A search finds the name in the folder given.
struct FakeLauncher : Launcher, FileSeeker {
    bool Start(const std::vector<std::string>& command, bool exitStatusCounts) override {
        attempts.push_back(command.front() + (exitStatusCounts ? "? " : " ") + command.back());
        return std::ranges::find(working, command.front()) != working.end();
    }
    void ShowText(const std::string& name, const std::string& text) override {
        shownName = name;
        shownText = text;
    }
    std::string Seek(const std::string& name) override {
        return folder.empty() ? "" : folder + name;
    }
    std::vector<std::string> working, attempts;
    std::string shownName, shownText, folder = "/usr/bin/";
};

// A document goes to the first viewer that starts, the opener's exit status counting; one that no
// viewer shows is shown by Gyrant itself, and only one it cannot read gets the message.
TEST(OpenInViewer, TriesEachViewerThenShowsTheTextItself) {
    testing::ProgramFolder folder;
    const std::string readme = (folder / "Readme.doc").string();
    for (const auto& [working, path, lastAttempt, shown, said] :
         std::vector<std::array<std::string, 5>>{
             {"gedit", readme, "gedit " + readme, "", "When you are finished viewing the Readme"},
             {"", readme, "leafpad " + readme, "GYRANT - READ ME\r\n", "When you are finished"},
             {"", "/x/Student/a.doc", "leafpad /x/Student/a.txt", "", "An appropriate viewer"}}) {
        SCOPED_TRACE(path);
        testing::FakeDialogs dialogs;
        FakeLauncher launcher;
        launcher.working = {working};
        OpenInViewer(launcher, dialogs, path, "Readme.doc");
        EXPECT_EQ(launcher.attempts.at(0),
                  "xdg-open? " + lastAttempt.substr(lastAttempt.find(' ') + 1));
        EXPECT_EQ(launcher.attempts.back(), lastAttempt);
        EXPECT_EQ(launcher.shownName, shown.empty() ? "" : "Readme.doc");
        EXPECT_TRUE(launcher.shownText.starts_with(shown)) << launcher.shownText;
        EXPECT_TRUE(dialogs.messages.back().text.starts_with(said)) << dialogs.messages.back().text;
    }
}

TEST(OpenWebSite, NamesTheBrowserTriedAndKeepsTheOneFound) {
    Worksheet sheet;
    testing::FakeDialogs dialogs;
    FakeLauncher launcher;
    launcher.working = {"/usr/bin/firefox"};
    sheet.setup.BrowserPath = "/old/firefox";
    for (int visit = 0; visit < 2; ++visit)
        OpenWebSite(sheet, launcher, launcher, dialogs, kMakerWebSite, kMakerWebSite);
    EXPECT_EQ(sheet.setup.BrowserPath, "/usr/bin/firefox");
    sheet.setup.BrowserPath = launcher.folder = "";
    OpenWebSite(sheet, launcher, launcher, dialogs, kMakerWebSite, kMakerWebSite);
    EXPECT_EQ(launcher.attempts.back(), std::string("xdg-open? ") + kMakerWebSite);
    for (auto [at, said] :
         {std::pair{1u, "/old/firefox could not be started.  The program will now search"},
          {4u, "The desktop's web browser (xdg-open) could not be started."},
          {5u, "We could not locate firefox on your computer.  Use your normal"}})
        EXPECT_TRUE(dialogs.messages.at(at).text.starts_with(said)) << dialogs.messages[at].text;
    EXPECT_TRUE(dialogs.messages[4].text.ends_with("will now search for firefox."));
}

// The walk goes from the last folder to the first, deepest first; it passes folders it cannot
// read and links that lead back, lists names other than programs only beside spec files, and
// halts when asked, keeping what it found.
TEST(SeekFile, WalksEveryFolderOnceAndHaltsWhenAsked) {
    testing::ProgramFolder folder;
    const std::string root = (folder / "disk").string();
    const std::string make =
        "mkdir -p a/deep b c/specs c/other locked && touch a/deep/firefox b/firefox"
        " c/specs/car.QRX c/specs/Firefox c/other/firefox && ln -s .. b/loop && chmod 0 locked";
    ASSERT_EQ(std::system(("mkdir " + root + " && cd " + root + " && " + make).c_str()), 0);
    using Paths = std::vector<std::string>;
    for (auto [name, anyFolder, haltAfter, found] :
         {std::tuple{"FIREFOX", true, 99,
                     Paths{"c/specs/Firefox", "c/other/firefox", "b/firefox", "a/deep/firefox"}},
          {"firefox", false, 99, Paths{"c/specs/Firefox"}},
          {"firefox", true, 5, Paths{"c/specs/Firefox", "c/other/firefox"}}}) {
        SeekResult result =
            SeekFile(LocalFolderReader(), root, name, anyFolder,
                     [=](int folders, const auto&) { return folders <= haltAfter; });
        EXPECT_EQ(result.halted, haltAfter < 99) << name;
        for (std::string& path : result.found) path.erase(0, root.size() + 1);
        EXPECT_EQ(result.found, found) << name;
    }
    EXPECT_EQ(JoinSeekPath("/", "firefox"), "/firefox");
}

// What the window does once a drive is searched: none found is said, one is taken, of several
// one is picked, and after a halt even the only copy waits for "Use".
TEST(NextSeekStep, FollowsWhatWasFound) {
    const std::tuple<const char*, SeekResult, SeekStep::Kind, const char*> outcomes[] = {
        {"none found", {}, SeekStep::SayNotFound, "This file was not found on the / "},
        {"one found", {{"/a"}}, SeekStep::TakeOnlyCopy, "/a"},
        {"one found, then halted", {{"/a"}, 3, true}, SeekStep::LetUserPick, "Double click"},
        {"none found, then halted", {{}, 3, true}, SeekStep::SayNotFound, "This file"},
        {"several found",
         {{"/a", "/b/a"}},
         SeekStep::LetUserPick,
         "Double click (or single click and click on 'Use') on the occurance of a "}};
    for (const auto& [name, result, next, textStart] : outcomes) {
        SeekStep step = NextSeekStep(result, "/", "a");
        EXPECT_EQ(step.kind, next) << name;
        EXPECT_TRUE(step.text.starts_with(textStart)) << name << ": " << step.text;
    }
}

}  // namespace
}  // namespace gyrant
