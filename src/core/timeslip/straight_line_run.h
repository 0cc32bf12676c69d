#pragma once

// One vehicle's run from a standing start, integrated on distance and speed with a fixed step by
// second-order rules (two-step Adams-Bashforth, started by the midpoint rule at the launch and
// after each change of gear or drive), in pounds, feet and seconds.
//
// Thrust is the engine's torque x the overall ratio x the drivetrain's efficiency / the loaded
// radius of the driven tire, and, with a converter, x its torque ratio, which falls from the
// stall ratio at a speed ratio of 0 to 1 at the coupling speed ratio. The engine is held at the
// launch rpm until the drivetrain turns it faster (a converter at stall, or a slipping clutch),
// in any gear. Thrust is limited by grip x the weight on the driven wheels: their static share,
// plus thrust x CG height / wheelbase for rear drive and less it for front drive when both are
// given, never more than the whole weight. Air drag 0.5 * rho * Cd * A * v^2 and rolling resistance
// (its share of the static weight) hold the vehicle back; they never push it backwards from rest.
// The vehicle's mass in each gear is its effective weight in that gear over g.
//
// A shift starts when the drivetrain turns the engine at the shift rpm, found within the step;
// the drive is cut for the shift time, then the next gear takes over. The top gear runs on past
// the shift rpm along the torque curve.

#include <optional>
#include <vector>

#include "model/worksheet.h"
#include "outcome.h"
#include "timeslip/run_inputs.h"
#include "timeslip/torque_curve.h"

namespace gyrant {

inline constexpr double kGravity = 32.174;  // ft/s^2

// One vehicle as the run needs it.
struct StripVehicle {
    std::vector<double> gearRatios;  // first gear first
    // lb in each gear: the static weight plus the rotating parts' Eq. Wt, as the tables take it
    std::vector<double> effectiveWeight;
    double staticWeight = 0;  // lb on the scale
    double driveRatio = 0;    // the final drive, x the primary reduction where there is one
    double tireRadius = 0;    // ft, half the driven tire's O.D., unloaded
    bool frontDrive = false;
    bool automatic = false;
};

struct StripVehiclesMade {
    std::vector<StripVehicle> vehicles;  // Baseline, then Proposed when two are shown
    Outcome outcome;
};

// The vehicles of a recalculated worksheet with each of the ratios in the gear row. Each gear's
// effective weight is that vehicle's Vehicle Total Eq. Wt in the every-gear table
// (FiguresInEveryGear), and its static weight the Vehicle Total's Weight; the Proposed car's
// both less what the answer takes it as lighter by its parts (ProposedWeightAdjustment).
// Refused, naming the vehicle, without a Vehicle Weight, a Final Drive or a driven tire's O.D.
StripVehiclesMade VehiclesOnTheStrip(const Worksheet& sheet, const std::vector<double>& ratios);

// One vehicle of a worksheet (kBaseline or kProposed) as above.
struct StripVehicleMade {
    std::optional<StripVehicle> vehicle;
    Outcome outcome;
};
StripVehicleMade VehicleOnTheStrip(const Worksheet& sheet, int index,
                                   const std::vector<double>& ratios);
// As above, with the vehicle taken as lighter by the pounds given instead of by the answer's rule.
StripVehicleMade VehicleOnTheStrip(const Worksheet& sheet, int index,
                                   const std::vector<double>& ratios, double lighterBy);

// The kind of vehicle a table holds, for the defaults of its run: the flags of its vehicle type
// and converter rows.
VehicleKind KindOf(const Worksheet& sheet, int index);

struct RunSettings {
    double step = 0.001;       // s, from 0.00001 to 0.1
    double traceEvery = 0.01;  // s between the trace's points
    double timeLimit = 60;     // s; a vehicle still short of the last mark stops there
};

// What the run times: the first passing of each distance (ft) and each speed (ft/s). The run
// ends at the greatest distance.
struct RunMarks {
    std::vector<double> distances;
    std::vector<double> speeds;
};

struct MarkPassed {
    double time = 0;   // s
    double speed = 0;  // ft/s at the mark
};

// A point of the run for a chart of speed against time; each shift's start is a point of its own.
struct TracePoint {
    double time = 0;      // s
    double speed = 0;     // ft/s
    double distance = 0;  // ft
    int gear = 0;         // from 0
    bool shiftStarts = false;
};

struct RunResult {
    Outcome outcome;
    std::vector<std::optional<MarkPassed>> atDistance;  // one per distance; none if not reached
    std::vector<std::optional<double>> atSpeed;         // s, one per speed; none if not reached
    std::vector<TracePoint> trace;  // from the start to the greatest distance, or the time limit
    int gears = 0;                  // the gears the run had
};

// Refused when the step is not between 0.00001 and 0.1 s, the trace's spacing not above 0, or the
// vehicle has no gear or a weight, ratio or radius not above 0; the inputs' own limits are the
// window's to check (CheckRunInputs).
RunResult RunTheStrip(const StripVehicle& vehicle, const RunInputs& inputs,
                      const TorqueCurve& curve, const RunMarks& marks,
                      const RunSettings& settings = {});

// The vehicle's distance at a time within its trace, between its points along the cubic that
// matches their speeds.
double DistanceAt(const std::vector<TracePoint>& trace, double time);

}  // namespace gyrant
