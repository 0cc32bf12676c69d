#include "timeslip/run_inputs.h"

#include <gtest/gtest.h>

namespace gyrant {
namespace {

struct KindCase {
    const char* name;
    VehicleKind kind;
    double launchRpm, shiftTime, efficiency, dragArea, drivenShare;
    bool weightMoves;  // a CG height and wheelbase are given
    friend void PrintTo(const KindCase& c, std::ostream* os) { *os << c.name; }
};

const KindCase kKinds[] = {
    {"RearDriveManualCar", {false, false, false}, 3000, 0.3, 0.87, 7.7, 0.45, true},
    {"RearDriveAutomaticCar", {false, false, true}, 2500, 0.15, 0.84, 7.7, 0.45, true},
    {"FrontDriveManualCar", {false, true, false}, 3000, 0.3, 0.87, 7.7, 0.60, true},
    {"Motorcycle", {true, false, false}, 3000, 0.2, 0.87, 6.0, 0.55, false},
};

class DefaultsTest : public ::testing::TestWithParam<KindCase> {};

TEST_P(DefaultsTest, FollowTheKindOfVehicle) {
    const KindCase& c = GetParam();
    RunInputs in = DefaultRunInputs(c.kind);
    EXPECT_EQ(in.launchRpm, c.launchRpm);
    EXPECT_EQ(in.shiftTime, c.shiftTime);
    EXPECT_EQ(in.efficiency, c.efficiency);
    EXPECT_DOUBLE_EQ(in.dragArea, c.dragArea);
    EXPECT_EQ(in.drivenShare, c.drivenShare);
    EXPECT_EQ(in.cgHeight.has_value(), c.weightMoves);
    EXPECT_EQ(in.wheelbase.has_value(), c.weightMoves);
}

TEST_P(DefaultsTest, LieWithinTheirOwnLimits) {
    RunInputs in = DefaultRunInputs(GetParam().kind);
    in.shiftRpm = 6000;
    EXPECT_TRUE(CheckRunInputs(in).ok) << CheckRunInputs(in).message;
}

INSTANTIATE_TEST_SUITE_P(Kinds, DefaultsTest, ::testing::ValuesIn(kKinds),
                         [](const auto& c) { return std::string(c.param.name); });

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
