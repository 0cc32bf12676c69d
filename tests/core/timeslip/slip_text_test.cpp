#include "timeslip/slip_text.h"

#include <gtest/gtest.h>

namespace gyrant {
namespace {

// How close the parts' seconds come to the whole difference, in words; with no whole difference
// there is no share to give.
TEST(PartsSumSentenceTest, SaysHowCloseThePartsComeToTheWhole) {
    PartsTimeBought parts;
    parts.partsSum = 0.052;
    parts.wholeDifference = 0.054;
    EXPECT_EQ(PartsSumSentence(parts),
              "The parts' sum, 0.052 s, is 96 % of the whole difference, 0.054 s.");
    parts.wholeDifference = 0;
    EXPECT_EQ(PartsSumSentence(parts), "The parts' sum is 0.052 s, and the whole difference is 0.");
}

// The tab says where its gears come from, after what the run says of them.
TEST(GearsSourceNoteTest, FollowsTheRunsOwnNote) {
    EXPECT_EQ(GearsSourceNote("").rfind("The gears are those of the In Every Gear tab", 0), 0u);
    EXPECT_EQ(GearsSourceNote("The run had one gear (2.52).")
                  .rfind("The run had one gear (2.52). The gears are", 0),
              0u);
}

}  // namespace
}  // namespace gyrant
