#include "timeslip/strip_run.h"

#include <gtest/gtest.h>

#include "example_run.h"
#include "files/gear_list.h"

namespace gyrant {
namespace {

struct ClauseCase {
    const char* name;
    bool ran;
    int gears;
    std::optional<double> seconds;
    const char* clause;
    friend void PrintTo(const ClauseCase& c, std::ostream* os) { *os << c.name; }
};

const ClauseCase kClauses[] = {
    {"Quicker", true, 3, 0.0649, "about 0.06 s quicker in the quarter mile (estimate)"},
    {"Slower", true, 3, -0.1, "about 0.10 s slower in the quarter mile (estimate)"},
    {"UnderAHundredth", true, 3, -0.004, "no quicker in the quarter mile (estimate)"},
    {"InOneGear", true, 1, 0.02, "about 0.02 s quicker in the quarter mile (estimate, one gear)"},
    {"OneVehicle", true, 3, std::nullopt, ""},
    {"NoRun", false, 3, 0.5, ""},
};

class SecondsClauseTest : public ::testing::TestWithParam<ClauseCase> {};

// The answer tells the seconds to the hundredth, as a time slip does, and only from a run.
TEST_P(SecondsClauseTest, TellsTheQuarterMileDifference) {
    StripRun run;
    run.outcome = GetParam().ran ? Outcome::Success() : Outcome::Failure("no engine");
    run.slips.gears = GetParam().gears;
    if (GetParam().seconds) run.slips.difference = SlipDifference{*GetParam().seconds, 0};
    EXPECT_EQ(SecondsClause(run), GetParam().clause);
}

INSTANTIATE_TEST_SUITE_P(Runs, SecondsClauseTest, ::testing::ValuesIn(kClauses),
                         [](const auto& test) { return std::string(test.param.name); });

class StripRunTest : public testing::ExampleRunTest {};

// The answer's seconds are the worksheet's own run's, over the gears the every-gear view kept,
// else the gear row's; none without the engine, none over refused gears.
TEST_F(StripRunTest, TheAnswersSecondsAreTheWorksheetsOwnRunOverTheKeptGears) {
    EXPECT_EQ(SecondsClauseOf(sheet, ratios), "");
    sheet.document.RunEntries = {{"power", "350@5500"}, {"torque", "380@4000"}};
    EXPECT_EQ(SecondsClauseOf(sheet, ratios),
              "about 0.06 s quicker in the quarter mile (estimate)");
    EXPECT_EQ(KeptGearRatios(sheet), std::vector<double>{2.52});
    ASSERT_TRUE(KeepGearList(sheet, "2.52, 1.52, 1").ok);
    EXPECT_EQ(KeptGearRatios(sheet), ratios);
    EXPECT_EQ(RunGearRatios("2.52, x", sheet), std::vector<double>{});
}

}  // namespace
}  // namespace gyrant
