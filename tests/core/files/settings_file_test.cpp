#include "files/settings_file.h"

#include <gtest/gtest.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <optional>
#include <set>

#include "editor/options.h"
#include "editor/undo_snapshot.h"
#include "files/display_name.h"
#include "files/file_commands.h"
#include "files/gear_list.h"
#include "files/recent_files.h"
#include "files/window_place.h"
#include "help/help_tips.h"
#include "support/sheet_fixture.h"

namespace gyrant {
namespace {

namespace fs = std::filesystem;
using testing::ReadFileBytes;
using namespace std::string_literals;

class SettingsFileTest : public testing::BlankSheetTest {
  protected:
    // The settings read from a file of these bytes, as the records written for them.
    std::string Read(const std::string& bytes) {
        testing::WriteFileBytes(SettingsPath(sheet), bytes);
        Worksheet read;
        ReadSettings(read, SettingsPath(sheet));
        EXPECT_TRUE(WriteSettings(read, SettingsPath(sheet)).ok);
        return ReadFileBytes(SettingsPath(sheet));
    }
};

TEST_F(SettingsFileTest, SettingsAndWindowPlaceComeBackOnlyAsFarAsTheyAreWhole) {
    const std::string every = " 2 \r\n 1 \r\n 0 \r\n 1 \r\n 1 \r\n/usr/bin/firefox\r\n 1 \r\n\r\n";
    const std::string none = " 0 \r\n 0 \r\n 0 \r\n 0 \r\n 0 \r\n\r\n 0 \r\n\r\n";
    EXPECT_EQ(Read(every), every);
    EXPECT_EQ(Read("1"), " 1" + none.substr(2));
    EXPECT_EQ(Read("7\r\nabc\r\n1\r\n-1\r\n1\r\n\r\n3\r\n"),
              " 0 \r\n 0 \r\n 1 \r\n 0 \r\n 1 \r\n\r\n 0 \r\n\r\n");
    for (const char* damaged : {"150\n300\n11000\n", "150\n300\nwide\n9000\n", "1\n2\n0\n9\n"}) {
        testing::WriteFileBytes(WindowPlacePath(sheet), damaged);
        EXPECT_FALSE(ReadWindowPlace(WindowPlacePath(sheet))) << damaged;
    }
}

TEST(RestoredPlace, FitsTheScreenThatHoldsItsTitleBar) {
    const std::vector<WindowRect> screens{{0, 0, 15360, 11520}, {15360, 0, 15360, 11520}};
    const std::tuple<const char*, WindowRect, std::optional<WindowRect>> places[] = {
        {"whole on the second screen", {20000, 600, 9000, 9000}, {{20000, 600, 9000, 9000}}},
        {"right of every screen", {31000, 600, 9000, 9000}, std::nullopt},
        {"above every screen", {600, -900, 9000, 9000}, std::nullopt},
        {"taller than the screen", {600, 600, 9000, 29760}, {{600, 0, 9000, 11040}}},
        {"wider than the screen", {16000, 0, 20000, 9000}, {{15360, 0, 15360, 9000}}},
        {"low on the screen", {600, 9000, 9000, 9000}, {{600, 2040, 9000, 9000}}}};
    for (const auto& [name, kept, restored] : places)
        EXPECT_EQ(RestoredPlace(kept, screens), restored) << name;
}

// Options, and Undo of options and comments: both vehicles recalculated, the settings written
// at once, its file's unknown options kept.
TEST_F(SettingsFileTest, OptionsAndTheirUndoRecalculateBothVehiclesAndAreWrittenAtOnce) {
    for (SpecTable& table : sheet.document.tables) {
        table.SetText(1, kColValue, "3000");
        testing::SetComponent(table, 20, "4", "3", "10", "Use Wt", 0, "40");
    }
    Recalculate(sheet);
    sheet.document.OtherStoredOptions = "run=1/4\r\n";
    WorksheetSnapshot before = TakeSnapshot(sheet.document);
    before.cells[kBaseline][31 * kBaselineColumns + kColWeight] = "stale";
    SetWeightOption(sheet, true, dialogs);
    for (const SpecTable& table : sheet.document.tables) {
        EXPECT_EQ(table.Text(31, kColWeight), "3040.00");
        EXPECT_EQ(table.Text(20, kColEqWt), "40.00");
    }
    SetVehicleCount(sheet, true, dialogs);
    Worksheet read;
    ReadSettings(read, SettingsPath(sheet));
    EXPECT_EQ(read.document.WeightOption, 1);
    EXPECT_EQ(read.document.TwoVehicles, 1);
    KeepComments(sheet, "Street tires");
    WorksheetSnapshot after = TakeSnapshot(sheet.document);
    for (bool back : {true, false}) {
        SCOPED_TRACE(back ? "undone" : "redone");
        RestoreSnapshot(sheet, back ? before : after, dialogs);
        ReadSettings(read, SettingsPath(sheet));
        EXPECT_EQ(read.document.WeightOption, back ? 0 : 1);
        EXPECT_EQ(read.document.TwoVehicles, back ? 0 : 1);
        EXPECT_EQ(sheet.document.FileComments, back ? "" : "Street tires");
        EXPECT_EQ(sheet.Table(kBaseline).Text(31, kColWeight), back ? "3000.00" : "3040.00");
        EXPECT_EQ(sheet.document.OtherStoredOptions, "run=1/4\r\n");
    }
    EXPECT_TRUE(dialogs.messages.empty());
    sheet.setup.SettingsFolder = folder / "missing";
    SetVehicleCount(sheet, false, dialogs);
    EXPECT_NE(dialogs.messages.at(0).text.find("CRCNFG.QRX"), std::string::npos);
}

// A link or a FIFO planted under any name in the program's folder is never written through, and
// never waited on.
TEST_F(SettingsFileTest, ARunningCopyKeepsEverythingBesideItselfThroughNoPlantedName) {
    testing::WriteFileBytes(In("victim"), "victim");
    const fs::path probe = folder / ".gyrant-write-probe";
    for (bool fifo : {false, true}) {
        fs::remove(probe);
        fifo ? mkfifo(probe.c_str(), 0600) : symlink("victim", probe.c_str());
        sheet.setup.ProgramFolder.clear();
        UseProgramPlaces(sheet, LocateProgramPlaces(folder.Path()));
        EXPECT_EQ(sheet.setup.ProgramFolder, folder.Path());
        EXPECT_EQ(SettingsPath(sheet), folder / "CRCNFG.QRX");
        EXPECT_EQ(DefaultSpecFolder(sheet), In("GyrantFiles"));
    }
    EXPECT_EQ(ReadFileBytes(In("victim")), "victim");
}

// Sets an environment variable (or unsets it, for nothing) while it lives.
struct Variable {
    Variable(const char* set, const std::optional<std::string>& value) : name(set) {
        if (const char* was = std::getenv(name)) old = was;
        value ? setenv(name, value->c_str(), 1) : unsetenv(name);
    }
    ~Variable() { old ? setenv(name, old->c_str(), 1) : unsetenv(name); }
    const char* name;
    std::optional<std::string> old;
};

// An installed program's places under HOME and XDG_CONFIG_HOME ("@" is the test's folder):
// the settings folder made, or why there is none.
struct HomeCase {
    const char *name, *home, *config, *settings, *why;
    friend void PrintTo(const HomeCase& c, std::ostream* os) { *os << c.name; }
};

class InstalledPlacesTest : public SettingsFileTest,
                            public ::testing::WithParamInterface<HomeCase> {
  protected:
    std::optional<std::string> At(const char* value) {
        if (!value) return std::nullopt;
        return *value == '@' ? In(value + 1) : value;
    }
};

// The user's folders come only from full paths; without a home folder, the settings last only
// while the program runs, the user hears why at Exit, and nothing is written anywhere.
TEST_P(InstalledPlacesTest, SettingsGoOnlyToAFullPathOrAreKeptInMemoryAndTheUserIsTold) {
    const HomeCase& place = GetParam();
    for (const char* made : {"bin", "share", "home", "cwd", "ro"}) fs::create_directory(In(made));
    fs::create_directory_symlink(folder.Path(), folder / "share" / "gyrant");
    testing::WriteFileBytes(In("victim"), "victim");
    if (std::system(("mount -t tmpfs -o ro tmpfs " + In("ro")).c_str()) != 0 &&
        At(place.home) == In("ro"))
        GTEST_SKIP() << "this machine cannot mount a read-only folder";
    fs::path started = fs::current_path();
    fs::current_path(folder / "cwd");
    {
        Variable home("HOME", At(place.home)), config("XDG_CONFIG_HOME", At(place.config));
        UseProgramPlaces(sheet, LocateProgramPlaces(folder / "bin"));
    }
    fs::current_path(started);
    umount2(In("ro").c_str(), MNT_DETACH);
    EXPECT_TRUE(fs::is_empty(folder / "cwd"));
    bool kept = *place.settings != '\0', homed = At(place.home) == In("home");
    EXPECT_EQ(sheet.setup.SettingsUnkept.empty(), kept) << sheet.setup.SettingsUnkept;
    EXPECT_NE(sheet.setup.SettingsUnkept.find(place.why), std::string::npos)
        << sheet.setup.SettingsUnkept;
    if (kept) {
        EXPECT_EQ(SettingsPath(sheet).parent_path(), *At(place.settings));
    }
    EXPECT_EQ(DefaultSpecFolder(sheet),
              homed ? In("home/Documents/GyrantFiles") : In("share/gyrant/GyrantFiles"));
    EXPECT_EQ(fs::exists(In("home/Documents/GyrantFiles/V8 Street Car.qrx")), homed);
    auto names = [&] { return std::set<fs::path>(fs::directory_iterator(folder.Path()), {}); };
    auto before = names();
    SetVehicleCount(sheet, true, dialogs);
    EXPECT_TRUE(dialogs.messages.empty());
    sheet.file.CurrentFilePath = In("GyrantFiles/Motorcycle.qrx");
    EXPECT_TRUE(RememberRecentFile(sheet).ok);
    EXPECT_TRUE(KeepGearList(sheet, "2.5").ok);
    EXPECT_TRUE(ExitProgram(sheet, editor, dialogs));
    EXPECT_EQ(names(), before);
    EXPECT_EQ(dialogs.messages.size(), kept ? 0u : 1u);
    for (const Message& message : dialogs.messages)
        EXPECT_NE(message.text.find(place.why), std::string::npos);
    EXPECT_EQ(fs::exists(SettingsPath(sheet)), kept);
}

const HomeCase kHomes[] = {{"AbsoluteConfig", "@home", "@config", "@config/gyrant", ""},
                           {"RelativeConfigIgnored", "@home", "config", "@home/.config/gyrant", ""},
                           {"NoHomeButAbsoluteConfig", nullptr, "@config", "@config/gyrant", ""},
                           {"NoHome", nullptr, nullptr, "", "no home folder is set"},
                           {"EmptyHome", "", "config", "", "no home folder is set"},
                           {"RelativeHome", "home", nullptr, "", "is not a full path"},
                           {"HomeNotAFolder", "@victim", nullptr, "", "is not a folder"},
                           {"ReadOnlyHome", "@ro", nullptr, "", "Read-only file system"}};
INSTANTIATE_TEST_SUITE_P(Homes, InstalledPlacesTest, ::testing::ValuesIn(kHomes),
                         [](const auto& test) { return std::string(test.param.name); });

// Copies changing options and closing a tip at once: each finds its every change still in the
// file before it makes the next, and the last ones (all 1) stay, though no copy read another's.
TEST_F(SettingsFileTest, CopiesChangingOptionsAtOnceLoseNoChange) {
    constexpr int kChanges = 51;
    auto own = [](Worksheet& copy, std::size_t which) -> int& {
        return *std::array{&copy.setup.UnitSystem, &copy.document.WeightOption,
                           &copy.document.TwoVehicles, &copy.setup.TipOff[0]}[which];
    };
    std::vector<pid_t> copies;
    for (std::size_t which = 0; which < 4; ++which) {
        if (pid_t copy = fork()) {
            copies.push_back(copy);
            continue;
        }
        Worksheet running, read;
        running.setup.ProgramFolder = folder.Path();
        bool lost = false;
        for (int change = 1; change <= kChanges; ++change) {
            ReadSettings(read, SettingsPath(running));
            lost = lost || own(read, which) != own(running, which);
            if (which == 3) {
                CloseTip(running, 0, change % 2);
                continue;
            }
            own(running, which) = change % 2;
            KeepSettings(running, dialogs);
        }
        _exit(lost || !dialogs.messages.empty());
    }
    for (pid_t copy : copies) {
        int status = -1;
        waitpid(copy, &status, 0);
        EXPECT_EQ(status, 0) << "a copy lost a change";
    }
    Worksheet read;
    ReadSettings(read, SettingsPath(sheet));
    for (std::size_t which = 0; which < copies.size(); ++which)
        EXPECT_EQ(own(read, which), kChanges % 2);
}

// The recent files kept from lines (each "@" is the test's folder): only whole paths of files
// that open, each once, from the first six lines alone; a worksheet saved or opened goes first.
struct KeptList {
    const char* name;
    std::string lines;
    std::vector<std::string> offered;
    friend void PrintTo(const KeptList& c, std::ostream* os) { *os << c.name; }
};

class RecentFilesTest : public SettingsFileTest, public ::testing::WithParamInterface<KeptList> {
  protected:
    std::vector<std::string> Recent(std::string lines) {
        for (std::size_t at; (at = lines.find('@')) != std::string::npos;)
            lines.replace(at, 1, folder.Path().string() + "/");
        testing::WriteFileBytes(RecentFilesPath(sheet), lines);
        std::vector<std::string> names;
        for (const std::string& path : ReadRecentFiles(RecentFilesPath(sheet)))
            names.push_back(fs::path(path).filename().string());
        return names;
    }
};

TEST_P(RecentFilesTest, OnlyFilesThatOpenAreOfferedOnceEachAndTheNewestFirst) {
    for (std::string name : {"a", "b", "c", "d", "e", "f", "g"})
        testing::WriteFileBytes(In(name), "");
    mkfifo(In("fifo").c_str(), 0600);
    fs::create_symlink(In("b"), In("link"));
    fs::create_symlink(In("gone"), In("dangling"));
    const std::vector<std::string>& offered = GetParam().offered;
    EXPECT_EQ(Recent(GetParam().lines), offered);
    sheet.file.CurrentFilePath = In("c");
    EXPECT_TRUE(RememberRecentFile(sheet).ok);
    std::string kept = ReadFileBytes(RecentFilesPath(sheet));
    std::vector<std::string> newest(offered);
    newest.insert(newest.begin(), "c");
    newest.resize(std::min(newest.size(), std::size_t{6}));
    EXPECT_EQ(Recent(kept), newest);
    // A list that cannot be written stays as it was.
    sheet.setup.SettingsFolder = folder / "missing";
    EXPECT_NE(RememberRecentFile(sheet).message.find("recent-worksheets.list"), std::string::npos);
    EXPECT_EQ(ReadFileBytes(folder / "recent-worksheets.list"), kept);
}

INSTANTIATE_TEST_SUITE_P(
    KeptLists, RecentFilesTest,
    ::testing::Values(
        KeptList{"EveryLineEnd", "@a\n@b\r\n@d", {"a", "b", "d"}},
        KeptList{"NoFifoMissingFileFolderOrRepeat",
                 "@a\n@fifo\n@gone\n@dangling\n@\n@link\n@a\n",
                 {"a", "link"}},
        KeptList{"OnlyWholePaths", "a\n\n@b\t\n@c\0\n\xff\n@d"s, {"d"}},
        KeptList{"SixAtMost", "@g\n@f\n@e\n@d\n@b\n@a\n@c\n", {"g", "f", "e", "d", "b", "a"}},
        KeptList{"OnlyTheFirstSixLines", "@g\n@gone\n@\n@g\n\n@fifo\n@a\n", {"g"}}),
    [](const auto& test) { return std::string(test.param.name); });

}  // namespace
}  // namespace gyrant
