#include "timeslip/time_slip.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "support/sheet_fixture.h"

namespace gyrant {
namespace {

// The V8 street car example on a three-speed automatic, at 350 hp @ 5500 and 380 lb-ft @ 4000.
class SlipTest : public testing::ExampleSheetTest {
  protected:
    SlipTest() { inputs.engine.peaks = {350, 5500, 380, 4000}; }
    // The Proposed table made the Baseline's, cell for cell.
    void ProposedAsBaseline() {
        for (int row = kFirstSpecRow; row <= kLastSpecRow; ++row)
            for (int column = 0; column < kBaselineColumns; ++column)
                Proposed().SetText(row, column, Baseline().Text(row, column));
        Recalculate(sheet);
    }
    TimeSlips Run() { return RunTimeSlips(sheet, inputs, ratios); }
    std::vector<double> ratios = {2.52, 1.52, 1.0};  // a three-speed automatic of the gear list
    RunInputs inputs = DefaultRunInputs(KindOf(sheet, kBaseline));
};

TEST_F(SlipTest, IdenticalTablesGiveExactlyNoDifference) {
    ProposedAsBaseline();
    TimeSlips slips = Run();
    ASSERT_TRUE(slips.outcome.ok) << slips.outcome.message;
    EXPECT_EQ(slips.difference->seconds, 0);
    EXPECT_EQ(slips.difference->feetAhead, 0);
}

// The marks come in the order a vehicle passes them, and 0-60 mph before the quarter mile.
TEST_F(SlipTest, MarksFallInOrder) {
    TimeSlip slip = Run().slips.front();
    EXPECT_LT(slip.sixtyFoot, slip.threeThirtyFoot);
    EXPECT_LT(slip.threeThirtyFoot, slip.eighthMileET);
    EXPECT_LT(slip.eighthMileET, slip.thousandFoot);
    EXPECT_LT(slip.thousandFoot, slip.quarterMileET);
    EXPECT_LT(slip.eighthMileMph, slip.quarterMileMph);
    EXPECT_LT(*slip.zeroToSixty, slip.quarterMileET);
}

// Lighter wheels, tires and driveshaft: the Proposed is quicker, and ahead at the finish by
// about its advance in time at its speed there.
TEST_F(SlipTest, TheLighterProposedIsAheadAtTheFinish) {
    TimeSlips slips = Run();
    EXPECT_GT(slips.difference->seconds, 0);
    double speed = slips.slips[kBaseline].quarterMileMph * kFeetPerSecondPerMph;
    EXPECT_NEAR(slips.difference->feetAhead, slips.difference->seconds * speed, 0.05);
}

struct HeavierCase {
    const char* name;
    int row;
    friend void PrintTo(const HeavierCase& c, std::ostream* os) { *os << c.name; }
};

// Rows whose weight is typed ("Use Wt").
const HeavierCase kHeavier[] = {{"Flywheel", kFlywheelRow},
                                {"Converter", kFlywheelRow + 1},
                                {"RingGear", kRingGearRow},
                                {"RearTire", kRearTireRow}};

class HeavierPartTest : public SlipTest, public ::testing::WithParamInterface<HeavierCase> {};

TEST_P(HeavierPartTest, NeverGivesAQuickerET) {
    ProposedAsBaseline();
    int row = GetParam().row;
    double weight = NumericValue(Baseline().Text(row, kColWeight));
    Proposed().SetText(row, kColWeight, PlainNumber(weight + 5));
    Recalculate(sheet);
    TimeSlips slips = Run();
    EXPECT_LT(slips.difference->seconds, 0);
}

INSTANTIATE_TEST_SUITE_P(Parts, HeavierPartTest, ::testing::ValuesIn(kHeavier),
                         [](const auto& c) { return std::string(c.param.name); });

TEST_F(SlipTest, ASingleRatioIsSaidToBeOneGear) {
    EXPECT_EQ(RunTimeSlips(sheet, inputs, {1.0}).gears, 1);
    EXPECT_EQ(GearsNote({1.0}), "The run had one gear (1).");
    EXPECT_EQ(GearsNote(ratios), "");
}

// Typical cars from 150 to 800 hp and 2000 to 4500 lb on high grip, geared to cross the line
// near their shift rpm in top, with the example's rotating parts: the run's ET and trap speed
// land within 10% of the classic estimate from power and weight.
struct ClassicCase {
    const char* name;
    double hp, weight;
    friend void PrintTo(const ClassicCase& c, std::ostream* os) { *os << c.name; }
};

const ClassicCase kClassic[] = {
    {"Economy150hp2600lb", 150, 2600}, {"Hatch200hp2000lb", 200, 2000},
    {"Sedan250hp3500lb", 250, 3500},   {"Truck300hp4500lb", 300, 4500},
    {"V8350hp3700lb", 350, 3700},      {"Muscle450hp3800lb", 450, 3800},
    {"Big600hp4200lb", 600, 4200},     {"Race800hp3000lb", 800, 3000},
};

class ClassicTest : public SlipTest, public ::testing::WithParamInterface<ClassicCase> {
  protected:
    StripVehicle Car(const ClassicCase& c) {
        sheet.document.TwoVehicles = 0;
        StripVehicle car = VehiclesOnTheStrip(sheet, ratios).vehicles.front();
        for (double& weight : car.effectiveWeight) weight += c.weight - car.staticWeight;
        car.staticWeight = c.weight;
        double trap = 1.05 * ClassicTrap(c) * kFeetPerSecondPerMph;
        double shiftRpm = ShiftRpmFor(inputs, 6000);
        car.driveRatio = shiftRpm / (trap / (car.tireRadius * inputs.loadedRadiusFraction) * 30 /
                                     std::numbers::pi * ratios.back());
        return car;
    }
    static double ClassicET(const ClassicCase& c) { return 5.825 * std::cbrt(c.weight / c.hp); }
    static double ClassicTrap(const ClassicCase& c) { return 234 * std::cbrt(c.hp / c.weight); }
};

TEST_P(ClassicTest, LandsWithinTenPercentOfTheClassicEstimate) {
    const ClassicCase& c = GetParam();
    inputs.engine.peaks = {c.hp, 6000, 1.15 * c.hp * kPowerConstant / 6000, 4200};
    inputs.grip = 1.8;
    TimeSlips slips = RunVehicles({Car(c)}, inputs);
    ASSERT_TRUE(slips.outcome.ok) << slips.outcome.message;
    EXPECT_NEAR(slips.slips[0].quarterMileET / ClassicET(c), 1, 0.1);
    EXPECT_NEAR(slips.slips[0].quarterMileMph / ClassicTrap(c), 1, 0.1);
}

INSTANTIATE_TEST_SUITE_P(Cars, ClassicTest, ::testing::ValuesIn(kClassic),
                         [](const auto& c) { return std::string(c.param.name); });

}  // namespace
}  // namespace gyrant
