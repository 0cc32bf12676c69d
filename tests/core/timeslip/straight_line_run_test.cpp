#include "timeslip/straight_line_run.h"

#include <gtest/gtest.h>

#include <cmath>

#include "analysis/every_gear.h"
#include "support/sheet_fixture.h"
#include "timeslip/time_slip.h"

namespace gyrant {
namespace {

// Flat torque at any rpm, no losses, no grip limit: the only force is torque x ratio / radius.
RunInputs ConstantThrust(double torque) {
    RunInputs in = DefaultRunInputs({});
    in.engine.points = {{100, torque}, {30000, torque}};
    in.efficiency = 1;
    in.grip = 1e9;
    in.cgHeight.reset();
    in.wheelbase.reset();
    in.rollingResistance = 0;
    in.dragArea = 0;
    in.loadedRadiusFraction = 1;
    return in;
}

StripVehicle OneGear(double weight, double ratio) {
    return {{1.0}, {weight}, weight, ratio, 1.0, false, false};
}

double QuarterMileET(const StripVehicle& vehicle, const RunInputs& in, RunSettings settings = {}) {
    TimeSlips slips = RunVehicles({vehicle}, in, settings);
    EXPECT_TRUE(slips.outcome.ok) << slips.outcome.message;
    return slips.outcome.ok ? slips.slips.front().quarterMileET : 0;
}

struct ThrustCase {
    const char* name;
    double weight, ratio, torque;
    friend void PrintTo(const ThrustCase& c, std::ostream* os) { *os << c.name; }
};

const ThrustCase kThrusts[] = {
    {"Light", 2000, 3.0, 300}, {"Heavy", 4500, 3.5, 250}, {"Strong", 3000, 4.1, 700}};

class ConstantThrustTest : public ::testing::TestWithParam<ThrustCase> {};

TEST_P(ConstantThrustTest, CoversTheQuarterMileAsUniformAcceleration) {
    const ThrustCase& c = GetParam();
    double thrust = c.torque * c.ratio;
    double expected = std::sqrt(2 * kQuarterMile * (c.weight / kGravity) / thrust);
    EXPECT_NEAR(QuarterMileET(OneGear(c.weight, c.ratio), ConstantThrust(c.torque)), expected,
                0.0005);
}

INSTANTIATE_TEST_SUITE_P(Vehicles, ConstantThrustTest, ::testing::ValuesIn(kThrusts),
                         [](const auto& c) { return std::string(c.param.name); });

// The V8 street car on a three-speed automatic, at 350 hp @ 5500 and 380 lb-ft @ 4000.
class ExampleRunTest : public testing::ExampleSheetTest {
  protected:
    ExampleRunTest() { inputs.engine.peaks = {350, 5500, 380, 4000}; }
    std::vector<double> ratios = {2.52, 1.52, 1.0};  // a three-speed automatic of the gear list
    RunInputs inputs = DefaultRunInputs(KindOf(sheet, kBaseline));
};

TEST_F(ExampleRunTest, HalvingTheStepChangesTheETByUnderAThousandth) {
    StripVehiclesMade made = VehiclesOnTheStrip(sheet, ratios);
    ASSERT_TRUE(made.outcome.ok) << made.outcome.message;
    for (const StripVehicle& vehicle : made.vehicles)
        EXPECT_LT(std::abs(QuarterMileET(vehicle, inputs, {.step = 0.0005}) -
                           QuarterMileET(vehicle, inputs)),
                  0.001);
}

TEST_F(ExampleRunTest, EachGearWeighsWhatTheEveryGearTableSays) {
    sheet.document.TwoVehicles = 0;
    StripVehicle vehicle = *VehicleOnTheStrip(sheet, kBaseline, ratios).vehicle;
    std::vector<GearFigures> gears = FiguresInEveryGear(sheet, ratios);
    for (std::size_t g = 0; g < ratios.size(); ++g)
        EXPECT_EQ(vehicle.effectiveWeight[g], gears[g].total[0]);
    EXPECT_EQ(vehicle.staticWeight, 3700);
}

TEST_F(ExampleRunTest, ShiftsAreMarkedInTheTraceInOrder) {
    StripVehicle vehicle = *VehicleOnTheStrip(sheet, kBaseline, ratios).vehicle;
    TorqueCurve curve = *TorqueCurve::Of(inputs.engine).curve;
    RunResult run = RunTheStrip(vehicle, inputs, curve, SlipMarks());
    std::vector<int> shiftedFrom;
    for (const TracePoint& point : run.trace)
        if (point.shiftStarts) shiftedFrom.push_back(point.gear);
    EXPECT_EQ(shiftedFrom, (std::vector<int>{0, 1}));
    EXPECT_EQ(run.trace.back().distance, kQuarterMile);
}

// The example with every rotating part taken out but a weightless rear tire (and the engine's
// details, so that no engine is estimated) runs as a point mass of its static weight.
TEST_F(ExampleRunTest, NoRotatingPartsRunsAsAPointMass) {
    for (int row = kCrankshaftRow; row <= kOtherRearRow; ++row)
        for (int column = kColValue; column <= kColUnits; ++column)
            if (row != kRearTireRow) Baseline().SetText(row, column, "");
    Baseline().SetText(kRearTireRow, kColWeight, "0");
    Recalculate(sheet);
    StripVehicle vehicle = *VehicleOnTheStrip(sheet, kBaseline, ratios).vehicle;
    EXPECT_EQ(vehicle.effectiveWeight, std::vector<double>(ratios.size(), 3700));
    StripVehicle pointMass = {
        ratios, std::vector<double>(ratios.size(), 3700), 3700, 3.73, 13.0 / 12, false, true};
    EXPECT_EQ(QuarterMileET(vehicle, inputs), QuarterMileET(pointMass, inputs));
}

struct RefusedCase {
    const char* name;
    SpecRow row;
    int column;
    const char* message;
    friend void PrintTo(const RefusedCase& c, std::ostream* os) { *os << c.name; }
};

const RefusedCase kRefused[] = {
    {"NoVehicleWeight", kVehicleWeightRow, kColValue,
     "The Baseline vehicle has no Vehicle Weight."},
    {"NoFinalDrive", kFinalDriveRow, kColValue,
     "The Baseline vehicle has no Final Drive (or Primary Reduction) ratio."},
    {"NoTire", kRearTireRow, kColOD, "The Baseline vehicle has no driven tire's O.D."},
};

class RefusedVehicleTest : public testing::BlankSheetTest,
                           public ::testing::WithParamInterface<RefusedCase> {};

TEST_P(RefusedVehicleTest, NamesWhatIsMissing) {
    testing::FillSmallCar(Baseline());
    Baseline().SetText(kRearTireRow, kColOD, "26");
    Baseline().SetText(GetParam().row, GetParam().column, "");
    Recalculate(sheet);
    EXPECT_EQ(VehicleOnTheStrip(sheet, kBaseline, {2.52}).outcome.message, GetParam().message);
}

INSTANTIATE_TEST_SUITE_P(Inputs, RefusedVehicleTest, ::testing::ValuesIn(kRefused),
                         [](const auto& c) { return std::string(c.param.name); });

}  // namespace
}  // namespace gyrant
