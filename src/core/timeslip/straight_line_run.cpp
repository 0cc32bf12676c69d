#include "timeslip/straight_line_run.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "analysis/every_gear.h"
#include "analysis/weight_shares.h"
#include "engine/ratios.h"
#include "model/spec_rows.h"
#include "text/cell_text.h"

namespace gyrant {
namespace {

constexpr double kRpmPerRadianPerSecond = 60 / (2 * std::numbers::pi);

double Cell(const SpecTable& table, int row, int column) {
    return NumericValue(table.Text(row, column));
}

// The driven tire's radius in feet, by the rule the tables' speed factors follow (a missing tire
// taken from its wheel).
double DrivenTireRadius(const Worksheet& sheet, int index) {
    Worksheet copy;
    copy.document.tables = sheet.document.tables;
    copy.derived.flags = sheet.derived.flags;
    GetRatios(copy, index);
    double factor = copy.derived.Speeds.DrivenWheelFactor;
    return factor > 0 ? 1 / factor : 0;
}

double DriveRatio(const Worksheet& sheet, int index) {
    const SpecTable& table = sheet.Table(index);
    double ratio = Cell(table, kFinalDriveRow, kColValue);
    if (sheet.Flags(index).HasPrimaryReduction != 0)
        ratio *= Cell(table, kPrimaryReductionRow, kColValue);
    return ratio;
}

Outcome CheckVehicle(const StripVehicle& vehicle, int index) {
    std::string name = std::string("The ") + VehicleName(index) + " vehicle";
    if (vehicle.staticWeight <= 0) return Outcome::Failure(name + " has no Vehicle Weight.");
    if (vehicle.driveRatio <= 0)
        return Outcome::Failure(name + " has no Final Drive (or Primary Reduction) ratio.");
    if (vehicle.tireRadius <= 0) return Outcome::Failure(name + " has no driven tire's O.D.");
    return Outcome::Success();
}

// The answer's rule: only the Proposed car may be taken as lighter by its parts.
double LighterBy(const Worksheet& sheet, int index) {
    return index == kProposed ? ProposedWeightAdjustment(sheet) : 0;
}

StripVehicleMade MakeVehicle(const Worksheet& sheet, int index, const std::vector<double>& ratios,
                             const std::vector<GearFigures>& gears, double lighter) {
    StripVehicle vehicle;
    vehicle.gearRatios = ratios;
    for (const GearFigures& gear : gears)
        vehicle.effectiveWeight.push_back(gear.total[static_cast<std::size_t>(index)] - lighter);
    vehicle.staticWeight = Cell(sheet.Table(index), kVehicleTotalRow, kColWeight) - lighter;
    vehicle.driveRatio = DriveRatio(sheet, index);
    vehicle.tireRadius = DrivenTireRadius(sheet, index);
    vehicle.frontDrive = sheet.Flags(index).FrontDrive == 1;
    vehicle.automatic = sheet.Flags(index).HasConverter != 0;
    Outcome checked = CheckVehicle(vehicle, index);
    if (!checked.ok) return {std::nullopt, checked};
    return {vehicle, checked};
}

// Grip x the weight on the driven wheels, with the weight that thrust moves onto them (rear
// drive) or off them (front drive): solved for the thrust that just spins the tires.
double GripLimit(const StripVehicle& vehicle, const RunInputs& in) {
    double driven = in.drivenShare * vehicle.staticWeight;
    if (!in.cgHeight || !in.wheelbase) return in.grip * driven;
    double transfer = in.grip * *in.cgHeight / *in.wheelbase;
    if (vehicle.frontDrive) return in.grip * driven / (1 + transfer);
    if (transfer >= 1) return in.grip * vehicle.staticWeight;
    return in.grip * std::min(vehicle.staticWeight, driven / (1 - transfer));
}

struct State {
    double time = 0;
    double distance = 0;
    double speed = 0;
};

// The forces on one vehicle with one set of inputs.
class Strip {
  public:
    Strip(const StripVehicle& vehicle, const RunInputs& in, const TorqueCurve& curve)
        : m_vehicle(vehicle),
          m_in(in),
          m_curve(curve),
          m_radius(vehicle.tireRadius * in.loadedRadiusFraction),
          m_gripLimit(GripLimit(vehicle, in)),
          m_rolling(in.rollingResistance * vehicle.staticWeight),
          m_drag(0.5 * in.airDensity * in.dragArea) {}

    // The speed at which the drivetrain turns the engine at an rpm in a gear.
    double SpeedAt(double rpm, std::size_t gear) const { return rpm / RpmPerSpeed(gear); }

