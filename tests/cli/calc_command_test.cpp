#include "calc_command.h"

#include <gtest/gtest.h>

#include <sstream>

#include "support/program_folder.h"
#include "text/line_reader.h"

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
    std::string Example(const std::string& name) {
        return (folder / "GyrantFiles" / name).string();
    }
    ProgramFolder folder;
    std::ostringstream out, err;
};

// Each example prints both tables aligned and saves again byte for byte, also one whose comment
// line is longer than any other line the program reads.
TEST_F(CalcCommandTest, RecalculatingAnExampleSavesItByteForByte) {
    std::string longComment = ReadFileBytes(Example("V8 Street Car.qrx"));
    longComment.insert(longComment.rfind("-9999\r\n"),
                       std::string(kMostLineBytes + 1, 'x') + "\r\nafter\r\n");
    WriteFileBytes(folder / "GyrantFiles" / "Long comment.qrx", longComment);
    for (const auto& entry : std::filesystem::directory_iterator(folder / "GyrantFiles")) {
        std::string saved = (folder / "again.qrx").string();
        ASSERT_EQ(Run({"--write", saved, entry.path().string()}), kCalcDone) << err.str();
        EXPECT_EQ(ReadFileBytes(saved), ReadFileBytes(entry.path())) << entry.path();
        EXPECT_TRUE(out.str().starts_with("Baseline Vehicle\nRow  Description"));
        EXPECT_NE(out.str().find("\nProposed Vehicle\nRow  Description"), std::string::npos);
        EXPECT_EQ(err.str(), "");
    }
}

// Exit 2 for a file that is not a spec file, 1 for every other failure, with a message; an
// incomplete file is reported and still recalculated.
TEST_F(CalcCommandTest, FailuresExitWithTheirCodeAndAMessage) {
    WriteFileBytes(folder / "notes.txt", "shopping list\r\n");
    std::filesystem::create_directory(folder / "out.qrx");
    std::string bike = Example("Motorcycle.qrx"), whole = ReadFileBytes(bike);
    WriteFileBytes(folder / "short.qrx", whole.substr(0, whole.size() / 3));
    for (auto [arguments, code, named] :
         {std::tuple{std::vector<std::string>{(folder / "notes.txt").string()}, kCalcNotSpecFile,
                     "not an Vevizadu Gyrant file"},
          {{(folder / "missing.qrx").string()}, kCalcFailed, "missing.qrx"},
          {{}, kCalcFailed, "Usage: gyrant-calc"},
          {{"--bogus", bike}, kCalcFailed, "Usage"},
          {{bike, "second.qrx"}, kCalcFailed, "Usage"},
          {{bike, "--write"}, kCalcFailed, "Usage"},
          {{"--write", (folder / "out.qrx").string(), bike}, kCalcFailed, "out.qrx"},
          {{"--gears", "2.5,9", bike}, kCalcFailed, "\"9\" is not a gear ratio"},
          {{"--csv", (folder / "short.qrx").string()}, kCalcDone, "incomplete"}}) {
        EXPECT_EQ(Run(arguments), code) << named;
        EXPECT_NE(err.str().find(named), std::string::npos) << err.str();
    }
    EXPECT_NE(out.str().find("1,31,"), std::string::npos);  // the incomplete file's tables
    std::filesystem::remove(folder / "GyrantTEXT" / "helpi.txt");
    EXPECT_EQ(Run({bike}), kCalcFailed);
    EXPECT_NE(err.str().find("helpi.txt"), std::string::npos);
}

// The gear studied shows the tables' own totals; JSON holds every cell and the answer.
TEST_F(CalcCommandTest, GearsAndJsonAgreeWithTheTables) {
    std::string car = Example("V8 Street Car.qrx");
    ASSERT_EQ(Run({"--csv", "--gears", "1.52, 2.52", car}), kCalcDone);
    std::istringstream lines(out.str());
    std::string heading, lower, studied;
    std::getline(lines, heading), std::getline(lines, lower), std::getline(lines, studied);
    EXPECT_TRUE(lower.starts_with("1,1.52,") && studied.starts_with("2*,2.52,")) << out.str();
    for (const char* total : {",417.48,4117.48,", ",393.18,4093.18,"})
        EXPECT_NE(studied.find(total), std::string::npos) << studied;
    ASSERT_EQ(Run({"--json", "--gears", "1.52, 2.52", car}), kCalcDone);
    for (const char* part :
         {"\"Eq. Wt\": \"4117.48\"", "\"answer\": \"The Proposed vehicle's",
          "{\"Studied\": false, \"Ratio\": 1.52,", "{\"Studied\": true, \"Ratio\": 2.52,"})
        EXPECT_NE(out.str().find(part), std::string::npos) << part;
}

}  // namespace
}  // namespace gyrant
