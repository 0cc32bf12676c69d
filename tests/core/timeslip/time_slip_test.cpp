#include "timeslip/time_slip.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <numbers>

#include "example_run.h"

namespace gyrant {
namespace {

class SlipTest : public testing::ExampleRunTest {
  protected:
    TimeSlips Run() { return RunTimeSlips(sheet, inputs, ratios); }
};

TEST_F(SlipTest, IdenticalTablesGiveExactlyNoDifference) {
    ProposedAsBaseline();
    TimeSlips slips = Run();
    ASSERT_TRUE(slips.outcome.ok) << slips.outcome.message;
    EXPECT_EQ(slips.difference->seconds, 0);
    EXPECT_EQ(slips.difference->feetAhead, 0);
}

// Lighter wheels, tires and driveshaft: the Proposed is quicker, and ahead at the finish by
// about its advance in time at its speed there.
TEST_F(SlipTest, TheLighterProposedIsAheadAtTheFinish) {
    TimeSlips slips = Run();
    EXPECT_GT(slips.difference->seconds, 0);
    double speed = slips.slips[kBaseline].quarterMileMph * kFeetPerSecondPerMph;
    EXPECT_NEAR(slips.difference->feetAhead, slips.difference->seconds * speed, 0.05);
}

// Each a row whose weight is typed ("Use Wt"): flywheel, converter, ring gear, rear tire.
TEST_F(SlipTest, AHeavierRotatingPartNeverGivesAQuickerET) {
    for (int row : std::array<int, 4>{kFlywheelRow, kFlywheelRow + 1, kRingGearRow, kRearTireRow}) {
        ProposedAsBaseline();
        double weight = NumericValue(Baseline().Text(row, kColWeight));
        Proposed().SetText(row, kColWeight, PlainNumber(weight + 5));
        Recalculate(sheet);
        EXPECT_LT(Run().difference->seconds, 0) << row;
    }
}

TEST_F(SlipTest, ASingleRatioIsSaidToBeOneGear) {
    EXPECT_EQ(RunTimeSlips(sheet, inputs, {1.0}).gears, 1);
    EXPECT_EQ(GearsNote({1.0}), "The run had one gear (1).");
    EXPECT_EQ(GearsNote(ratios), "");
}

// Typical cars from 150 to 800 hp and 2000 to 4500 lb on high grip, with the example's rotating
// parts, geared to cross the line near their shift rpm in top: the run's ET and trap speed land
// within 10% of the classic estimate from power and weight (5.825 (W/hp)^1/3, 234 (hp/W)^1/3).
TEST_F(SlipTest, LandsWithinTenPercentOfTheClassicEstimate) {
    sheet.document.TwoVehicles = 0;
    const StripVehicle example = VehiclesOnTheStrip(sheet, ratios).vehicles.front();
    inputs.grip = 1.8;
    const std::pair<double, double> hpAndWeight[] = {{150, 2600}, {200, 2000}, {250, 3500},
                                                     {300, 4500}, {350, 3700}, {450, 3800},
                                                     {600, 4200}, {800, 3000}};
    for (auto [hp, weight] : hpAndWeight) {
        StripVehicle car = example;
        for (double& w : car.effectiveWeight) w += weight - example.staticWeight;
        car.staticWeight = weight;
        double trap = 234 * std::cbrt(hp / weight);
        double speedAtShift = 1.05 * trap * kFeetPerSecondPerMph;
        car.driveRatio = ShiftRpmFor(inputs, 6000) * std::numbers::pi / 30 *
                         (car.tireRadius * inputs.loadedRadiusFraction) / speedAtShift /
                         ratios.back();
        inputs.engine.peaks = {hp, 6000, 1.15 * hp * kPowerConstant / 6000, 4200};
        TimeSlip slip = RunVehicles({car}, inputs).slips.at(0);
        EXPECT_NEAR(slip.quarterMileET / (5.825 * std::cbrt(weight / hp)), 1, 0.1) << hp;
        EXPECT_NEAR(slip.quarterMileMph / trap, 1, 0.1) << hp;
    }
}

}  // namespace
}  // namespace gyrant