    State Step(const State& s, double h, std::size_t gear, bool driving) const {
        auto a = [&](double v) { return Acceleration(v, gear, driving); };
        double k1 = a(s.speed);
        double k2 = a(s.speed + h / 2 * k1);
        double k3 = a(s.speed + h / 2 * k2);
        double k4 = a(s.speed + h * k3);
        double distance = s.speed + h / 6 * (k1 + k2 + k3);
        return {s.time + h, s.distance + h * distance,
                s.speed + h / 6 * (k1 + 2 * k2 + 2 * k3 + k4)};
    }

  private:
    double RpmPerSpeed(std::size_t gear) const {
        return m_vehicle.gearRatios[gear] * m_vehicle.driveRatio / m_radius *
               kRpmPerRadianPerSecond;
    }

    double ConverterRatio(double speedRatio) const {
        if (!m_vehicle.automatic || speedRatio >= m_in.couplingSpeedRatio) return 1;
        return m_in.converterStallRatio -
               (m_in.converterStallRatio - 1) * speedRatio / m_in.couplingSpeedRatio;
    }

    double Thrust(double speed, std::size_t gear) const {
        double driven = std::max(speed, 0.0) * RpmPerSpeed(gear);
        double engine = std::max(m_in.launchRpm, driven);
        double overall = m_vehicle.gearRatios[gear] * m_vehicle.driveRatio;
        double thrust = m_curve.Torque(engine) * ConverterRatio(driven / engine) * overall *
                        m_in.efficiency / m_radius;
        return std::min(thrust, m_gripLimit);
    }

    double Acceleration(double speed, std::size_t gear, bool driving) const {
        double net = (driving ? Thrust(speed, gear) : 0) - m_drag * speed * speed - m_rolling;
        if (speed <= 0 && net < 0) return 0;
        return net * kGravity / m_vehicle.effectiveWeight[gear];
    }

    const StripVehicle& m_vehicle;
    const RunInputs& m_in;
    const TorqueCurve& m_curve;
    double m_radius;
    double m_gripLimit;
    double m_rolling;
    double m_drag;
};

Outcome CheckRun(const StripVehicle& v, const RunInputs& in, const RunSettings& settings) {
    if (!(settings.step > 0) || !(settings.traceEvery > 0))
        return Outcome::Failure("The run's step and the trace's spacing must be above 0.");
    bool weights = v.effectiveWeight.size() == v.gearRatios.size() &&
                   std::ranges::all_of(v.effectiveWeight, [](double w) { return w > 0; });
    bool ratios = std::ranges::all_of(v.gearRatios, [](double r) { return r > 0; });
    if (v.gearRatios.empty() || !weights || !ratios || !(v.staticWeight > 0) ||
        !(v.driveRatio > 0) || !(v.tireRadius * in.loadedRadiusFraction > 0))
        return Outcome::Failure(
            "The run needs at least one gear, and every weight, ratio and radius above 0.");
    return Outcome::Success();
}

// The run's bookkeeping: the marks passed within each step, and the trace.
class RunLog {
  public:
    RunLog(const RunMarks& marks, double traceEvery, RunResult& result)
        : m_marks(marks), m_traceEvery(traceEvery), m_result(result) {
        result.atDistance.assign(marks.distances.size(), std::nullopt);
        result.atSpeed.assign(marks.speeds.size(), std::nullopt);
        result.trace.push_back({});
    }

    void Passed(const State& from, const State& to, std::size_t gear) {
        for (std::size_t i = 0; i < m_marks.distances.size(); ++i) {
            double d = m_marks.distances[i];
            if (m_result.atDistance[i] || to.distance < d) continue;
            double f = (d - from.distance) / (to.distance - from.distance);
            m_result.atDistance[i] =
                MarkPassed{Between(from.time, to.time, f), Between(from.speed, to.speed, f)};
        }
        for (std::size_t i = 0; i < m_marks.speeds.size(); ++i) {
            double v = m_marks.speeds[i];
            if (m_result.atSpeed[i] || to.speed < v) continue;
            m_result.atSpeed[i] =
                Between(from.time, to.time, (v - from.speed) / (to.speed - from.speed));
        }
        if (to.time >= m_nextTrace - 1e-9) {
            Trace(to, gear, false);
            m_nextTrace += m_traceEvery;
        }
    }

    void Trace(const State& s, std::size_t gear, bool shiftStarts) {
        m_result.trace.push_back(
            {s.time, s.speed, s.distance, static_cast<int>(gear), shiftStarts});
    }

    // The finish as the trace's last point, found within the step.
    void Finish(const State& from, const State& to, double finish, std::size_t gear) {
        double f = (finish - from.distance) / (to.distance - from.distance);
        Trace({Between(from.time, to.time, f), finish, Between(from.speed, to.speed, f)}, gear,
              false);
    }

