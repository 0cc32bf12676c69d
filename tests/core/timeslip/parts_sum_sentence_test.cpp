#include <gtest/gtest.h>

#include "timeslip/slip_text.h"

namespace gyrant {
namespace {

struct SumCase {
    const char* name;
    double partsSum;
    double whole;
    const char* sentence;
    friend void PrintTo(const SumCase& c, std::ostream* os) { *os << c.name; }
};

const SumCase kSums[] = {
    {"NearlyTheWhole", 0.052, 0.054,
     "The parts' sum, 0.052 s, is 96 % of the whole difference, 0.054 s."},
    {"NoWholeDifference", 0.001, 0, "The parts' sum is 0.001 s, and the whole difference is 0."},
};

class PartsSumSentenceTest : public ::testing::TestWithParam<SumCase> {};

// How close the parts' seconds come to the whole difference, in words.
TEST_P(PartsSumSentenceTest, SaysHowCloseThePartsComeToTheWhole) {
    PartsTimeBought parts;
    parts.partsSum = GetParam().partsSum;
    parts.wholeDifference = GetParam().whole;
    EXPECT_EQ(PartsSumSentence(parts), GetParam().sentence);
}

INSTANTIATE_TEST_SUITE_P(Sums, PartsSumSentenceTest, ::testing::ValuesIn(kSums),
                         [](const auto& test) { return std::string(test.param.name); });

}  // namespace
}  // namespace gyrant
