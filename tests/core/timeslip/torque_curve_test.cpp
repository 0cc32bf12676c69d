#include "timeslip/torque_curve.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace gyrant {
namespace {

struct PeaksCase {
    const char* name;
    EnginePeaks peaks;
    friend void PrintTo(const PeaksCase& c, std::ostream* os) { *os << c.name; }
};

// From a torquey V8 to an engine whose torque falls steeply past its peak: the shapes between
// the peaks take both forms of the power's rise.
const PeaksCase kEngines[] = {
    {"StreetV8", {350, 5500, 380, 4000}},   {"FlatTorqueFour", {150, 5000, 160, 3500}},
    {"PeakyV8", {333, 7000, 380, 4000}},    {"SteepFall", {250, 7000, 380, 3000}},
    {"Motorcycle", {150, 11000, 85, 9000}}, {"BigBlock", {800, 6500, 720, 4500}},
};

class PeaksCurveTest : public ::testing::TestWithParam<PeaksCase> {
  protected:
    TorqueCurve Curve() const {
        TorqueCurveMade made = TorqueCurve::FromPeaks(GetParam().peaks);
        if (!made.curve) throw std::runtime_error(made.outcome.message);
        return *made.curve;
    }
};

// Exactly through both peaks, each the curve's greatest, the power level at its peak.
TEST_P(PeaksCurveTest, PassesThroughBothPeaksAsTheCurvesGreatest) {
    const EnginePeaks& p = GetParam().peaks;
    TorqueCurve curve = Curve();
    EXPECT_NEAR(curve.Torque(p.torqueRpm), p.torque, 1e-9);
    EXPECT_NEAR(curve.Power(p.hpRpm), p.hp, 1e-9);
    for (double rpm = 0; rpm <= 1.6 * p.hpRpm; rpm += 5) {
        EXPECT_LE(curve.Torque(rpm), p.torque + 1e-9) << rpm;
        EXPECT_LE(curve.Power(rpm), p.hp + 1e-9) << rpm;
    }
    // The power is level at its peak: the torque falls as fast as the rpm rises, T' = -T/rpm.
    double d = 1e-3;
    double slope = (curve.Torque(p.hpRpm + d) - curve.Torque(p.hpRpm - d)) / (2 * d);
    EXPECT_NEAR(slope, -curve.Torque(p.hpRpm) / p.hpRpm, 1e-6);
}

INSTANTIATE_TEST_SUITE_P(Engines, PeaksCurveTest, ::testing::ValuesIn(kEngines),
                         [](const auto& c) { return std::string(c.param.name); });

struct RefusedCase {
    const char* name;
    EngineTorque engine;
    const char* message;
};

const RefusedCase kRefused[] = {
    {"PowerPeakBelowTorquePeak",
     {{350, 3500, 380, 4000}, {}},
     "The power peak's rpm (3500) must be above the torque peak's (4000)."},
    {"PowerPeakMoreTorqueThanPeak",
     {{450, 5500, 380, 4000}, {}},
     "450 hp at 5500 rpm is 429.709 lb-ft, not less than the peak torque (380 lb-ft)."},
    {"TorquePeakMorePowerThanPeak",
     {{250, 5500, 380, 4000}, {}},
     "380 lb-ft at 4000 rpm is 289.414 hp, not less than the peak power (250 hp)."},
    {"NoPower",
     {{0, 5500, 380, 4000}, {}},
     "Give peak power, peak torque and their rpm, each above 0."},
    {"OnePoint", {{}, {{3000, 300}}}, "Give at least two rpm and lb-ft points."},
    {"TwoPointsAtOneRpm",
     {{}, {{3000, 300}, {4000, 320}, {3000, 310}}},
     "Two points are at 3000 rpm."},
    {"NegativeTorque",
     {{}, {{3000, 300}, {4000, -1}}},
     "Each point needs an rpm above 0 and a torque of 0 or more."},
};

TEST(RefusedCurveTest, SaysWhyAndMakesNoCurve) {
    for (const RefusedCase& c : kRefused) {
        TorqueCurveMade made = TorqueCurve::Of(c.engine);
        EXPECT_FALSE(made.curve.has_value()) << c.name;
        EXPECT_EQ(made.outcome.message, c.message) << c.name;
    }
}

const std::vector<TorquePoint> kTyped = {
    {5000, 330}, {2000, 250}, {3000, 300}, {4000, 340}, {6000, 290}};

// Through every point; between two, the curve stays between their torques.
TEST(PointsCurveTest, KeepsTheShapeOfThePoints) {
    TorqueCurve curve = *TorqueCurve::FromPoints(kTyped).curve;
    for (const TorquePoint& point : kTyped) EXPECT_DOUBLE_EQ(curve.Torque(point.rpm), point.torque);
    for (double rpm = 2000; rpm <= 3000; rpm += 10) EXPECT_LE(curve.Torque(rpm), 300) << rpm;
    for (double rpm = 4000; rpm <= 5000; rpm += 10) EXPECT_GE(curve.Torque(rpm), 330) << rpm;
    EXPECT_EQ(curve.TorquePeak().rpm, 4000);
    EXPECT_EQ(curve.PowerPeak().rpm, 6000);
    EXPECT_EQ(curve.Torque(1000), 250);
}

}  // namespace
}  // namespace gyrant