  private:
    static double Between(double a, double b, double f) { return a + (b - a) * f; }

    const RunMarks& m_marks;
    double m_traceEvery;
    double m_nextTrace = m_traceEvery;
    RunResult& m_result;
};

}  // namespace

VehicleKind KindOf(const Worksheet& sheet, int index) {
    const VehicleFlags& flags = sheet.Flags(index);
    return {flags.IsMotorcycle != 0, flags.FrontDrive == 1, flags.HasConverter != 0};
}

StripVehicleMade VehicleOnTheStrip(const Worksheet& sheet, int index,
                                   const std::vector<double>& ratios) {
    return VehicleOnTheStrip(sheet, index, ratios, LighterBy(sheet, index));
}

StripVehicleMade VehicleOnTheStrip(const Worksheet& sheet, int index,
                                   const std::vector<double>& ratios, double lighterBy) {
    return MakeVehicle(sheet, index, ratios, FiguresInEveryGear(sheet, ratios), lighterBy);
}

StripVehiclesMade VehiclesOnTheStrip(const Worksheet& sheet, const std::vector<double>& ratios) {
    std::vector<GearFigures> gears = FiguresInEveryGear(sheet, ratios);
    StripVehiclesMade made;
    int last = sheet.document.TwoVehicles == 1 ? kProposed : kBaseline;
    for (int index = kBaseline; index <= last; ++index) {
        StripVehicleMade vehicle =
            MakeVehicle(sheet, index, ratios, gears, LighterBy(sheet, index));
        if (!vehicle.outcome.ok) return {{}, vehicle.outcome};
        made.vehicles.push_back(*vehicle.vehicle);
    }
    return made;
}

RunResult RunTheStrip(const StripVehicle& vehicle, const RunInputs& inputs,
                      const TorqueCurve& curve, const RunMarks& marks,
                      const RunSettings& settings) {
    RunResult result;
    result.outcome = CheckRun(vehicle, inputs, settings);
    if (!result.outcome.ok) return result;
    result.gears = static_cast<int>(vehicle.gearRatios.size());
    Strip strip(vehicle, inputs, curve);
    RunLog log(marks, settings.traceEvery, result);
    double finish = marks.distances.empty() ? INFINITY : std::ranges::max(marks.distances);
    double shiftRpm = ShiftRpmFor(inputs, curve.PowerPeak().rpm);
    std::size_t gear = 0, topGear = vehicle.gearRatios.size() - 1;
    std::optional<double> shiftEnds;
    bool atShiftRpm = false;
    State s;
    while (s.time < settings.timeLimit) {
        double shiftSpeed = strip.SpeedAt(shiftRpm, gear);
        if (!shiftEnds && gear < topGear && (atShiftRpm || s.speed >= shiftSpeed)) {
            shiftEnds = s.time + inputs.shiftTime;
            log.Trace(s, gear, true);
        }
        if (shiftEnds && s.time >= *shiftEnds - 1e-12) {
            shiftEnds.reset();
            shiftSpeed = strip.SpeedAt(shiftRpm, ++gear);
        }
        double h = shiftEnds ? std::min(settings.step, *shiftEnds - s.time) : settings.step;
        State next = strip.Step(s, h, gear, !shiftEnds);
        atShiftRpm = !shiftEnds && gear < topGear && next.speed > shiftSpeed;
        if (atShiftRpm && s.speed < shiftSpeed)  // up to the shift rpm within the step
            next = strip.Step(s, h * (shiftSpeed - s.speed) / (next.speed - s.speed), gear, true);
        log.Passed(s, next, gear);
        if (next.distance >= finish) {
            log.Finish(s, next, finish, gear);
            break;
        }
        s = next;
    }
    return result;
}

double DistanceAt(const std::vector<TracePoint>& trace, double time) {
    if (trace.empty()) return 0;
    if (time <= trace.front().time) return trace.front().distance;
    if (time >= trace.back().time) return trace.back().distance;
    auto after = std::ranges::upper_bound(trace, time, {}, &TracePoint::time);
    const TracePoint& a = *(after - 1);
    const TracePoint& b = *after;
    double h = b.time - a.time;
    if (h <= 0) return b.distance;
    double t = (time - a.time) / h;
    double t2 = t * t, t3 = t2 * t;
    return (2 * t3 - 3 * t2 + 1) * a.distance + (t3 - 2 * t2 + t) * h * a.speed +
           (-2 * t3 + 3 * t2) * b.distance + (t3 - t2) * h * b.speed;
}

}  // namespace gyrant
