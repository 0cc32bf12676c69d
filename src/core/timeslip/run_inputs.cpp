#include "timeslip/run_inputs.h"

#include <algorithm>
#include <cmath>
#include <sstream>

namespace gyrant {
namespace {

// A limit as the warning writes it: no trailing zeros ("0.3", "20000").
std::string Plain(double value) {
    std::ostringstream text;
    text << value;
    return text.str();
}

}  // namespace

RunInputs DefaultRunInputs(VehicleKind kind) {
    RunInputs in;
    // Stall of a street and strip converter: 1800 to 3500 rpm. A clutch launch is not a fixed
    // figure; 3000 rpm is a moderate street launch that does not bog a V8 or a motorcycle.
    in.launchRpm = kind.automatic ? 2500 : 3000;
    // Shifts: manual 0.2 to 0.5 s, automatic 0.1 to 0.2 s; a motorcycle's sequential box shifts
    // at the quick end of the manual range.
    in.shiftTime = kind.automatic ? 0.15 : kind.motorcycle ? 0.2 : 0.3;
    // Flywheel to wheel: manual 0.85 to 0.90, automatic 0.80 to 0.88.
    in.efficiency = kind.automatic ? 0.84 : 0.87;
    // Street tires on a prepared strip: 0.8 to 1.0. A time slip comes from a prepared strip, so
    // the top of the range.
    in.grip = 1.0;
    // Road tires: 0.010 to 0.015 of the weight.
    in.rollingResistance = 0.012;
    // A coupe's Cd 0.35 on 22 sq ft (Cd 0.30 to 0.40, 20 to 24 sq ft); a motorcycle with its rider
    // 5 to 7 sq ft.
    in.dragArea = kind.motorcycle ? 6.0 : 0.35 * 22;
    // Standard air at sea level.
    in.airDensity = 0.002377;
    // A car's CG 18 to 22 in high on a 100 to 115 in wheelbase; a motorcycle's are too varied to
    // guess, so it runs on its static share alone until they are given.
    if (!kind.motorcycle) {
        in.cgHeight = 20;
        in.wheelbase = 108;
    }
    // Static share on the driven wheels, a typical figure for each layout: a front-engined car
    // carries about 55% in front, a motorcycle with its rider about 55% on the rear wheel.
    in.drivenShare = kind.motorcycle ? 0.55 : kind.frontDrive ? 0.60 : 0.45;
    // Converter torque ratio 1.8 to 2.5 at stall, coupling at a speed ratio of 0.85 to 0.90.
    in.converterStallRatio = 2.0;
    in.couplingSpeedRatio = 0.87;
    // The loaded radius is a little under half the O.D.
    in.loadedRadiusFraction = 0.97;
    return in;
}

double ShiftRpmFor(const RunInputs& inputs, double powerPeakRpm) {
    return inputs.shiftRpm.value_or(1.1 * powerPeakRpm);
}

const std::vector<InputLimit>& RunInputLimits() {
    static const std::vector<InputLimit> kLimits = {
        {RunInput::ShiftRpm, "shift", "Shift rpm", "rpm", 1000, 20000},
        {RunInput::LaunchRpm, "launch", "Launch rpm", "rpm", 500, 15000},
        {RunInput::ShiftTime, "shift-time", "Shift time", "s", 0, 2},
        {RunInput::Efficiency, "efficiency", "Drivetrain efficiency", "", 0.5, 1},
        {RunInput::Grip, "grip", "Grip", "", 0.3, 4},
        {RunInput::RollingResistance, "rolling", "Rolling resistance", "", 0, 0.1},
        {RunInput::DragArea, "drag-area", "Cd x A", "sq ft", 0, 50},
        {RunInput::AirDensity, "air-density", "Air density", "slug/cu ft", 0.0015, 0.003},
        {RunInput::CgHeight, "cg-height", "CG height", "in", 5, 60},
        {RunInput::Wheelbase, "wheelbase", "Wheelbase", "in", 30, 200},
        {RunInput::DrivenShare, "driven-share", "Weight on the driven wheels", "", 0.2, 1},
        {RunInput::ConverterStallRatio, "stall-ratio", "Converter torque ratio at stall", "", 1, 4},
        {RunInput::CouplingSpeedRatio, "coupling", "Converter coupling speed ratio", "", 0.5, 0.99},
        {RunInput::LoadedRadiusFraction, "loaded-radius", "Loaded tire radius", "of half the O.D.",
         0.8, 1},
    };
    return kLimits;
}

const InputLimit& LimitOf(RunInput input) {
    return *std::ranges::find(RunInputLimits(), input, &InputLimit::input);
}

std::optional<double> ValueOf(const RunInputs& in, RunInput input) {
    switch (input) {
        case RunInput::ShiftRpm:
            return in.shiftRpm;
        case RunInput::LaunchRpm:
            return in.launchRpm;
        case RunInput::ShiftTime:
            return in.shiftTime;
        case RunInput::Efficiency:
            return in.efficiency;
        case RunInput::Grip:
            return in.grip;
        case RunInput::RollingResistance:
            return in.rollingResistance;
        case RunInput::DragArea:
            return in.dragArea;
        case RunInput::AirDensity:
            return in.airDensity;
        case RunInput::CgHeight:
            return in.cgHeight;
        case RunInput::Wheelbase:
            return in.wheelbase;
        case RunInput::DrivenShare:
            return in.drivenShare;
        case RunInput::ConverterStallRatio:
            return in.converterStallRatio;
        case RunInput::CouplingSpeedRatio:
            return in.couplingSpeedRatio;
        case RunInput::LoadedRadiusFraction:
            return in.loadedRadiusFraction;
    }
    return std::nullopt;
}

Outcome CheckInput(RunInput input, double value) {
    const InputLimit& limit = LimitOf(input);
    if (std::isfinite(value) && value >= limit.low && value <= limit.high)
        return Outcome::Success();
    std::string unit = *limit.unit ? std::string(" ") + limit.unit : "";
    return Outcome::Failure(std::string(limit.name) + " must be between " + Plain(limit.low) +
                            " and " + Plain(limit.high) + unit + ".");
}

Outcome CheckRunInputs(const RunInputs& inputs) {
    for (const InputLimit& limit : RunInputLimits()) {
        std::optional<double> value = ValueOf(inputs, limit.input);
        if (!value) continue;
        Outcome checked = CheckInput(limit.input, *value);
        if (!checked.ok) return checked;
    }
    return Outcome::Success();
}

}  // namespace gyrant
