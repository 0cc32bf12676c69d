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

// The torque curve sampled every 10 rpm up to twice the highest rpm the run shifts or launches
// at, read along straight lines between samples (past them, from the curve itself): the run asks
// for the torque at least once a step, and the curve's own pieces cost too much for that. The two
// differ by about a thousandth of a lb-ft.
class SampledTorque {
  public:
    SampledTorque(const TorqueCurve& curve, double topRpm) : m_curve(curve) {
        auto count = static_cast<std::size_t>(std::ceil(topRpm / kSpacing)) + 1;
        for (std::size_t i = 0; i < count; ++i)
            m_samples.push_back(curve.Torque(static_cast<double>(i) * kSpacing));
        m_lastAt = static_cast<double>(count - 1);
    }

    double operator()(double rpm) const {
        double at = rpm * (1 / kSpacing);
        if (!(at < m_lastAt)) return m_curve.Torque(rpm);
        auto i = static_cast<std::size_t>(at);
        double f = at - static_cast<double>(i);
        return m_samples[i] + f * (m_samples[i + 1] - m_samples[i]);
    }

  private:
    static constexpr double kSpacing = 10;
    const TorqueCurve& m_curve;
    std::vector<double> m_samples;
    double m_lastAt = 0;
};

// What does not change within a gear: the engine rpm per ft/s, the speed at the shift rpm, the
// thrust per lb-ft of engine torque, and the acceleration per pound of net force.
struct GearConstants {
    double rpmPerSpeed = 0;
    double shiftSpeed = 0;
    double thrustPerTorque = 0;
    double accelerationPerPound = 0;
};

// The forces on one vehicle with one set of inputs.
class Strip {
  public:
    Strip(const StripVehicle& vehicle, const RunInputs& in, const TorqueCurve& curve,
          double shiftRpm)
        : m_in(in),
          m_automatic(vehicle.automatic),
          m_torque(curve, 2 * std::max(shiftRpm, in.launchRpm)),
          m_launchTorque(curve.Torque(in.launchRpm)),
          m_perLaunchRpm(in.launchRpm > 0 ? 1 / in.launchRpm : 0),
          m_gripLimit(GripLimit(vehicle, in)),
          m_rolling(in.rollingResistance * vehicle.staticWeight),
          m_drag(0.5 * in.airDensity * in.dragArea) {
        double radius = vehicle.tireRadius * in.loadedRadiusFraction;
        for (std::size_t g = 0; g < vehicle.gearRatios.size(); ++g) {
            double overall = vehicle.gearRatios[g] * vehicle.driveRatio;
            double rpmPerSpeed = overall / radius * kRpmPerRadianPerSecond;
            m_gears.push_back({rpmPerSpeed, shiftRpm / rpmPerSpeed,
                               overall * in.efficiency / radius,
                               kGravity / vehicle.effectiveWeight[g]});
        }
    }

    // The speed at which the drivetrain turns the engine at the shift rpm in a gear.
    double ShiftSpeed(std::size_t gear) const { return m_gears[gear].shiftSpeed; }

    // One step. With the acceleration at the start of the step before, of the same length in the
    // same gear and drive, the two-step Adams-Bashforth rule needs one new evaluation; without it
    // the midpoint rule starts afresh. Both are second order; `before` then holds this step's.
    State Step(const State& s, double h, std::size_t gear, bool driving,
               std::optional<double>& before) const {
        const GearConstants& g = m_gears[gear];
        double a = Acceleration(s.speed, g, driving);
        State next{s.time + h, s.distance + h * s.speed + h * h / 2 * a, 0};
        if (before) {
            next.speed = s.speed + h * (1.5 * a - 0.5 * *before);
        } else {
            double midSpeed = s.speed + h / 2 * a;
            next.distance = s.distance + h * midSpeed;
            next.speed = s.speed + h * Acceleration(midSpeed, g, driving);
        }
        before = a;
        return next;
    }

  private:
    // Below the launch rpm the engine is held there: a converter multiplies its torque by a
    // ratio falling from the stall ratio, at a standstill, to 1 at the coupling speed ratio.
    double Thrust(double speed, const GearConstants& g) const {
        double driven = std::max(speed, 0.0) * g.rpmPerSpeed;
        if (driven >= m_in.launchRpm)
            return std::min(m_torque(driven) * g.thrustPerTorque, m_gripLimit);
        double multiplied = 1;
        double speedRatio = driven * m_perLaunchRpm;
        if (m_automatic && speedRatio < m_in.couplingSpeedRatio)
            multiplied = m_in.converterStallRatio -
                         (m_in.converterStallRatio - 1) * speedRatio / m_in.couplingSpeedRatio;
        return std::min(m_launchTorque * multiplied * g.thrustPerTorque, m_gripLimit);
    }

