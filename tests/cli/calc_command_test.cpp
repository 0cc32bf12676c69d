#include "calc_command.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <fstream>
#include <iomanip>
#include <iterator>
#include <map>
#include <regex>
#include <sstream>

#include "help/help_pages.h"
#include "support/program_folder.h"
#include "timeslip/slip_text.h"

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
    // The example car's time slips with its engine, on sticky tires so that the launch is not lost
    // in wheelspin; a later option wins.
    std::vector<std::string> Slip(std::vector<std::string> options) {
        std::vector<std::string> arguments = {
            "--timeslip", "--power",        "350@5500", "--torque", "380@4000",
            "--gears",    "2.52,1.52,1.00", "--grip",   "3",        Example("V8 Street Car.qrx")};
        arguments.insert(arguments.end(), options.begin(), options.end());
        return arguments;
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
// other failure (a run's option refused by its name), with a message in UTF-8 on plain lines; an
// incomplete file is reported and still recalculated, and a worksheet may be saved over itself.
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
          {{"--timeslip", bike}, kCalcFailed, "needs the engine"},
          {{"--timeslip", "--power", "350@5500", bike}, kCalcFailed, "--torque LBFT@RPM"},
          {{"--power", "350@5500", "--torque", "380@4000", bike}, kCalcFailed, "Usage"},
          {Slip({"--power", "350"}), kCalcFailed, "--power: Peak power takes HP@RPM"},
          {Slip({"--torque", "x@4000"}), kCalcFailed, "--torque: Peak torque takes"},
          {Slip({"--torque", "300@4000"}), kCalcFailed, "--power and --torque: 350 hp at 5500"},
          {Slip({"--grip", "9"}), kCalcFailed, "--grip: Grip must be between 0.3 and 4."},
          {Slip({"--shift", "50"}), kCalcFailed, "--shift: Shift rpm must be between"},
          {Slip({"--launch", "3k"}), kCalcFailed, "--launch: Launch rpm takes a number"},
          {Slip({"--gears", "2,9"}), kCalcFailed, "\"9\" is not a gear ratio"},
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
        for (const char* named : {"--timeslip", "--power HP@RPM", "--torque LBFT@RPM",
                                  "--shift RPM", "--launch RPM", "--grip MU", "an estimate"})
            EXPECT_NE(out.str().find(named), std::string::npos) << named;
        EXPECT_EQ(err.str(), "") << help;
        EXPECT_FALSE(std::filesystem::exists(saved)) << help;
    }
}

