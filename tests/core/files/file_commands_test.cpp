#include "files/file_commands.h"

#include <gtest/gtest.h>

#include <chrono>

#include "files/display_name.h"
#include "files/settings_file.h"
#include "support/sheet_fixture.h"
#include "text/windows1252.h"

namespace gyrant {
namespace {

namespace fs = std::filesystem;
using testing::ReadFileBytes;
using testing::WriteFileBytes;

class FileCommandsTest : public testing::SheetTest {
  protected:
    std::string Example() { return In("GyrantFiles/V8 Street Car.qrx"); }
    const std::string& Weight() { return Baseline().Text(1, kColValue); }
    bool Holds2900(const std::string& name) {
        return ReadFileBytes(folder / name).find("\r\n2900\r\n") != std::string::npos;
    }
};

TEST_F(FileCommandsTest, OpenReadsRecalculatesShowsRowOneAndOpenOrExitKeepUnsavedWorkSafe) {
    dialogs.files = {Example()};
    EXPECT_TRUE(OpenSpecFile(sheet, editor, dialogs));
    const FileChooser& chooser = dialogs.choosersShown.at(0);
    EXPECT_EQ(chooser.title, "Open a File");
    EXPECT_EQ(chooser.proposedName, "Untitled");
    EXPECT_EQ(chooser.folder, DefaultSpecFolder(sheet));
    EXPECT_TRUE(chooser.mustExist);
    EXPECT_EQ(WindowTitle(sheet), "Vevizadu Gyrant - Torvane Inc.   [ V8 Street Car.qrx ]");
    EXPECT_EQ(Baseline().Text(31, kColEqWt), "4117.48");
    EXPECT_EQ(editor.Strip().Field(kColValue).text, "3700");  // row one

    WriteFileBytes(folder / "notes.txt", "shopping list");
    for (const std::string& bad : {In("notes.txt"), folder.Path().string()}) {
        dialogs.files = {bad};
        EXPECT_FALSE(OpenSpecFile(sheet, editor, dialogs));
        EXPECT_EQ(dialogs.messages.back().title, "Bad File");
        EXPECT_EQ(sheet.file.DisplayName, "V8 Street Car.qrx");
        EXPECT_EQ(Weight(), "3700");
    }
    EXPECT_EQ(dialogs.messages.at(0).text,
              "This is not an Vevizadu Gyrant file and can not be used.");
    EXPECT_EQ(dialogs.choosersShown.at(1).proposedName, "V8 Street Car.qrx");
    // Exit saves through Save As, a named worksheet too, and keeps the settings when it ends. Each
    // case: Exit or Open, the answer, the worksheet's file ("Untitled" when it has none), what Save
    // As is given ("" for Cancel), the Baseline weight afterwards, SpecsChanged, whether the
    // command goes on, and the file the Yes wrote ("" for none).
    fs::create_directory(folder / "a folder");
    struct {
        bool exit;
        Answer answer;
        const char *file, *saveAs, *weight;
        int unsaved;
        bool goesOn;
        const char* saved;
    } cases[] = {{false, Answer::Cancel, "Untitled", "", "2900", 1, false, ""},
                 {false, Answer::No, "Untitled", "", "3700", 0, true, ""},
                 {false, Answer::Yes, "named.qrx", "", "3700", 0, true, "named.qrx"},
                 {false, Answer::Yes, "Untitled", "new.qrx", "3700", 0, true, "new.qrx"},
                 {false, Answer::Yes, "Untitled", "", "2900", 1, false, ""},
                 {false, Answer::Yes, "a folder", "", "2900", 1, false, ""},
                 {true, Answer::Cancel, "named.qrx", "", "2900", 1, false, ""},
                 {true, Answer::Yes, "named.qrx", "", "2900", 1, false, ""},
                 {true, Answer::Yes, "named.qrx", "saved.qrx", "2900", 0, true, "saved.qrx"},
                 {true, Answer::No, "named.qrx", "", "2900", 1, true, ""}};
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.exit ? "Exit " : "Open ") + c.file + " " + c.saveAs);
        Baseline().SetText(1, kColValue, "2900");
        sheet.file.SpecsChanged = 1;
        sheet.file.CurrentFilePath = c.file == std::string("Untitled") ? c.file : In(c.file);
        fs::remove(SettingsPath(sheet));
        dialogs = {};
        dialogs.answers = {c.answer};
        if (c.answer == Answer::Yes && (c.exit || sheet.file.CurrentFilePath == "Untitled"))
            dialogs.files.push_back(*c.saveAs ? std::optional(In(c.saveAs)) : std::nullopt);
        dialogs.files.push_back(Example());
        EXPECT_EQ(
            c.exit ? ExitProgram(sheet, editor, dialogs) : OpenSpecFile(sheet, editor, dialogs),
            c.goesOn);
        const Message& asked = dialogs.messages.at(0);
        EXPECT_EQ(asked.title, "Save Changes?");
        EXPECT_EQ(asked.text,
                  "Save these specs to a file?\r\rIf you say No, any changes you have made will "
                  "not be saved.");
        EXPECT_EQ(asked.buttons, Buttons::YesNoCancel);
        EXPECT_EQ(Weight(), c.weight);
        EXPECT_EQ(sheet.file.SpecsChanged, c.unsaved);
        EXPECT_TRUE(!*c.saved || Holds2900(c.saved));
        EXPECT_EQ(fs::exists(SettingsPath(sheet)), c.exit && c.goesOn);
    }
}