    double Acceleration(double speed, const GearConstants& g, bool driving) const {
        double net = (driving ? Thrust(speed, g) : 0) - m_drag * speed * speed - m_rolling;
        if (speed <= 0 && net < 0) return 0;
        return net * g.accelerationPerPound;
    }

    const RunInputs& m_in;
    bool m_automatic;
    SampledTorque m_torque;
    double m_launchTorque;
    double m_perLaunchRpm;
    std::vector<GearConstants> m_gears;
    double m_gripLimit;
    double m_rolling;
    double m_drag;
};

Outcome CheckRun(const StripVehicle& v, const RunInputs& in, const RunSettings& settings) {
    // A step too fine would keep the program busy for minutes; one too coarse misses the marks.
    if (!(settings.step >= 1e-5 && settings.step <= 0.1) || !(settings.traceEvery > 0))
        return Outcome::Failure(
            "The run's step must be between 0.00001 and 0.1 s, and the trace's spacing above 0.");
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
        m_nextDistance = Nearest(marks.distances, result.atDistance);
        m_nextSpeed = Nearest(marks.speeds, result.atSpeed);
        result.trace.reserve(kTraceReserved);
        result.trace.push_back({});
    }

    void Passed(const State& from, const State& to, std::size_t gear) {
        if (to.distance >= m_nextDistance) PassedDistances(from, to);
        if (to.speed >= m_nextSpeed) PassedSpeeds(from, to);
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

    // The nearest mark not yet passed, checked first so that most steps pass none.
    template <typename Passed>
    static double Nearest(const std::vector<double>& marks, const std::vector<Passed>& passed) {
        double nearest = INFINITY;
        for (std::size_t i = 0; i < marks.size(); ++i)
            if (!passed[i]) nearest = std::min(nearest, marks[i]);
        return nearest;
    }

    void PassedDistances(const State& from, const State& to) {
        for (std::size_t i = 0; i < m_marks.distances.size(); ++i) {
            double d = m_marks.distances[i];
            if (m_result.atDistance[i] || to.distance < d) continue;
            double f = (d - from.distance) / (to.distance - from.distance);
            m_result.atDistance[i] =
                MarkPassed{Between(from.time, to.time, f), Between(from.speed, to.speed, f)};
        }
        m_nextDistance = Nearest(m_marks.distances, m_result.atDistance);
    }

    void PassedSpeeds(const State& from, const State& to) {
        for (std::size_t i = 0; i < m_marks.speeds.size(); ++i) {
            double v = m_marks.speeds[i];
            if (m_result.atSpeed[i] || to.speed < v) continue;
            m_result.atSpeed[i] =
                Between(from.time, to.time, (v - from.speed) / (to.speed - from.speed));
        }
        m_nextSpeed = Nearest(m_marks.speeds, m_result.atSpeed);
    }

    const RunMarks& m_marks;
    double m_traceEvery;
    static constexpr std::size_t kTraceReserved = 2048;  // 20 s at the usual spacing
    double m_nextTrace = m_traceEvery;
    double m_nextDistance = 0;
    double m_nextSpeed = 0;
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
    double shiftRpm = ShiftRpmFor(inputs, curve.PowerPeak().rpm);
    Strip strip(vehicle, inputs, curve, shiftRpm);
    RunLog log(marks, settings.traceEvery, result);
    double finish = marks.distances.empty() ? INFINITY : std::ranges::max(marks.distances);
    std::size_t gear = 0, topGear = vehicle.gearRatios.size() - 1;
    std::optional<double> shiftEnds;
    std::optional<double> before;  // the last step's starting acceleration, while steps run alike
    bool atShiftRpm = false;
    State s;
    while (s.time < settings.timeLimit) {
        double shiftSpeed = strip.ShiftSpeed(gear);
        if (!shiftEnds && gear < topGear && (atShiftRpm || s.speed >= shiftSpeed)) {
            shiftEnds = s.time + inputs.shiftTime;
            log.Trace(s, gear, true);
            before.reset();
        }
        if (shiftEnds && s.time >= *shiftEnds - 1e-12) {
            shiftEnds.reset();
            shiftSpeed = strip.ShiftSpeed(++gear);
            before.reset();
        }
        double h = shiftEnds ? std::min(settings.step, *shiftEnds - s.time) : settings.step;
        if (h != settings.step) before.reset();
        State next = strip.Step(s, h, gear, !shiftEnds, before);
        atShiftRpm = !shiftEnds && gear < topGear && next.speed > shiftSpeed;
        if (atShiftRpm && s.speed < shiftSpeed) {  // up to the shift rpm within the step
            std::optional<double> afresh;
            next = strip.Step(s, h * (shiftSpeed - s.speed) / (next.speed - s.speed), gear, true,
                              afresh);
        }
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
