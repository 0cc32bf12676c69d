#include "timeslip/parts_time_bought.h"

#include <gtest/gtest.h>

#include "example_run.h"
#include "timeslip/time_slip.h"

namespace gyrant {
namespace {

class PartsTest : public testing::ExampleRunTest {
  protected:
    PartsTimeBought Bought() { return TimeBoughtByEachPart(sheet, inputs, ratios); }
};

TEST_F(PartsTest, EachLighterPartBuysTimeMostFirstNearlyAddingUp) {
    PartsTimeBought bought = Bought();
    ASSERT_TRUE(bought.outcome.ok) << bought.outcome.message;
    ASSERT_EQ(bought.parts.size(), 5u);  // the driveshaft and the wheels and tires
    for (std::size_t i = 1; i < bought.parts.size(); ++i)
        EXPECT_GE(bought.parts[i - 1].secondsBought, bought.parts[i].secondsBought);
    for (const PartTimeBought& part : bought.parts) EXPECT_GT(part.secondsBought, 0) << part.row;
    // Bought separately, they add up to nearly what they buy together.
    EXPECT_EQ(bought.wholeDifference, RunTimeSlips(sheet, inputs, ratios).difference->seconds);
    EXPECT_NEAR(*bought.SumPercentOfWhole(), 100, 5);
}

// Only the row changed counts: a Proposed that differs from the Baseline in its flywheel alone
// buys with it exactly the whole difference.
TEST_F(PartsTest, OnePartChangedBuysTheWholeDifference) {
    ProposedAsBaseline();
    Proposed().SetText(kFlywheelRow, kColWeight, "15");
    Recalculate(sheet);
    PartsTimeBought bought = Bought();
    ASSERT_EQ(bought.parts.size(), 1u);
    EXPECT_EQ(bought.parts.front().row, kFlywheelRow);
    EXPECT_EQ(bought.parts.front().secondsBought, bought.wholeDifference);
}

TEST_F(PartsTest, OneVehicleHasNoPartsToCompare) {
    sheet.document.TwoVehicles = 0;
    EXPECT_EQ(Bought().outcome.message, "The time each part buys needs both vehicles.");
}

}  // namespace
}  // namespace gyrant
