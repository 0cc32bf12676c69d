#include <gtest/gtest.h>

#include "commands/document_commands.h"
#include "commands/setting_commands.h"
#include "files/gear_list.h"
#include "files/recent_files.h"
#include "files/settings_file.h"
#include "files/window_place.h"
#include "support/sheet_fixture.h"

namespace gyrant {
namespace {

// A run of the wizard on a blank worksheet and the state it says it wrote to its file.
struct WizardRun {
    const char* name;
    bool unsavedWork;
    std::deque<Answer> answers;
    std::deque<std::string> inputs;
    SavedState saved;
    friend void PrintTo(const WizardRun& r, std::ostream* os) { *os << r.name; }
};

class WizardCommandTest : public testing::BlankSheetTest,
                          public ::testing::WithParamInterface<WizardRun> {};

TEST_P(WizardCommandTest, SaysWhichStateItWroteAndHeadsTheRecentFiles) {
    sheet.file.SpecsChanged = GetParam().unsavedWork ? 1 : 0;
    dialogs.answers = GetParam().answers;
    dialogs.inputs = GetParam().inputs;
    dialogs.files = {In("GyrantFiles/Built.qrx")};
    EXPECT_EQ(WizardCommand(
                  sheet, editor, dialogs, [] {}, WizardTarget::SameWorksheet),
              GetParam().saved);
    std::vector<std::string> recent = ReadRecentFiles(RecentFilesPath(sheet));
    EXPECT_EQ(recent.empty(), GetParam().saved == SavedState::None);
}

const std::deque<std::string> kCar = {"3200", "3.73", "2.52", "350", "8", "26"};
INSTANTIATE_TEST_SUITE_P(
    Runs, WizardCommandTest,
    ::testing::Values(
        WizardRun{"SavesTheCarItBuilt", false, {Answer::Yes, Answer::Yes}, kCar, SavedState::End},
        WizardRun{
            "SavesTheWorkBeforeIt", true, {Answer::Yes, Answer::Yes}, {""}, SavedState::Start},
        WizardRun{"SavesNothing", false, {Answer::Yes, Answer::No}, kCar, SavedState::None}),
    [](const auto& run) { return std::string(run.param.name); });

class SettingCommandsTest : public testing::BlankSheetTest {};

TEST_F(SettingCommandsTest, RestartingTheTipsKeepsThemInTheSettings) {
    sheet.setup.TipOff.fill(1);
    KeepSettings(sheet, dialogs);
    RestartTipsCommand(sheet, dialogs);
    Worksheet next;
    next.setup.TipOff.fill(1);
    ReadSettings(next, SettingsPath(sheet));
    for (int tipOff : next.setup.SettingsAsKept.tipOff) EXPECT_EQ(tipOff, 0);
}

// Typed ratios are kept for the next start only when they are good and not blank.
TEST_F(SettingCommandsTest, OnlyGoodTypedRatiosAreKept) {
    ASSERT_TRUE(KeepGearList(sheet, "3.1").ok);
    for (const char* typed : {"", "x", "99"}) {
        static_cast<void>(GearRatiosCommand(sheet, typed));
        EXPECT_EQ(ReadGearList(sheet), "3.1") << typed;
    }
    EXPECT_TRUE(GearRatiosCommand(sheet, "2.52, 1.52").outcome.ok);
    EXPECT_EQ(ReadGearList(sheet), "2.52, 1.52");
}

// Settings that last only while the program runs take no place either: the place kept by an
// earlier run stays.
TEST_F(SettingCommandsTest, TheWindowPlaceIsKeptOnlyWhereTheSettingsAre) {
    const WindowRect kept{150, 300, 11000, 9000};
    KeepWindowPlaceCommand(sheet, kept);
    EXPECT_EQ(ReadWindowPlace(WindowPlacePath(sheet)), kept);
    sheet.setup.SettingsUnkept = "its folder can not be written";
    KeepWindowPlaceCommand(sheet, {0, 0, 9000, 7000});
    EXPECT_EQ(ReadWindowPlace(WindowPlacePath(sheet)), kept);
}

// An input of the run typed in the window: kept trimmed, removed when emptied, refused outside its
// limits; only a change marks the worksheet unsaved.
TEST_F(SettingCommandsTest, ARunEntryKeepsAGoodFigureAndMarksOnlyAChange) {
    const struct {
        const char *name, *text;
        bool ok;
        std::optional<std::string> kept;  // the grip entry after it
        int marked;
    } cases[] = {{"new figure trimmed", " 1.4 ", true, "1.4", 1},
                 {"same figure", "1.2 ", true, "1.2", 0},
                 {"emptied to the default", " ", true, std::nullopt, 1},
                 {"outside its limits", "9", false, "1.2", 0}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        sheet.document.RunEntries["grip"] = "1.2";
        sheet.file.SpecsChanged = 0;
        EXPECT_EQ(SetRunEntryCommand(sheet, "grip", c.text).ok, c.ok);
        auto grip = sheet.document.RunEntries.find("grip");
        bool gone = grip == sheet.document.RunEntries.end();
        EXPECT_EQ(gone ? std::nullopt : std::optional(grip->second), c.kept);
        EXPECT_EQ(sheet.file.SpecsChanged, c.marked);
    }
}

}  // namespace
}  // namespace gyrant
