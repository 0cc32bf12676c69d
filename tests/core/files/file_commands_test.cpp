#include "files/file_commands.h"

#include <gtest/gtest.h>

#include <sys/resource.h>

#include <csignal>

#include "files/display_name.h"
#include "files/settings_file.h"
#include "files/spec_file.h"
#include "model/setup_tables.h"
#include "support/fake_dialogs.h"
#include "support/program_folder.h"

namespace gyrant {
namespace {

using testing::ReadFileBytes;
using testing::WriteFileBytes;

class FileCommandsTest : public ::testing::Test {
protected:
    FileCommandsTest() {
        sheet.ProgramFolder = folder.Path();
        EXPECT_TRUE(SetupTables(sheet).ok);
    }
    std::string Example() { return (folder / "GyrantFiles" / "V8 Street Car.qrx").string(); }
    std::string InFolder(const std::string& name) { return (folder / name).string(); }

    testing::ProgramFolder folder;
    Worksheet sheet;
    testing::FakeDialogs dialogs;
    RowEditor editor{sheet, dialogs};
};

TEST_F(FileCommandsTest, OpenReadsRecalculatesAndShowsTheBaselineFirstRow) {
    sheet.SpecsChanged = 1;
    dialogs.files = {Example()};
    OpenSpecFile(sheet, editor, dialogs);
    ASSERT_EQ(dialogs.choosersShown.size(), 1u);
    const FileChooser& chooser = dialogs.choosersShown[0];
    EXPECT_EQ(chooser.title, "Open a File");
    EXPECT_EQ(chooser.filter, "All Files (*.*)|*.*");
    EXPECT_EQ(chooser.folder, DefaultSpecFolder(sheet));
    EXPECT_EQ(chooser.proposedName, "Untitled");
    EXPECT_TRUE(chooser.mustExist);
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_EQ(sheet.DisplayName, "V8 Street Car.qrx");
    EXPECT_EQ(WindowTitle(sheet), "Vevizadu Gyrant - Torvane Inc.   [ V8 Street Car.qrx ]");
    EXPECT_EQ(sheet.SpecsChanged, 0);
    EXPECT_EQ(sheet.TwoVehicles, 1);
    EXPECT_EQ(sheet.Table(kBaseline).Text(31, kColEqWt), "4117.48");
    EXPECT_EQ(sheet.CurrentTable, kBaseline);
    EXPECT_EQ(editor.Strip().Field(kColValue).text, "3700");
}

TEST_F(FileCommandsTest, OpenOfABadFileSaysSoAndKeepsTheWorksheet) {
    dialogs.files = {Example()};
    OpenSpecFile(sheet, editor, dialogs);
    WriteFileBytes(folder / "notes.txt", "shopping list");
    sheet.SpecsChanged = 1;
    dialogs.files = {InFolder("notes.txt")};
    OpenSpecFile(sheet, editor, dialogs);
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text, "This is not an Vevizadu Gyrant file and can not be used.");
    EXPECT_EQ(dialogs.messages[0].title, "Bad File");
    EXPECT_EQ(dialogs.messages[0].buttons, Buttons::Ok);
    EXPECT_EQ(sheet.DisplayName, "V8 Street Car.qrx");
    EXPECT_EQ(sheet.SpecsChanged, 1);
    EXPECT_EQ(sheet.Table(kBaseline).Text(1, kColValue), "3700");
    EXPECT_EQ(dialogs.choosersShown[1].proposedName, "V8 Street Car.qrx");