std::string Times(int count, const std::string& text) {
    return count > 0 ? text + Times(count - 1, text) : "";
}

// A name is cut to 40 characters (not bytes); the cut name replaces a file only after a Yes.
TEST_F(FileCommandsTest, SaveAsksANewWorksheetForANameAndCutsALongOneToFortyCharacters) {
    sheet.file.SpecsChanged = 1;
    EXPECT_FALSE(SaveSpecFile(sheet, dialogs));
    EXPECT_EQ(dialogs.choosersShown.at(0).title, "Save a File");
    EXPECT_TRUE(dialogs.choosersShown[0].confirmReplace);
    fs::create_directory(folder / "GyrantFiles" / "Race");
    dialogs.files = {In("GyrantFiles/Race/Car.qrx")};
    EXPECT_TRUE(SaveSpecFile(sheet, dialogs));
    EXPECT_EQ(sheet.file.DisplayName, "Race/Car.qrx");
    EXPECT_EQ(sheet.file.SpecsChanged, 0);
    Baseline().SetText(1, kColValue, "2900");
    EXPECT_TRUE(SaveSpecFile(sheet, dialogs));
    EXPECT_TRUE(Holds2900("GyrantFiles/Race/Car.qrx"));
    EXPECT_EQ(dialogs.choosersShown.size(), 2u);
    struct {
        std::string chosen, cut;
        Answer replace;  // Ok: no file of the cut name
    } cases[] = {{Times(45, "n"), Times(40, "n"), Answer::Ok},
                 {Times(45, "\xC3\xA9"), Times(40, "\xC3\xA9"), Answer::Ok},
                 {"x" + Times(44, "\xE2\x82\xAC"), "x" + Times(39, "\xE2\x82\xAC"), Answer::Ok},
                 {Times(46, "m"), Times(40, "m"), Answer::No},
                 {Times(47, "m"), Times(40, "m"), Answer::Yes}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.chosen);
        if (c.replace != Answer::Ok) WriteFileBytes(folder / c.cut, "kept");
        dialogs = {};
        dialogs.answers = {Answer::Ok, c.replace};
        dialogs.files = {In(c.chosen)};
        EXPECT_EQ(SaveSpecFileAs(sheet, dialogs), c.replace != Answer::No);
        EXPECT_EQ(dialogs.messages.at(0).text,
                  "File Name shortened to first 40 characters:\r\r    " + FileNameText(c.cut));
        if (c.replace != Answer::Ok) {
            EXPECT_EQ(dialogs.messages.at(1).text,
                      FileNameText(c.cut) + " already exists.\rDo you want to replace it?");
        }
        EXPECT_EQ(ReadFileBytes(folder / c.cut) == "kept", c.replace == Answer::No);
        EXPECT_FALSE(fs::exists(folder / c.chosen));
    }
}

