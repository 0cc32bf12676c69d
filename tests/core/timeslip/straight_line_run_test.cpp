#include "timeslip/straight_line_run.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <tuple>

#include "analysis/every_gear.h"
#include "example_run.h"
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

// A light, a heavy and a strong car (weight, overall ratio, torque) on a 1 ft tire.
TEST(ConstantThrustTest, CoversTheQuarterMileAsUniformAcceleration) {
    for (auto [weight, ratio, torque] :
         {std::array{2000.0, 3.0, 300.0}, {4500.0, 3.5, 250.0}, {3000.0, 4.1, 700.0}}) {
        double expected = std::sqrt(2 * kQuarterMile * (weight / kGravity) / (torque * ratio));
        EXPECT_NEAR(QuarterMileET(OneGear(weight, ratio), ConstantThrust(torque)), expected, 0.0005)
            << weight;
    }
}

using testing::ExampleRunTest;

TEST_F(ExampleRunTest, HalvingTheStepChangesTheETByUnderAThousandth) {
    StripVehiclesMade made = VehiclesOnTheStrip(sheet, ratios);
    ASSERT_TRUE(made.outcome.ok) << made.outcome.message;
    for (const StripVehicle& vehicle : made.vehicles)
        EXPECT_LT(std::abs(QuarterMileET(vehicle, inputs, {.step = 0.0005}) -
                           QuarterMileET(vehicle, inputs)),
                  0.001);
}

TEST_F(ExampleRunTest, EachGearWeighsWhatTheEveryGearTableSays) {
    StripVehicle vehicle = *VehicleOnTheStrip(sheet, kBaseline, ratios).vehicle;
    std::vector<GearFigures> gears = FiguresInEveryGear(sheet, ratios);
    for (std::size_t g = 0; g < ratios.size(); ++g)
        EXPECT_EQ(vehicle.effectiveWeight[g], gears[g].total[0]);
    EXPECT_EQ(vehicle.staticWeight, 3700);
}

TEST_F(ExampleRunTest, ShiftsAreMarkedInTheTraceInOrder) {
    StripVehicle vehicle = *VehicleOnTheStrip(sheet, kBaseline, ratios).vehicle;
    RunResult run =
        RunTheStrip(vehicle, inputs, *TorqueCurve::Of(inputs.engine).curve, SlipMarks());
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

// A small car with a rear tire, each time without one of what the run needs.
class RefusedVehicleTest : public testing::BlankSheetTest {};

TEST_F(RefusedVehicleTest, NamesWhatIsMissing) {
    const std::tuple<int, int, const char*> cases[] = {
        {kVehicleWeightRow, kColValue, "The Baseline vehicle has no Vehicle Weight."},
        {kFinalDriveRow, kColValue,
         "The Baseline vehicle has no Final Drive (or Primary Reduction) ratio."},
        {kRearTireRow, kColOD, "The Baseline vehicle has no driven tire's O.D."}};
    for (auto [row, column, message] : cases) {
        testing::FillSmallCar(Baseline());
        Baseline().SetText(kRearTireRow, kColOD, "26");
        Baseline().SetText(row, column, "");
        Recalculate(sheet);
        EXPECT_EQ(VehicleOnTheStrip(sheet, kBaseline, {2.52}).outcome.message, message);
    }
}

}  // namespace
}  // namespace gyrant
