#include "files/file_commands.h"

#include <gtest/gtest.h>
#include <sys/resource.h>

#include <csignal>

#include "files/display_name.h"
#include "files/settings_file.h"
#include "model/setup_tables.h"
#include "support/fake_dialogs.h"
#include "support/program_folder.h"

namespace gyrant {
namespace {

namespace fs = std::filesystem;
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
    const std::string& Weight() { return sheet.Table(kBaseline).Text(1, kColValue); }

    testing::ProgramFolder folder;
    Worksheet sheet;
    testing::FakeDialogs dialogs;
    RowEditor editor{sheet, dialogs};
};

TEST_F(FileCommandsTest, OpenReadsRecalculatesAndShowsTheBaselineFirstRow) {
    dialogs.files = {Example()};
    OpenSpecFile(sheet, editor, dialogs);
    const FileChooser& chooser = dialogs.choosersShown.at(0);
    EXPECT_EQ(chooser.title, "Open a File");
    EXPECT_EQ(chooser.filter, "All Files (*.*)|*.*");
    EXPECT_EQ(chooser.folder, DefaultSpecFolder(sheet));
    EXPECT_EQ(chooser.proposedName, "Untitled");
    EXPECT_TRUE(chooser.mustExist);
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_EQ(WindowTitle(sheet), "Vevizadu Gyrant - Torvane Inc.   [ V8 Street Car.qrx ]");
    EXPECT_EQ(sheet.TwoVehicles, 1);
    EXPECT_EQ(sheet.Table(kBaseline).Text(31, kColEqWt), "4117.48");
    EXPECT_EQ(editor.Strip().Field(kColValue).text, "3700");

    WriteFileBytes(folder / "notes.txt", "shopping list");
    for (const std::string& bad : {InFolder("notes.txt"), folder.Path().string()}) {
        dialogs.files = {bad};
        OpenSpecFile(sheet, editor, dialogs);
        EXPECT_EQ(dialogs.messages.back().title, "Bad File");
        EXPECT_EQ(sheet.DisplayName, "V8 Street Car.qrx");
        EXPECT_EQ(Weight(), "3700");
    }
    EXPECT_EQ(dialogs.messages.at(0).text,
              "This is not an Vevizadu Gyrant file and can not be used.");
    EXPECT_EQ(dialogs.choosersShown[1].proposedName, "V8 Street Car.qrx");
}

// Open over unsaved changes asks Exit's question; Yes saves (Save As when untitled).
struct OpenOverChanges {
    const char* name;
    std::vector<Answer> answers;
    const char* currentFile;                  // "Untitled", or a file in the program folder
    std::optional<std::string> saveAsChoice;  // a file in the program folder
    bool opened;
    const char* savedFile;  // written by the Yes, or nothing
};

class OpenOverChangesTest : public FileCommandsTest,
                            public ::testing::WithParamInterface<OpenOverChanges> {};

TEST_P(OpenOverChangesTest, OpensOnlyWhenTheChangesAreSavedOrGivenUp) {
    const OpenOverChanges& c = GetParam();
    sheet.Table(kBaseline).SetText(1, kColValue, "2900");
    sheet.SpecsChanged = 1;
    if (std::string(c.currentFile) != "Untitled") sheet.CurrentFilePath = InFolder(c.currentFile);
    fs::create_directory(folder / "a folder");
    dialogs.answers.assign(c.answers.begin(), c.answers.end());
    if (c.saveAsChoice)
        dialogs.files.push_back(InFolder(*c.saveAsChoice));
    else if (c.answers[0] == Answer::Yes && std::string(c.currentFile) == "Untitled")
        dialogs.files.push_back(std::nullopt);
    dialogs.files.push_back(Example());
    OpenSpecFile(sheet, editor, dialogs);

    EXPECT_EQ(dialogs.messages.at(0).title, "Save Changes?");
    EXPECT_EQ(dialogs.messages[0].buttons, Buttons::YesNoCancel);
    EXPECT_EQ(Weight(), c.opened ? "3700" : "2900");
    EXPECT_EQ(sheet.SpecsChanged, c.opened ? 0 : 1);
    if (c.savedFile)
        EXPECT_NE(ReadFileBytes(folder / c.savedFile).find("\r\n2900\r\n"), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(
    Answers, OpenOverChangesTest,
    ::testing::Values(
        OpenOverChanges{"Cancel", {Answer::Cancel}, "Untitled", std::nullopt, false, nullptr},
        OpenOverChanges{"No", {Answer::No}, "Untitled", std::nullopt, true, nullptr},
        OpenOverChanges{
            "YesSavesTheNamedFile", {Answer::Yes}, "named.qrx", std::nullopt, true, "named.qrx"},
        OpenOverChanges{
            "YesSavesAsWhenUntitled", {Answer::Yes}, "Untitled", "new.qrx", true, "new.qrx"},
        OpenOverChanges{
            "YesThenCancelledSaveAs", {Answer::Yes}, "Untitled", std::nullopt, false, nullptr},
        OpenOverChanges{"YesThenFailedSave",
                        {Answer::Yes, Answer::Ok},
                        "a folder",
                        std::nullopt,
                        false,
                        nullptr}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(FileCommandsTest, SaveOfANewWorksheetAsksForANameAndACancelWritesNothing) {
    sheet.SpecsChanged = 1;
    EXPECT_FALSE(SaveSpecFile(sheet, dialogs));
    EXPECT_EQ(dialogs.choosersShown.at(0).title, "Save a File");
    EXPECT_TRUE(dialogs.choosersShown[0].confirmReplace);
    EXPECT_EQ(sheet.CurrentFilePath, "Untitled");
    EXPECT_EQ(sheet.SpecsChanged, 1);

    dialogs.files = {InFolder("GyrantFiles/Race/Car.qrx")};
    fs::create_directory(folder / "GyrantFiles" / "Race");
    EXPECT_TRUE(SaveSpecFile(sheet, dialogs));
    EXPECT_EQ(sheet.DisplayName, "Race/Car.qrx");
    EXPECT_EQ(sheet.SpecsChanged, 0);
    sheet.Table(kBaseline).SetText(1, kColValue, "2900");
    EXPECT_TRUE(SaveSpecFile(sheet, dialogs));
    EXPECT_EQ(dialogs.choosersShown.size(), 2u);
    EXPECT_NE(ReadFileBytes(folder / "GyrantFiles/Race/Car.qrx").find("\r\n2900\r\n"),
              std::string::npos);
}

// A name longer than 40 characters (not bytes) is cut, and the cut name replaces a file only
// when the user says so.
struct LongName {
    const char* name;
    std::string chosen, cut;
    bool cutExists;
    Answer replace;
    bool written;
};

class LongNameTest : public FileCommandsTest, public ::testing::WithParamInterface<LongName> {};

TEST_P(LongNameTest, IsCutToFortyCharactersAndAsksBeforeReplacing) {
    const LongName& c = GetParam();
    if (c.cutExists) WriteFileBytes(folder / c.cut, "kept");
    dialogs.answers = {Answer::Ok, c.replace};
    dialogs.files = {InFolder(c.chosen)};
    EXPECT_EQ(SaveSpecFileAs(sheet, dialogs), c.written);
    EXPECT_EQ(dialogs.messages.at(0).text,
              "File Name shortened to first 40 characters:\r\r    " + c.cut);
    EXPECT_EQ(dialogs.messages.size(), c.cutExists ? 2u : 1u);
    if (c.cutExists)
        EXPECT_EQ(dialogs.messages[1].text, c.cut + " already exists.\rDo you want to replace it?");
    EXPECT_EQ(ReadFileBytes(folder / c.cut) == "kept", !c.written);
    EXPECT_EQ(sheet.DisplayName, c.written ? c.cut : "Untitled");
    EXPECT_FALSE(fs::exists(folder / c.chosen));
}

std::string Repeat(const std::string& text, int times) {
    std::string all;
    for (int i = 0; i < times; ++i) all += text;
    return all;
}

INSTANTIATE_TEST_SUITE_P(
    Names, LongNameTest,
    ::testing::Values(LongName{"Ascii", std::string(45, 'n'), std::string(40, 'n'), false,
                               Answer::Yes, true},
                      LongName{"TwoByteCharacters", Repeat("\xC3\xA9", 45), Repeat("\xC3\xA9", 40),
                               false, Answer::Yes, true},
                      LongName{"ThreeByteCharacters", "x" + Repeat("\xE2\x82\xAC", 44),
                               "x" + Repeat("\xE2\x82\xAC", 39), false, Answer::Yes, true},
                      LongName{"ExistingKept", std::string(45, 'n'), std::string(40, 'n'), true,
                               Answer::No, false},
                      LongName{"ExistingReplaced", std::string(45, 'n'), std::string(40, 'n'), true,
                               Answer::Yes, true}),
    [](const auto& info) { return std::string(info.param.name); });

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
    for (const fs::directory_entry& entry : fs::directory_iterator(folder.Path()))
        EXPECT_TRUE(entry.path() == path ||
                    entry.path().filename().string().find("kept") == std::string::npos);
}

TEST_F(FileCommandsTest, ExitAsksAboutUnsavedWorkAndEndsOnlyWhenItIsSavedOrGivenUp) {
    EXPECT_TRUE(ExitProgram(sheet, editor, dialogs));
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_TRUE(fs::exists(SettingsPath(sheet)));
    fs::remove(SettingsPath(sheet));

    sheet.SpecsChanged = 1;
    sheet.CurrentFilePath = InFolder("named.qrx");
    // Cancel; Yes with a cancelled Save As (also for a named worksheet); Yes and saved; No.
    dialogs.answers = {Answer::Cancel, Answer::Yes, Answer::Yes, Answer::No};
    dialogs.files = {std::nullopt, InFolder("saved.qrx")};
    EXPECT_FALSE(ExitProgram(sheet, editor, dialogs));
    EXPECT_EQ(dialogs.messages[0].text,
              "Save these specs to a file?\r\rIf you say No, any changes you have made will not be "
              "saved.");
    EXPECT_EQ(dialogs.messages[0].icon, Icon::Question);
    EXPECT_FALSE(ExitProgram(sheet, editor, dialogs));
    EXPECT_FALSE(fs::exists(SettingsPath(sheet)));
    EXPECT_TRUE(ExitProgram(sheet, editor, dialogs));
    EXPECT_TRUE(fs::exists(folder / "saved.qrx"));
    sheet.SpecsChanged = 1;
    EXPECT_TRUE(ExitProgram(sheet, editor, dialogs));
    EXPECT_EQ(dialogs.choosersShown.size(), 2u);
    EXPECT_TRUE(fs::exists(SettingsPath(sheet)));
}

TEST_F(FileCommandsTest, KeptCommentsCountAsAChangeOnlyWhenDifferent) {
    KeepComments(sheet, "");
    EXPECT_EQ(sheet.SpecsChanged, 0);
    KeepComments(sheet, "new tires\r\n");
    EXPECT_EQ(sheet.SpecsChanged, 1);
    EXPECT_EQ(sheet.FileComments, "new tires\r\n");
}

TEST(MakeDisplayName, ShowsThePathBelowTheSpecFolderElseTheBareNameAsSpelt) {
    const std::pair<const char*, const char*> cases[] = {
        {"/opt/Gyrant/GyrantFiles/Race/Car.qrx", "Race/Car.qrx"},
        {"/OPT/gyrant/gyrantfiles/Car.QRX", "Car.QRX"},
        {"/opt/Gyrant/GyrantFiles/Caf\xC3\xA9.qrx", "Caf\xC3\xA9.qrx"},
        {"/home/racer/Car.qrx", "Car.qrx"},
        {"C:\\Specs\\Car.qrx", "Car.qrx"},
        {"/opt/Gyrant/GyrantFilesOld/Car.qrx", "Car.qrx"},
        {"Untitled", "Untitled"}};
    for (auto [path, shown] : cases) {
        Worksheet sheet;
        sheet.ProgramFolder = "/opt/Gyrant";
        sheet.CurrentFilePath = path;
        MakeDisplayName(sheet);
        EXPECT_EQ(sheet.DisplayName, shown) << path;
    }
}

}  // namespace
}  // namespace gyrant