// What another program did to car.qrx after the worksheet was saved there.
void ChangeOnDisk(const std::string& change, const fs::path& file) {
    if (change == "deleted") fs::remove(file);
    if (change == "grown") WriteFileBytes(file, ReadFileBytes(file) + "theirs");
    if (change == "touched 1 ns later")
        fs::last_write_time(file, fs::last_write_time(file) + std::chrono::nanoseconds(1));
    if (change == "replaced by a copy") {
        fs::copy_file(file, file.string() + ".copy");
        fs::rename(file.string() + ".copy", file);
    }
}

TEST_F(FileCommandsTest, SaveAsksBeforeReplacingAFileAnotherProgramChanged) {
    struct {
        const char* change;
        Answer answer;
        bool asked, saved;
        const char* savedTo;  // the file holding the worksheet afterwards, "" for none
    } cases[] = {{"nothing", Answer::Cancel, false, true, "car.qrx"},
                 {"deleted", Answer::Cancel, false, true, "car.qrx"},
                 {"grown", Answer::Cancel, true, false, ""},
                 {"touched 1 ns later", Answer::Replace, true, true, "car.qrx"},
                 {"replaced by a copy", Answer::SaveAs, true, true, "other.qrx"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.change);
        Baseline().SetText(1, kColValue, "3700");
        dialogs.files = {In("car.qrx")};
        ASSERT_TRUE(SaveSpecFileAs(sheet, dialogs));
        fs::remove(folder / "other.qrx");
        ChangeOnDisk(c.change, folder / "car.qrx");
        Baseline().SetText(1, kColValue, "2900");
        sheet.file.SpecsChanged = 1;
        dialogs = {};
        dialogs.answers = {c.answer};
        dialogs.files = {In("other.qrx")};
        EXPECT_EQ(SaveSpecFile(sheet, dialogs), c.saved);
        EXPECT_EQ(dialogs.messages.size(), c.asked ? 1u : 0u);
        EXPECT_EQ(sheet.file.SpecsChanged, c.saved ? 0 : 1);
        EXPECT_EQ(sheet.file.CurrentFilePath, In(*c.savedTo ? c.savedTo : "car.qrx"));
        EXPECT_EQ(Holds2900("car.qrx"), c.savedTo == std::string("car.qrx"));
        EXPECT_EQ(fs::exists(folder / "other.qrx"), c.savedTo == std::string("other.qrx"));
    }
    const Message& asked = dialogs.messages.at(0);
    EXPECT_EQ(asked.text,
              "car.qrx was changed by another program since you opened it.\rReplace it with your "
              "worksheet?");
    EXPECT_EQ(asked.buttons, Buttons::ReplaceSaveAsCancel);
    EXPECT_EQ(asked.defaultButton, Answer::Cancel);
}

TEST(MakeDisplayName, ShowsThePathBelowTheSpecFolderElseTheBareNameAsSpelt) {
    for (auto [path, shown] : {std::pair{"/OPT/gyrant/gyrantfiles/Car.QRX", "Car.QRX"},
                               {"/opt/Gyrant/GyrantFiles/Caf\xC3\xA9.qrx", "Caf\xC3\xA9.qrx"},
                               {"C:\\Specs\\Car.qrx", "Car.qrx"},
                               {"/opt/Gyrant/GyrantFilesOld/Car.qrx", "Car.qrx"},
                               {"Untitled", "Untitled"}}) {
        Worksheet sheet;
        sheet.setup.ProgramFolder = "/opt/Gyrant";
        sheet.file.CurrentFilePath = path;
        MakeDisplayName(sheet);
        EXPECT_EQ(sheet.file.DisplayName, shown) << path;
    }
}

}  // namespace
}  // namespace gyrant
