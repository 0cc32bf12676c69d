#include "calc_command.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <sstream>

#include "support/program_folder.h"

namespace gyrant {
namespace {

using testing::ProgramFolder;
using testing::ReadFileBytes;
using testing::WriteFileBytes;

class CalcCommandTest : public ::testing::Test {
protected:
    int Run(std::vector<std::string> arguments) {
        out.str("");
        err.str("");
        return RunCalcCommand(arguments, folder.Path(), out, err);
    }
    std::string Example(const std::string& name) { return (folder / "GyrantFiles" / name).string(); }
    ProgramFolder folder;
    std::ostringstream out, err;
};

TEST_F(CalcCommandTest, RecalculatingAnExampleSavesItByteForByte) {
    for (const auto& entry : std::filesystem::directory_iterator(folder / "GyrantFiles")) {
        std::string saved = (folder / "again.qrx").string();
        ASSERT_EQ(Run({"--write", saved, entry.path().string()}), kCalcDone) << err.str();
        EXPECT_EQ(ReadFileBytes(saved), ReadFileBytes(entry.path())) << entry.path();
    }
}

TEST_F(CalcCommandTest, PrintsBothTablesAligned) {
    ASSERT_EQ(Run({Example("V8 Street Car.qrx")}), kCalcDone) << err.str();
    std::string text = out.str();
    EXPECT_TRUE(text.starts_with("Baseline Vehicle\nRow  Description"));
    EXPECT_NE(text.find("\nProposed Vehicle\n"), std::string::npos);
    EXPECT_NE(text.find("Imprvmnt"), std::string::npos);
    EXPECT_EQ(err.str(), "");
}

TEST_F(CalcCommandTest, CsvHoldsEveryCellOfEveryRow) {
    ASSERT_EQ(Run({"--csv", Example("V8 Street Car.qrx")}), kCalcDone);
    std::istringstream lines(out.str());
    std::string line;
    std::getline(lines, line);
    EXPECT_EQ(line, "Table,Row,Description,Value,O.D.,I.D.,Width,Material,Weight,Units,Inertia,"
                    "Eq. Wt,% Total,Imprvmnt");
    std::vector<std::string> records;
    while (std::getline(lines, line)) records.push_back(line);
    ASSERT_EQ(records.size(), 62u);
    EXPECT_TRUE(records[1].starts_with("0,2,Vehicle Type,\"4 Wheel, Rear Drive" + std::string(30, ' ') + " 0\","));
    EXPECT_TRUE(records[31].starts_with("1,1,"));
}

TEST_F(CalcCommandTest, AFileThatIsNotASpecFileExitsTwo) {
    WriteFileBytes(folder / "notes.txt", "shopping list\r\n");
    EXPECT_EQ(Run({(folder / "notes.txt").string()}), kCalcNotSpecFile);
    EXPECT_EQ(err.str(), "This is not an Vevizadu Gyrant file and can not be used.\n");
    EXPECT_EQ(out.str(), "");
    WriteFileBytes(folder / "empty.qrx", "");
    EXPECT_EQ(Run({(folder / "empty.qrx").string()}), kCalcNotSpecFile);
}

TEST_F(CalcCommandTest, OtherFailuresExitOneWithAMessage) {
    EXPECT_EQ(Run({(folder / "missing.qrx").string()}), kCalcFailed);
    EXPECT_NE(err.str().find("missing.qrx"), std::string::npos);
    EXPECT_EQ(Run({}), kCalcFailed);
    EXPECT_NE(err.str().find("Usage: gyrant-calc"), std::string::npos);
    EXPECT_EQ(Run({"--bogus", Example("Motorcycle.qrx")}), kCalcFailed);
    EXPECT_EQ(Run({Example("Motorcycle.qrx"), "second.qrx"}), kCalcFailed);
    EXPECT_EQ(Run({Example("Motorcycle.qrx"), "--write"}), kCalcFailed);

    std::filesystem::remove(folder / "GyrantTEXT" / "helpi.txt");
    EXPECT_EQ(Run({Example("Motorcycle.qrx")}), kCalcFailed);
    EXPECT_NE(err.str().find("helpi.txt"), std::string::npos);
}

TEST_F(CalcCommandTest, FailedWriteExitsOneAndKeepsTheOldFile) {
    std::filesystem::create_directory(folder / "out.qrx");
    EXPECT_EQ(Run({"--write", (folder / "out.qrx").string(), Example("Motorcycle.qrx")}), kCalcFailed);
    EXPECT_NE(err.str().find("out.qrx"), std::string::npos);
    std::string target = (folder / "GyrantFiles" / "nowhere" / "out.qrx").string();
    EXPECT_EQ(Run({"--write", target, Example("Motorcycle.qrx")}), kCalcFailed);
}

TEST_F(CalcCommandTest, IncompleteFileIsReportedAndStillRecalculated) {
    std::string whole = ReadFileBytes(Example("Motorcycle.qrx"));
    WriteFileBytes(folder / "short.qrx", whole.substr(0, whole.size() / 3));
    EXPECT_EQ(Run({"--csv", (folder / "short.qrx").string()}), kCalcDone);
    EXPECT_NE(err.str().find("incomplete"), std::string::npos);
    EXPECT_NE(out.str().find("1,31,"), std::string::npos);
}

TEST(CalcProgram, RunsOnTheShippedExampleAsAProcess) {
    std::string command = std::string("\"") + GYRANT_CALC + "\" \"" + GYRANT_DATA_DIR +
                          "/GyrantFiles/Front Drive Four.qrx\" 2>&1";
    FILE* pipe = popen(command.c_str(), "r");
    ASSERT_NE(pipe, nullptr);
    std::string output;
    char buffer[4096];
    while (std::size_t n = std::fread(buffer, 1, sizeof buffer, pipe)) output.append(buffer, n);
    EXPECT_EQ(pclose(pipe), 0) << output;
    EXPECT_NE(output.find("Vehicle Total"), std::string::npos);
}

}  // namespace
}  // namespace gyrant