    dialogs.files = {folder.Path().string()};
    OpenSpecFile(sheet, editor, dialogs);
    EXPECT_EQ(dialogs.messages.back().title, "Bad File");
    dialogs.files = {std::nullopt};
    OpenSpecFile(sheet, editor, dialogs);
    EXPECT_EQ(dialogs.messages.size(), 2u);
}

TEST_F(FileCommandsTest, SaveOfANewWorksheetAsksForANameAndACancelWritesNothing) {
    sheet.SpecsChanged = 1;
    EXPECT_FALSE(SaveSpecFile(sheet, dialogs));
    ASSERT_EQ(dialogs.choosersShown.size(), 1u);
    EXPECT_EQ(dialogs.choosersShown[0].title, "Save a File");
    EXPECT_TRUE(dialogs.choosersShown[0].confirmReplace);
    EXPECT_EQ(sheet.CurrentFilePath, "Untitled");
    EXPECT_EQ(sheet.SpecsChanged, 1);

    dialogs.files = {InFolder("GyrantFiles/Race/Car.qrx")};
    std::filesystem::create_directory(folder / "GyrantFiles" / "Race");
    EXPECT_TRUE(SaveSpecFile(sheet, dialogs));
    EXPECT_EQ(sheet.DisplayName, "Race/Car.qrx");
    EXPECT_EQ(sheet.SpecsChanged, 0);

    sheet.SpecsChanged = 1;
    sheet.Table(kBaseline).SetText(1, kColValue, "2900");
    EXPECT_TRUE(SaveSpecFile(sheet, dialogs));
    EXPECT_EQ(dialogs.choosersShown.size(), 2u);
    EXPECT_NE(ReadFileBytes(folder / "GyrantFiles/Race/Car.qrx").find("\r\n2900\r\n"), std::string::npos);
}

TEST_F(FileCommandsTest, SaveAsCutsALongNameToFortyCharacters) {
    std::string name(45, 'n');
    dialogs.files = {InFolder(name)};
    EXPECT_TRUE(SaveSpecFileAs(sheet, dialogs));
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text, "File Name shortened to first 40 characters:\r\r    " + name.substr(0, 40));
    EXPECT_TRUE(std::filesystem::exists(folder / name.substr(0, 40)));
    EXPECT_FALSE(std::filesystem::exists(folder / name));
}

TEST_F(FileCommandsTest, AFullDiskKeepsTheOldFileWhole) {
    std::string path = InFolder("kept.qrx");
    WriteFileBytes(path, "the old worksheet");
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit old{};
    getrlimit(RLIMIT_FSIZE, &old);
    rlimit small = old;
    small.rlim_cur = 1000;
    setrlimit(RLIMIT_FSIZE, &small);
    dialogs.files = {path};
    bool saved = SaveSpecFileAs(sheet, dialogs);
    setrlimit(RLIMIT_FSIZE, &old);
    EXPECT_FALSE(saved);
    EXPECT_EQ(ReadFileBytes(path), "the old worksheet");
    EXPECT_FALSE(std::filesystem::exists(path + ".saving"));
}

TEST_F(FileCommandsTest, ExitAsksOnlyAboutUnsavedWork) {
    EXPECT_TRUE(ExitProgram(sheet, dialogs));
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_TRUE(std::filesystem::exists(SettingsPath(sheet)));
    std::filesystem::remove(SettingsPath(sheet));

    sheet.SpecsChanged = 1;
    dialogs.answers = {Answer::Cancel};
    EXPECT_FALSE(ExitProgram(sheet, dialogs));
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text,
              "Save these specs to a file?\r\rIf you say No, any changes you have made will not be saved.");
    EXPECT_EQ(dialogs.messages[0].title, "Save Changes?");
    EXPECT_EQ(dialogs.messages[0].buttons, Buttons::YesNoCancel);
    EXPECT_EQ(dialogs.messages[0].icon, Icon::Question);
    EXPECT_FALSE(std::filesystem::exists(SettingsPath(sheet)));

    dialogs.answers = {Answer::No};
    EXPECT_TRUE(ExitProgram(sheet, dialogs));
    EXPECT_TRUE(std::filesystem::exists(SettingsPath(sheet)));
}

TEST_F(FileCommandsTest, ExitAfterYesEndsOnlyWhenTheSpecsWereSaved) {
    sheet.SpecsChanged = 1;
    sheet.CurrentFilePath = InFolder("named.qrx");
    dialogs.answers = {Answer::Yes};
    EXPECT_FALSE(ExitProgram(sheet, dialogs));
    EXPECT_EQ(dialogs.choosersShown.size(), 1u);

    dialogs.answers = {Answer::Yes};
    dialogs.files = {InFolder("saved.qrx")};
    EXPECT_TRUE(ExitProgram(sheet, dialogs));
    EXPECT_TRUE(std::filesystem::exists(folder / "saved.qrx"));
}

TEST_F(FileCommandsTest, KeptCommentsCountAsAChangeOnlyWhenDifferent) {
    KeepComments(sheet, "");
    EXPECT_EQ(sheet.SpecsChanged, 0);
    KeepComments(sheet, "new tires\r\n");
    EXPECT_EQ(sheet.SpecsChanged, 1);
    EXPECT_EQ(sheet.FileComments, "new tires\r\n");
}

}  // namespace
}  // namespace gyrant
