#include "calc_command.h"

#include <gtest/gtest.h>

#include <fstream>
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
    std::string Example(const std::string& name) {
        return (folder / "GyrantFiles" / name).string();
    }
    ProgramFolder folder;
    std::ostringstream out, err;
};

// Each example prints both tables aligned and saves again byte for byte, with the weights option
// it was recalculated with.
TEST_F(CalcCommandTest, RecalculatingAnExampleSavesItByteForByte) {
    for (const auto& entry : std::filesystem::directory_iterator(folder / "GyrantFiles")) {
        std::string saved = (folder / "again.qrx").string();
        ASSERT_EQ(Run({"--write", saved, entry.path().string()}), kCalcDone) << err.str();
        EXPECT_EQ(ReadFileBytes(saved),
                  ReadFileBytes(entry.path()) + "[Gyrant]\r\nweights=stay\r\n")
            << entry.path();
        EXPECT_TRUE(out.str().starts_with("Baseline Vehicle\nRow  Description"));
        EXPECT_NE(out.str().find("\nProposed Vehicle\nRow  Description"), std::string::npos);
        EXPECT_EQ(err.str(), "");
    }
}

// Exit 2 for a file that is not a spec file or a report that would replace it, 1 for every
// other failure, with a message in UTF-8 on plain lines; an incomplete file is reported and still
// recalculated, and a worksheet may be saved over itself.
TEST_F(CalcCommandTest, FailuresExitWithTheirCodeAndAMessage) {
    const std::string name = "Caf\xC3\xA9 \xE2\x82\xAC.qrx";
    WriteFileBytes(folder / "notes.txt", "shopping list\r\n");
    std::filesystem::create_directories(folder / "out.qrx" / name);
    std::string bike = Example("Motorcycle.qrx"), whole = ReadFileBytes(bike);
    WriteFileBytes(folder / name, whole.substr(0, whole.size() / 3));
    std::filesystem::create_symlink(bike, folder / "link.qrx");
    for (auto [arguments, code, named] :
         {std::tuple{std::vector<std::string>{(folder / "notes.txt").string()}, kCalcRefused,
                     std::string("not an Vevizadu Gyrant file")},
          {{"--pdf", bike, bike}, kCalcRefused, "would replace the worksheet"},
          {{"--pdf", (folder / "link.qrx").string(), bike}, kCalcRefused, "would replace"},
          {{"--write", bike, bike}, kCalcDone, ""},
          {{(folder / "missing" / name).string()}, kCalcFailed, "/missing/" + name + " can not"},
          {{(folder / "out.qrx" / name).string()}, kCalcFailed, name + " is a folder"},
          {{}, kCalcFailed, "Usage: gyrant-calc"},
          {{"--bogus", bike}, kCalcFailed, "Usage"},
          {{"--weights-add", "--weights-stay", bike}, kCalcFailed, "Usage"},
          {{bike, "second.qrx"}, kCalcFailed, "Usage"},
          {{bike, "--write"}, kCalcFailed, "Usage"},
          {{"--write", (folder / "out.qrx").string(), bike}, kCalcFailed, "out.qrx"},
          {{"--gears", "2.5,9", bike}, kCalcFailed, "\"9\" is not a gear ratio"},
          {{"--csv", (folder / name).string()}, kCalcDone, name + " ended early"}}) {
        EXPECT_EQ(Run(arguments), code) << named;
        EXPECT_NE(err.str().find(named), std::string::npos) << err.str();
        EXPECT_EQ(err.str().find('\r'), std::string::npos) << named;
    }
    EXPECT_NE(out.str().find("1,31,"), std::string::npos);  // the incomplete file's tables
    EXPECT_EQ(ReadFileBytes(bike), whole + "[Gyrant]\r\nweights=stay\r\n");
    std::filesystem::remove(folder / "GyrantTEXT" / "helpi.txt");
    EXPECT_EQ(Run({bike}), kCalcFailed);
    EXPECT_NE(err.str().find("helpi.txt"), std::string::npos);
}

