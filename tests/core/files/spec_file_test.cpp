#include "files/spec_file.h"

#include <gtest/gtest.h>

#include <random>

#include "support/program_folder.h"

namespace gyrant {
namespace {

using testing::ProgramFolder;
using testing::ReadFileBytes;
using testing::WriteFileBytes;

// A spec file's bytes: the magic, the vehicle count, every cell named by a cell function,
// the comment lines and the end marker.
std::string SpecText(int twoVehicles, const std::string& comments, bool endMarker = true) {
    std::string text = "QRX-GY*1.10\r\n";
    for (int i = 0; i < 20; ++i) text += (twoVehicles ? " 1 \r\n" : " 0 \r\n");
    for (int table = 0; table < 2; ++table)
        for (int row = 1; row <= 31; ++row)
            for (int column = 2; column <= 11; ++column)
                text += std::to_string(table) + ":" + std::to_string(row) + ":" +
                        std::to_string(column) + "\r\n";
    text += comments;
    if (endMarker) text += "-9999\r\n";
    return text;
}

class SpecFileTest : public ::testing::Test {
  protected:
    SpecFileTest() { sheet.ProgramFolder = folder.Path(); }
    SpecFileResult Read(const std::string& bytes) {
        WriteFileBytes(folder / "in.qrx", bytes);
        sheet.SpecFilePath = (folder / "in.qrx").string();
        return ReadWriteSpecFile(sheet, true);
    }
    SpecFileResult Write(const std::string& path) {
        sheet.SpecFilePath = path;
        return ReadWriteSpecFile(sheet, false);
    }
    ProgramFolder folder;
    Worksheet sheet;
};

TEST_F(SpecFileTest, ReadsEveryCellInFileOrderAndTakesTheFilesName) {
    sheet.SpecsChanged = 1;
    SpecFileResult result = Read(SpecText(1, "first\r\nsecond\r\n"));
    EXPECT_EQ(result.status, SpecFileStatus::Done);
    EXPECT_EQ(sheet.TwoVehicles, 1);
    EXPECT_EQ(sheet.Table(kBaseline).Text(1, kColValue), "0:1:2");
    EXPECT_EQ(sheet.Table(kBaseline).Text(31, kColPercentTotal), "0:31:11");
    EXPECT_EQ(sheet.Table(kProposed).Text(1, kColValue), "1:1:2");
    EXPECT_EQ(sheet.Table(kProposed).Text(31, kColPercentTotal), "1:31:11");
    EXPECT_EQ(sheet.FileComments, "first\r\nsecond\r\n");
    EXPECT_EQ(sheet.CurrentFilePath, sheet.SpecFilePath);
    EXPECT_EQ(sheet.DisplayName, "in.qrx");
    EXPECT_EQ(sheet.SpecsChanged, 0);
}

TEST_F(SpecFileTest, WritesTheExactBytesAndReadsThemBack) {
    ASSERT_EQ(Read(SpecText(1, "first\r\nsecond\r\n")).status, SpecFileStatus::Done);
    sheet.Table(kBaseline).SetText(2, kColValue, "  blanks, and commas  ");
    std::string path = (folder / "out.qrx").string();
    ASSERT_EQ(Write(path).status, SpecFileStatus::Done);
    std::string written = ReadFileBytes(path);
    EXPECT_TRUE(written.starts_with("QRX-GY*1.10\r\n 1 \r\n 1 \r\n"));
    EXPECT_TRUE(written.ends_with("1:31:11\r\nfirst\r\nsecond\r\n-9999\r\n"));

    Worksheet again;
    again.ProgramFolder = folder.Path();
    again.SpecFilePath = path;
    ASSERT_EQ(ReadWriteSpecFile(again, true).status, SpecFileStatus::Done);
    EXPECT_EQ(again.Table(kBaseline).Text(2, kColValue), "  blanks, and commas  ");
    EXPECT_EQ(again.FileComments, "first\r\nsecond\r\n");
    EXPECT_EQ(SpecFileText(again), written);
}

// Comments of any content come back whole, and the second save writes the bytes of the first.
TEST_F(SpecFileTest, CommentsSurviveSaveAndReopenWhole) {
    const std::pair<std::string, std::string> cases[] = {
        {"", "-9999\r\n"},
        {"\r\n", "\r\n-9999\r\n"},
        {"first\r\nsecond", "first\r\nsecond\r\n\\\r\n-9999\r\n"},
        {"-9999\r\nafter\r\n", "\\-9999\r\nafter\r\n-9999\r\n"},
        {"\\\r\n\\\\-9999", "\\\\\r\n\\\\\\-9999\r\n\\\r\n-9999\r\n"},
    };
    ASSERT_EQ(Read(SpecText(1, "")).status, SpecFileStatus::Done);
    const char* kTokens[] = {"a", "\\", "-9999", "\r\n", " "};
    std::mt19937 random(12);
    std::vector<std::pair<std::string, std::string>> all(std::begin(cases), std::end(cases));
    for (int i = 0; i < 300; ++i) {
        std::string comments;
        for (int token = random() % 8; token > 0; --token) comments += kTokens[random() % 5];
        all.push_back({comments, ""});
    }
    for (const auto& [comments, written] : all) {
        sheet.FileComments = comments;
        std::string bytes = SpecFileText(sheet);
        EXPECT_TRUE(bytes.ends_with("1:31:11\r\n" + written) || written.empty()) << comments;
        ASSERT_EQ(Read(bytes).status, SpecFileStatus::Done);
        EXPECT_EQ(sheet.FileComments, comments);
        EXPECT_EQ(SpecFileText(sheet), bytes);
    }
}

// Files of earlier versions read as they always did.
TEST_F(SpecFileTest, OldCommentsEndAtTheMarkerOrAtTheEndOfTheFile) {
    const std::pair<std::string, std::string> cases[] = {
        {"one\r\n-9999\r\nnot read\r\n", "one\r\n"},
        {"one\r\nlast", "one\r\nlast"},
        {"one\r\nlast\r\n", "one\r\nlast"},
        {"\r\n-9999\r\n", "\r\n"},
        {"a\rb\nc\r\n-9999\r\n", "a\r\nb\r\nc\r\n"},
        {"C:\\cars\\x -9999\r\n-9999", "C:\\cars\\x -9999\r\n"},
    };
    for (const auto& [comments, read] : cases) {
        Read(SpecText(0, comments, false));
        EXPECT_EQ(sheet.FileComments, read);
    }
}

TEST_F(SpecFileTest, OnlyTheFirstFieldOfTheFirstLineIsTheMagic) {
    std::string text = SpecText(1, "");
    EXPECT_EQ(Read("  QRX-GY*1.10,more" + text.substr(11)).status, SpecFileStatus::Done);
    EXPECT_EQ(Read("qrx-gy*1.10" + text.substr(11)).status, SpecFileStatus::NotSpecFile);
}

TEST_F(SpecFileTest, AnythingButASpecFileLeavesTheWorksheetAlone) {
    ASSERT_EQ(Read(SpecText(1, "kept\r\n")).status, SpecFileStatus::Done);
    sheet.SpecsChanged = 1;
    std::string before = SpecFileText(sheet);
    std::string path = sheet.CurrentFilePath;
    std::string binary(4096, '\0');
    for (std::size_t i = 0; i < binary.size(); ++i) binary[i] = static_cast<char>(i * 37);
    for (const std::string& bytes :
         {std::string(), std::string("hello\r\n"), binary, std::string(100000, 'x')}) {
        SpecFileResult result = Read(bytes);
        EXPECT_EQ(result.status, SpecFileStatus::NotSpecFile);
        EXPECT_EQ(result.message, "This is not an Vevizadu Gyrant file and can not be used.");
        EXPECT_EQ(SpecFileText(sheet), before);
        EXPECT_EQ(sheet.CurrentFilePath, path);
        EXPECT_EQ(sheet.SpecsChanged, 1);
    }
    sheet.SpecFilePath = folder.Path().string();
    EXPECT_EQ(ReadWriteSpecFile(sheet, true).status, SpecFileStatus::Unreadable);
    sheet.SpecFilePath = (folder / "missing.qrx").string();
    EXPECT_EQ(ReadWriteSpecFile(sheet, true).status, SpecFileStatus::Unreadable);
    EXPECT_EQ(SpecFileText(sheet), before);
}

TEST_F(SpecFileTest, ShortFileLeavesTheMissingCellsEmptyAndSaysSo) {
    sheet.Table(kProposed).SetText(31, kColValue, "old");
    std::string text = SpecText(1, "");
    std::size_t cut = text.find("0:2:5\r\n");
    SpecFileResult result = Read(text.substr(0, cut));
    EXPECT_EQ(result.status, SpecFileStatus::Incomplete);
    EXPECT_NE(result.message.find("incomplete"), std::string::npos);
    EXPECT_EQ(sheet.Table(kBaseline).Text(2, kColID), "0:2:4");
    EXPECT_EQ(sheet.Table(kBaseline).Text(2, kColWidth), "");
    EXPECT_EQ(sheet.Table(kProposed).Text(31, kColValue), "");
    EXPECT_EQ(sheet.FileComments, "");
    EXPECT_EQ(sheet.TwoVehicles, 1);

    sheet.TwoVehicles = 0;
    result = Read("QRX-GY*1.10\r\n 1 \r\n");
    EXPECT_EQ(result.status, SpecFileStatus::Incomplete);
    EXPECT_EQ(sheet.TwoVehicles, 1);
}

TEST_F(SpecFileTest, VehicleCountLinesThatAreNotNumbersAreSkipped) {
    std::string text = SpecText(0, "");
    const std::size_t line19 = 13 + 18 * 5;
    text.replace(line19, 10, " 1 \r\njunk\r\n");
    EXPECT_EQ(Read(text).status, SpecFileStatus::Done);
    EXPECT_EQ(sheet.TwoVehicles, 1);
    EXPECT_EQ(sheet.Table(kBaseline).Text(1, kColValue), "0:1:2");
}

TEST_F(SpecFileTest, LongLinesAndLargeCommentsAreReadWhole) {
    std::string longLine(100000, 'c');
    std::string comments;
    for (int i = 0; i < 2000; ++i) comments += longLine.substr(0, 5000) + "\r\n";
    std::string text = SpecText(0, comments);
    std::size_t at = text.find("0:5:3");
    text.replace(at, 5, longLine);
    ASSERT_EQ(Read(text).status, SpecFileStatus::Done);
    EXPECT_EQ(sheet.Table(kBaseline).Text(5, kColOD), longLine);
    EXPECT_EQ(sheet.FileComments.size(), comments.size());
}

TEST_F(SpecFileTest, FailedSaveKeepsTheOldFileAndTheWorksheetState) {
    std::string path = (folder / "kept.qrx").string();
    WriteFileBytes(path, "old contents");
    sheet.CurrentFilePath = "Untitled";
    sheet.SpecsChanged = 1;
    SpecFileResult result = Write((folder / "no such folder" / "new.qrx").string());
    EXPECT_EQ(result.status, SpecFileStatus::WriteFailed);
    EXPECT_NE(result.message.find("new.qrx"), std::string::npos);
    EXPECT_EQ(sheet.CurrentFilePath, "Untitled");
    EXPECT_EQ(sheet.SpecsChanged, 1);

    std::filesystem::create_directory(folder / "taken.qrx");
    EXPECT_EQ(Write((folder / "taken.qrx").string()).status, SpecFileStatus::WriteFailed);
    EXPECT_EQ(ReadFileBytes(path), "old contents");
    EXPECT_FALSE(std::filesystem::exists(path + ".saving"));
}

}  // namespace
}  // namespace gyrant
