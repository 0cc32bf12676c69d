#include "help/file_seek.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "support/program_folder.h"

namespace gyrant {
namespace {

namespace fs = std::filesystem;

class FileSeekTest : public ::testing::Test {
protected:
    FileSeekTest() : root(folder.Path() / "disk") {
        for (const char* path : {"a/deep", "b", "c/specs", "c/other"}) fs::create_directories(root / path);
        for (const char* file : {"a/deep/firefox", "b/firefox", "c/specs/car.QRX", "c/specs/Firefox", "c/other/firefox"})
            testing::WriteFileBytes(root / file, "x");
    }
    SeekResult Seek(const std::string& name, bool anyFolder, int haltAfter = 1000) {
        return SeekFile(reader, root.string(), name, anyFolder,
                        [haltAfter](int folders, const std::vector<std::string>&) { return folders <= haltAfter; });
    }
    testing::ProgramFolder folder;
    fs::path root;
    LocalFolderReader reader;
};

TEST_F(FileSeekTest, WalksFromTheLastFolderToTheFirstDeepestFirst) {
    SeekResult result = Seek("FIREFOX", true);
    std::string r = root.string();
    EXPECT_EQ(result.found, (std::vector<std::string>{r + "/c/specs/Firefox", r + "/c/other/firefox", r + "/b/firefox",
                                                      r + "/a/deep/firefox"}));
    EXPECT_EQ(result.foldersSearched, 7);
    EXPECT_FALSE(result.halted);
}

TEST_F(FileSeekTest, OtherNamesAreListedOnlyBesideSpecFiles) {
    SeekResult result = Seek("firefox", false);
    EXPECT_EQ(result.found, (std::vector<std::string>{root.string() + "/c/specs/Firefox"}));
    EXPECT_TRUE(IsProgramFileName("Iexplore.exe"));
    EXPECT_FALSE(IsProgramFileName("notes.txt"));
}

TEST_F(FileSeekTest, HaltsWhenAskedKeepingWhatWasFound) {
    SeekResult result = Seek("firefox", true, 4);
    EXPECT_TRUE(result.halted);
    EXPECT_EQ(result.foldersSearched, 5);
    EXPECT_EQ(result.found.size(), 2u);
}

TEST_F(FileSeekTest, PassesUnreadableFoldersAndLinkLoops) {
    fs::create_directory_symlink(root, root / "b" / "loop");
    fs::create_directories(root / "locked");
    fs::permissions(root / "locked", fs::perms::none);
    SeekResult result = Seek("firefox", true);
    fs::permissions(root / "locked", fs::perms::owner_all);
    EXPECT_EQ(result.found.size(), 4u);
}

TEST(JoinSeekPath, NeverDoublesTheSeparatorAtARoot) {
    EXPECT_EQ(JoinSeekPath("/", "firefox"), "/firefox");
    EXPECT_EQ(JoinSeekPath("C:\\", "Iexplore.exe"), "C:\\Iexplore.exe");
    EXPECT_EQ(JoinSeekPath("/usr/bin", "firefox"), "/usr/bin/firefox");
    LocalFolderReader reader;
    EXPECT_EQ(reader.Drives().front(), "/");
}

}  // namespace
}  // namespace gyrant
