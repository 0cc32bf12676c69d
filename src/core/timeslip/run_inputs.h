#pragma once

// The inputs of a straight-line run from a standing start: the engine's torque, the launch and the
// shifts, the drivetrain's losses, the tires' grip and the air. Every number has a default by the
// kind of vehicle and limits the window checks an entry against. Units: rpm, seconds, pounds,
// feet and inches as each field says; both vehicles of a worksheet run with the same inputs.

#include <optional>
#include <string>
#include <vector>

#include "outcome.h"

namespace gyrant {

// The engine from its two peaks: peak power (hp) at its rpm and peak torque (lb-ft) at its rpm.
struct EnginePeaks {
    double hp = 0;
    double hpRpm = 0;
    double torque = 0;
    double torqueRpm = 0;
};

// One point of a typed torque curve.
struct TorquePoint {
    double rpm = 0;
    double torque = 0;  // lb-ft
};

// The engine's torque: typed points when any are given, otherwise the two peaks.
struct EngineTorque {
    EnginePeaks peaks;
    std::vector<TorquePoint> points;
};

// What the defaults are chosen for: the worksheet's flags of the vehicle.
struct VehicleKind {
    bool motorcycle = false;
    bool frontDrive = false;
    bool automatic = false;  // the converter row holds a converter
};

struct RunInputs {
    EngineTorque engine;
    std::optional<double> shiftRpm;   // unset: 10% past the power peak (ShiftRpmFor)
    double launchRpm = 0;             // a converter's stall, or a clutch launch
    double shiftTime = 0;             // s, drive cut while the gear changes
    double efficiency = 0;            // flywheel to driven wheels
    double grip = 0;                  // peak friction coefficient of the driven tires
    double rollingResistance = 0;     // share of the static weight
    double dragArea = 0;              // Cd x A, sq ft
    double airDensity = 0;            // slug/cu ft
    std::optional<double> cgHeight;   // in; with the wheelbase, weight moves under thrust
    std::optional<double> wheelbase;  // in
    double drivenShare = 0;           // share of the static weight on the driven wheels
    double converterStallRatio = 0;   // torque ratio at stall, automatic only
    double couplingSpeedRatio = 0;    // speed ratio where the converter stops multiplying
    double loadedRadiusFraction = 0;  // loaded tire radius over half the tire's O.D.
};

// The defaults for a kind of vehicle; the engine is left for the user to give.
RunInputs DefaultRunInputs(VehicleKind kind);

// The shift rpm given, or 10% past the power peak's rpm when none is, so that the next gear
// starts near the torque peak.
double ShiftRpmFor(const RunInputs& inputs, double powerPeakRpm);

// The numbers a user types, each with its name, unit and limits.
enum class RunInput {
    ShiftRpm,
    LaunchRpm,
    ShiftTime,
    Efficiency,
    Grip,
    RollingResistance,
    DragArea,
    AirDensity,
    CgHeight,
    Wheelbase,
    DrivenShare,
    ConverterStallRatio,
    CouplingSpeedRatio,
    LoadedRadiusFraction,
};

struct InputLimit {
    RunInput input;
    const char* key;  // kept by this name with the worksheet, and gyrant-calc's option "--key"
    const char* name;
    const char* unit;  // empty for a plain ratio
    double low;
    double high;
};

const std::vector<InputLimit>& RunInputLimits();
const InputLimit& LimitOf(RunInput input);

// The input's value; nothing for an optional one not given.
std::optional<double> ValueOf(const RunInputs& inputs, RunInput input);

// The usual warning for a value outside its limits ("Grip must be between 0.3 and 4.");
// success inside them.
Outcome CheckInput(RunInput input, double value);

// Every input given checked against its limits; the first one outside is the failure.
Outcome CheckRunInputs(const RunInputs& inputs);

}  // namespace gyrant
