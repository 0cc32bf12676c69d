#include "timeslip/run_inputs.h"

#include <gtest/gtest.h>

namespace gyrant {
namespace {

struct KindCase {
    const char* name;
    VehicleKind kind;
    double launchRpm, shiftTime, efficiency, dragArea, drivenShare;
    bool weightMoves;  // a CG height and wheelbase are given
};

const KindCase kKinds[] = {
    {"RearDriveManualCar", {false, false, false}, 3000, 0.3, 0.87, 7.7, 0.45, true},
    {"RearDriveAutomaticCar", {false, false, true}, 2500, 0.15, 0.84, 7.7, 0.45, true},
    {"FrontDriveManualCar", {false, true, false}, 3000, 0.3, 0.87, 7.7, 0.60, true},
    {"Motorcycle", {true, false, false}, 3000, 0.2, 0.87, 6.0, 0.55, false},
};

TEST(DefaultsTest, FollowTheKindOfVehicleWithinTheLimits) {
    for (const KindCase& c : kKinds) {
        RunInputs in = DefaultRunInputs(c.kind);
        EXPECT_EQ(in.launchRpm, c.launchRpm) << c.name;
        EXPECT_EQ(in.shiftTime, c.shiftTime) << c.name;
        EXPECT_EQ(in.efficiency, c.efficiency) << c.name;
        EXPECT_DOUBLE_EQ(in.dragArea, c.dragArea) << c.name;
        EXPECT_EQ(in.drivenShare, c.drivenShare) << c.name;
        EXPECT_EQ(in.cgHeight.has_value(), c.weightMoves) << c.name;
        EXPECT_EQ(in.wheelbase.has_value(), c.weightMoves) << c.name;
        in.shiftRpm = 6000;
        EXPECT_TRUE(CheckRunInputs(in).ok) << c.name << ": " << CheckRunInputs(in).message;
    }
}

TEST(RunInputsTest, ShiftsPastThePowerPeakUnlessAShiftRpmIsGiven) {
    RunInputs in = DefaultRunInputs({});
    EXPECT_DOUBLE_EQ(ShiftRpmFor(in, 5500), 6050);
    in.shiftRpm = 5800;
    EXPECT_EQ(ShiftRpmFor(in, 5500), 5800);
}

TEST(RunInputsTest, AValueOutsideItsLimitsGetsTheUsualWarning) {
    RunInputs in = DefaultRunInputs({});
    in.wheelbase = 250;
    EXPECT_EQ(CheckRunInputs(in).message, "Wheelbase must be between 30 and 200 in.");
    EXPECT_EQ(CheckInput(RunInput::Grip, 0.1).message, "Grip must be between 0.3 and 4.");
    EXPECT_TRUE(CheckInput(RunInput::Grip, 4).ok);
}

}  // namespace
}  // namespace gyrant
