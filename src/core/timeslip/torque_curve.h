#pragma once

// The engine's torque at any rpm: a smooth curve through its two peaks, or a shape-keeping curve
// through typed points. Torque in lb-ft, power in hp (torque x rpm / 5252).
//
// From the peaks the curve passes exactly through both: its greatest torque is the torque peak,
// and its greatest power is the power peak, where the torque falls as T' = -T / rpm. Below the
// torque peak it rises gently from 60% of it at 0 rpm; between the peaks power climbs along a
// concave curve, which keeps the torque under its peak; past the power peak, power falls a
// little faster each rpm (3% at 10% over the peak, 12% at 20%), reaching 0 at 58% over it.
//
// Through typed points it bends without overshoot (monotone cubic pieces), so it never goes
// above or below the points around it; outside the points it holds the nearest point's torque.

#include <optional>
#include <vector>

#include "outcome.h"
#include "timeslip/run_inputs.h"

namespace gyrant {

inline constexpr double kPowerConstant = 5252;  // hp = lb-ft x rpm / 5252

struct PowerPoint {
    double rpm = 0;
    double hp = 0;
};

class TorqueCurve;
struct TorqueCurveMade;

class TorqueCurve {
  public:
    // Refused with a message when the peaks cannot both be peaks of one curve: a figure not
    // above 0, the power peak not above the torque peak's rpm, the power peak's torque not below
    // the torque peak, or the torque peak's power not below the power peak.
    static TorqueCurveMade FromPeaks(const EnginePeaks& peaks);
    // Refused with fewer than two points, an rpm not above 0, two points at one rpm, or a
    // torque below 0; the points may come in any order.
    static TorqueCurveMade FromPoints(std::vector<TorquePoint> points);
    // Typed points when there are any, otherwise the peaks.
    static TorqueCurveMade Of(const EngineTorque& engine);

    double Torque(double rpm) const;
    double Power(double rpm) const { return Torque(rpm) * rpm / kPowerConstant; }
    TorquePoint TorquePeak() const { return m_torquePeak; }
    PowerPoint PowerPeak() const { return m_powerPeak; }

    // Evenly spaced points from one rpm to another, both included, for a chart of the curve.
    std::vector<TorquePoint> Samples(double fromRpm, double toRpm, int count) const;

  private:
    TorqueCurve() = default;
    double PeaksTorque(double rpm) const;
    double PointsTorque(double rpm) const;
    void FindPowerPeakOfPoints();

    bool m_fromPoints = false;
    TorquePoint m_torquePeak;
    PowerPoint m_powerPeak;
    double m_alpha = 0;  // the power's rise between the peaks against its start
    std::vector<TorquePoint> m_points;
    std::vector<double> m_slopes;  // lb-ft per rpm at each point
};

struct TorqueCurveMade {
    std::optional<TorqueCurve> curve;
    Outcome outcome;
};

}  // namespace gyrant