// Results cut short by a full device are a failure, whichever output was asked for.
TEST_F(CalcCommandTest, OutputThatCanNotBeWrittenFails) {
    std::string car = Example("V8 Street Car.qrx");
    for (std::vector<std::string> arguments :
         {std::vector{car}, {"--csv", car}, {"--json", car}, {"--gears", "2,1", car}, Slip({})}) {
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

// With the engine stored, the answer and its sentence in JSON tell the quarter-mile seconds of
// the run over the gears of --gears, else the gear row's, as --timeslip takes them.
TEST_F(CalcCommandTest, TheAnswerTellsTheSecondsOfTheStoredEngine) {
    std::string stored = (folder / "stored.qrx").string();
    WriteFileBytes(stored, ReadFileBytes(Example("V8 Street Car.qrx")) +
                               "[Gyrant]\r\nrun.power=350@5500\r\nrun.torque=380@4000\r\n");
    for (auto [arguments, seconds] :
         {std::pair{std::vector<std::string>{"--answer", stored},
                    "0.02 s quicker in the quarter mile (estimate, one gear)"},
          {{"--json", stored}, "0.02 s quicker in the quarter mile (estimate, one gear)"},
          {{"--answer", "--gears", "2.52,1.52,1", stored},
           "0.06 s quicker in the quarter mile (estimate)"}}) {
        ASSERT_EQ(Run(arguments), kCalcDone) << err.str();
        std::string said =
            std::string("1.91 % more acceleration, about ") + seconds + ". Front Tire";
        EXPECT_NE(out.str().find(said), std::string::npos) << out.str();
    }
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

using TimeSlipTest = CalcCommandTest;

// Each mark of the slip has a line with a figure for each vehicle.
TEST_F(TimeSlipTest, EveryMarkShowsBothVehicles) {
    ASSERT_EQ(Run(Slip({})), kCalcDone) << err.str();
    for (const char* mark : {"60 ft", "330 ft", "1/8 mile ET", "1/8 mile mph", "1000 ft",
                             "1/4 mile ET", "1/4 mile mph", "0-60 mph"}) {
        std::regex figures(std::string("\n") + mark + "  +[0-9.]+ +[0-9.]+\n");
        EXPECT_TRUE(std::regex_search(out.str(), figures)) << mark;
    }
    for (const char* said : {"\nProposed is ", "Seconds bought in the 1/4 mile by each part",
                             "The parts' sum, ", "an estimate"})
        EXPECT_NE(out.str().find(said), std::string::npos) << said;
}

// The JSON holds each figure once for each vehicle, the difference and each part's seconds.
TEST_F(TimeSlipTest, JsonHoldsEveryFigure) {
    ASSERT_EQ(Run(Slip({"--json"})), kCalcDone) << err.str();
    const std::string json = out.str();
    for (const char* key : {"sixtyFoot", "threeThirtyFoot", "eighthMileET", "eighthMileMph",
                            "thousandFoot", "quarterMileET", "quarterMileMph", "zeroToSixty"}) {
        std::string field = std::string("\"") + key + "\": [0-9.]+";
        EXPECT_TRUE(std::regex_search(json, std::regex(field + "[\\s\\S]*" + field))) << key;
    }
    for (const char* key :
         {"\"timeslip\": {", "\"baseline\": {", "\"proposed\": {",
          "\"difference\": {\"seconds\": ", "\"feetAhead\": ", "\"parts\": [\n      {\"row\": ",
          "\"description\": ", "\"secondsBought\": "})
        EXPECT_NE(json.find(key), std::string::npos) << key;
}

// How a figure of the slip moved from `before`: less time is quicker.
std::string Moved(double after, double before) {
    return after < before ? "quicker" : after > before ? "slower" : "same";
}

// Each option takes the place of its default, or of the input stored with the worksheet, and moves
// the figure it drives; the stored inputs run without options.
TEST_F(TimeSlipTest, AnOptionReplacesItsDefaultOrItsStoredInput) {
    auto baseline = [this](const std::string& key) {  // the Baseline's figure in the JSON output
        std::size_t at = out.str().find("\"" + key + "\": ");
        return at == std::string::npos ? -1 : std::stod(out.str().substr(at + key.size() + 4));
    };
    ASSERT_EQ(Run(Slip({"--json"})), kCalcDone) << err.str();
    const std::map<std::string, double> before = {{"quarterMileET", baseline("quarterMileET")},
                                                  {"sixtyFoot", baseline("sixtyFoot")}};
    std::string stored = (folder / "stored.qrx").string();
    WriteFileBytes(stored, ReadFileBytes(Example("V8 Street Car.qrx")) +
                               "[Gyrant]\r\nrun.power=350@5500\r\nrun.torque=380@4000\r\n"
                               "run.grip=3\r\nrun.torque-curve=2000:100, 4000:120\r\n");
    for (auto [onStored, options, key, moved] :
         {std::tuple{false, std::vector<std::string>{"--power", "390@5500"}, "quarterMileET",
                     "quicker"},
          {false, {"--torque", "420@4000"}, "quarterMileET", "quicker"},
          {false, {"--grip", "0.5"}, "sixtyFoot", "slower"},
          {false, {"--launch", "1200"}, "sixtyFoot", "slower"},
          {false, {"--shift", "4500"}, "quarterMileET", "slower"},
          {true, {"--power", "350@5500"}, "quarterMileET", "same"},
          {true, {"--power", "350@5500", "--grip", "0.5"}, "sixtyFoot", "slower"},
          {true, {}, "quarterMileET", "slower"}}) {
        std::vector<std::string> arguments =
            onStored ? std::vector<std::string>{"--timeslip", "--gears", "2.52,1.52,1.00", stored}
                     : Slip({});
        arguments.push_back("--json");
        arguments.insert(arguments.end(), options.begin(), options.end());
        ASSERT_EQ(Run(arguments), kCalcDone) << err.str();
        EXPECT_EQ(Moved(baseline(key), before.at(key)), moved)
            << (onStored ? "stored, " : "") << ::testing::PrintToString(options);
    }
}

// The words between `start` and `end` on the first of the text's lines (ended by CR or LF) that
// begins with the one and ends with the other.
std::vector<std::string> WordsBetween(std::string text, const std::string& start,
                                      const std::string& end) {
    std::ranges::replace(text, '\r', '\n');
    std::istringstream lines(text);
    for (std::string line; std::getline(lines, line);) {
        if (line.size() < start.size() + end.size() || !line.starts_with(start) ||
            !line.ends_with(end))
            continue;
        std::istringstream between(
            line.substr(start.size(), line.size() - start.size() - end.size()));
        return {std::istream_iterator<std::string>(between), std::istream_iterator<std::string>()};
    }
    return {};
}

// The help's worked example is what gyrant-calc prints for the command the help shows it with:
// the command and each figure are read out of the help page itself, where each mark's line
// gives the figures first and the mark after a tab.
TEST_F(CalcCommandTest, TheHelpsWorkedExampleIsWhatTheRunPrints) {
    HelpPages help(folder.Path(), kStripHelpTopic);
    while (!help.Title().ends_with("a Worked Example") && help.NextEnabled()) help.Next();
    const std::string& page = help.Text();
    std::size_t from = page.find("\r  gyrant-calc ");
    ASSERT_NE(from, std::string::npos) << help.Title();
    // The command runs on to the page's next blank line; a "\" only continues it.
    std::istringstream shown(page.substr(from, page.find("\r\r", from + 1) - from));
    std::vector<std::string> arguments;
    for (std::string word; shown >> std::quoted(word);)
        if (word != "\\" && word != "gyrant-calc") arguments.push_back(word);
    arguments.back() = (folder / arguments.back()).string();
    ASSERT_EQ(Run(arguments), kCalcDone) << err.str();
    // Where each line's words are in the help, and where gyrant-calc prints them.
    std::vector<std::array<std::string, 3>> lines = {{"  Proposed is ", "", "Proposed is "}};
    for (const SlipMarkShown& mark : SlipMarksShown())
        lines.push_back({"  ", std::string("\t") + mark.label, std::string(mark.label) + " "});
    for (const auto& [helpStart, helpEnd, printedStart] : lines) {
        std::vector<std::string> printed = WordsBetween(out.str(), printedStart, "");
        std::vector<std::string> inHelp = WordsBetween(page, helpStart, helpEnd);
        ASSERT_FALSE(printed.empty()) << printedStart;
        EXPECT_EQ(inHelp, printed) << printedStart;
    }
}

}  // namespace
}  // namespace gyrant