// Help asked for is the result: the usage on the standard output, exit 0, and nothing else done.
TEST_F(CalcCommandTest, HelpPrintsTheUsageAndDoesNothingElse) {
    std::string saved = (folder / "saved.qrx").string();
    for (std::string help : {"--help", "-h"}) {
        EXPECT_EQ(Run({help, "--write", saved, Example("Motorcycle.qrx")}), kCalcDone) << help;
        EXPECT_TRUE(out.str().starts_with("Usage: gyrant-calc")) << help;
        EXPECT_EQ(err.str(), "") << help;
        EXPECT_FALSE(std::filesystem::exists(saved)) << help;
    }
}

// Results cut short by a full device are a failure, whichever output was asked for.
TEST_F(CalcCommandTest, OutputThatCanNotBeWrittenFails) {
    std::string car = Example("V8 Street Car.qrx");
    for (std::vector<std::string> arguments :
         {std::vector{car}, {"--csv", car}, {"--json", car}, {"--gears", "2,1", car}}) {
        std::ofstream full("/dev/full");
        EXPECT_EQ(RunCalcCommand(arguments, folder.Path(), full, err), kCalcFailed) << arguments[0];
        EXPECT_TRUE(err.str().ends_with("standard output: No space left on device.\n"))
            << err.str();
    }
}

// The gear studied shows the tables' own totals; JSON holds every cell and the answer.
TEST_F(CalcCommandTest, GearsAndJsonAgreeWithTheTables) {
    std::string car = Example("V8 Street Car.qrx");
    ASSERT_EQ(Run({"--csv", "--gears", "1.52, 2.52", car}), kCalcDone);
    std::istringstream lines(out.str());
    std::string heading, lower, studied;
    std::getline(lines, heading), std::getline(lines, lower), std::getline(lines, studied);
    EXPECT_TRUE(lower.starts_with("1,1.52,")) << out.str();
    EXPECT_TRUE(studied.starts_with("2*,2.52,")) << out.str();
    for (const char* total : {",417.48,4117.48,", ",393.18,4093.18,"})
        EXPECT_NE(studied.find(total), std::string::npos) << studied;
    ASSERT_EQ(Run({"--json", "--gears", "1.52, 2.52", car}), kCalcDone);
    for (const char* part :
         {"\"Eq. Wt\": \"4117.48\"", "\"answer\": \"Proposed vs Baseline",
          "\"accelerationGainPercent\": 1.9089930327818028,", "\"adjusted\": true,",
          "\"effectiveWeightSaving\": 77.1299", "\"proposedVehicleWeightUsed\": 3647.17,",
          "\"parts\": [\n      {\"row\": 24, \"description\": \"Front Tire\", \"saving\": 17.98},",
          "{\"Studied\": false, \"Ratio\": 1.52,", "{\"Studied\": true, \"Ratio\": 2.52,"})
        EXPECT_NE(out.str().find(part), std::string::npos) << part;
    ASSERT_EQ(Run({"--answer", car}), kCalcDone);
    EXPECT_TRUE(
        out.str().starts_with("Proposed vs Baseline in the gear studied: 77.13 lb "
                              "lighter, 1.91 % more acceleration."))
        << out.str();
}

// The option a worksheet was saved with, unless a flag asks for the other; without one stored,
// Stays Total.
TEST_F(CalcCommandTest, TheStoredWeightsOptionHoldsUnlessAFlagAsksOtherwise) {
    std::string car = Example("V8 Street Car.qrx"), stored = (folder / "stored.qrx").string();
    WriteFileBytes(stored, ReadFileBytes(car) + "[Gyrant]\r\nweights=add\r\n");
    // "--json" twice is the run without a weights flag.
    for (auto [flag, file, added] : {std::tuple{"--json", stored, "true"},
                                     {"--weights-stay", stored, "false"},
                                     {"--json", car, "false"},
                                     {"--weights-add", car, "true"}}) {
        ASSERT_EQ(Run({"--json", flag, file}), kCalcDone);
        EXPECT_NE(out.str().find(std::string("\"weightsAdded\": ") + added), std::string::npos);
    }
}

}  // namespace
}  // namespace gyrant
