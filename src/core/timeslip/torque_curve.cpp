#include "timeslip/torque_curve.h"

#include <algorithm>
#include <cmath>
#include <sstream>

namespace gyrant {
namespace {

// Below the torque peak: the share of the peak lost at 0 rpm.
constexpr double kLowRpmLoss = 0.4;
// Past the power peak: power x (1 - k * r^2), r the rpm's share over the peak's.
constexpr double kPowerFall = 3;

std::string Plain(double value) {
    std::ostringstream text;
    text << value;
    return text.str();
}

bool Positive(double value) {
    return std::isfinite(value) && value > 0;
}

Outcome CheckPeaks(const EnginePeaks& p) {
    if (!Positive(p.hp) || !Positive(p.hpRpm) || !Positive(p.torque) || !Positive(p.torqueRpm))
        return Outcome::Failure("Give peak power, peak torque and their rpm, each above 0.");
    if (p.hpRpm <= p.torqueRpm)
        return Outcome::Failure("The power peak's rpm (" + Plain(p.hpRpm) +
                                ") must be above the torque peak's (" + Plain(p.torqueRpm) + ").");
    double torqueAtPowerPeak = p.hp * kPowerConstant / p.hpRpm;
    if (torqueAtPowerPeak >= p.torque)
        return Outcome::Failure(
            Plain(p.hp) + " hp at " + Plain(p.hpRpm) + " rpm is " + Plain(torqueAtPowerPeak) +
            " lb-ft, not less than the peak torque (" + Plain(p.torque) + " lb-ft).");
    double powerAtTorquePeak = p.torque * p.torqueRpm / kPowerConstant;
    if (powerAtTorquePeak >= p.hp)
        return Outcome::Failure(Plain(p.torque) + " lb-ft at " + Plain(p.torqueRpm) + " rpm is " +
                                Plain(powerAtTorquePeak) + " hp, not less than the peak power (" +
                                Plain(p.hp) + " hp).");
    return Outcome::Success();
}

Outcome CheckPoints(const std::vector<TorquePoint>& points) {
    if (points.size() < 2) return Outcome::Failure("Give at least two rpm and lb-ft points.");
    for (const TorquePoint& point : points)
        if (!Positive(point.rpm) || !std::isfinite(point.torque) || point.torque < 0)
            return Outcome::Failure("Each point needs an rpm above 0 and a torque of 0 or more.");
    for (std::size_t i = 1; i < points.size(); ++i)
        if (points[i].rpm == points[i - 1].rpm)
            return Outcome::Failure("Two points are at " + Plain(points[i].rpm) + " rpm.");
    return Outcome::Success();
}

// Slopes that keep each piece between its points: 0 at a local peak or dip, elsewhere a weighted
// harmonic mean of the secants on either side; the end points take their secant.
std::vector<double> ShapeKeepingSlopes(const std::vector<TorquePoint>& p) {
    std::size_t n = p.size();
    std::vector<double> h(n - 1), secant(n - 1), slopes(n);
    for (std::size_t k = 0; k + 1 < n; ++k) {
        h[k] = p[k + 1].rpm - p[k].rpm;
        secant[k] = (p[k + 1].torque - p[k].torque) / h[k];
    }
    slopes.front() = secant.front();
    slopes.back() = secant.back();
    for (std::size_t k = 1; k + 1 < n; ++k) {
        if (secant[k - 1] * secant[k] <= 0) continue;
        double w1 = 2 * h[k] + h[k - 1];
        double w2 = h[k] + 2 * h[k - 1];
        slopes[k] = (w1 + w2) / (w1 / secant[k - 1] + w2 / secant[k]);
    }
    return slopes;
}

}  // namespace

TorqueCurveMade TorqueCurve::FromPeaks(const EnginePeaks& peaks) {
    Outcome checked = CheckPeaks(peaks);
    if (!checked.ok) return {std::nullopt, checked};
    TorqueCurve curve;
    curve.m_torquePeak = {peaks.torqueRpm, peaks.torque};
    curve.m_powerPeak = {peaks.hpRpm, peaks.hp};
    double rise = peaks.hp * kPowerConstant - peaks.torque * peaks.torqueRpm;
    curve.m_alpha = peaks.torque * (peaks.hpRpm - peaks.torqueRpm) / rise;
    return {curve, Outcome::Success()};
}

TorqueCurveMade TorqueCurve::FromPoints(std::vector<TorquePoint> points) {
    std::ranges::sort(points, {}, &TorquePoint::rpm);
    Outcome checked = CheckPoints(points);
    if (!checked.ok) return {std::nullopt, checked};
    TorqueCurve curve;
    curve.m_fromPoints = true;
    curve.m_slopes = ShapeKeepingSlopes(points);
    curve.m_points = std::move(points);
    // The pieces keep to their points, so the greatest torque is a point's.
    curve.m_torquePeak = *std::ranges::max_element(curve.m_points, {}, &TorquePoint::torque);
    curve.FindPowerPeakOfPoints();
    return {curve, Outcome::Success()};
}

TorqueCurveMade TorqueCurve::Of(const EngineTorque& engine) {
    return engine.points.empty() ? FromPeaks(engine.peaks) : FromPoints(engine.points);
}

double TorqueCurve::Torque(double rpm) const {
    return m_fromPoints ? PointsTorque(rpm) : PeaksTorque(rpm);
}

// Power, as torque x rpm, rises between the peaks from the torque peak's along
// p(u) = 1 - (1 - u)^a, or a * u - (a - 1) * u^(a / (a - 1)) when a < 2: both start at the slope
// that holds the torque flat (a, the torque peak's line against the rise) and end level, and
// both are concave, so the torque stays under its peak and the power under its.
double TorqueCurve::PeaksTorque(double rpm) const {
    double x0 = m_torquePeak.rpm, x1 = m_powerPeak.rpm;
    double peakTorque = m_torquePeak.torque;
    if (rpm <= x0) {
        double below = (x0 - std::max(rpm, 0.0)) / x0;
        return peakTorque * (1 - kLowRpmLoss * below * below);
    }
    double peakPower = m_powerPeak.hp * kPowerConstant;
    if (rpm > x1) {
        double over = (rpm - x1) / x1;
        return std::max(0.0, peakPower * (1 - kPowerFall * over * over)) / rpm;
    }
    double u = (rpm - x0) / (x1 - x0);
    double a = m_alpha;
    double p = a >= 2 ? 1 - std::pow(1 - u, a) : a * u - (a - 1) * std::pow(u, a / (a - 1));
    double start = peakTorque * x0;
    return (start + (peakPower - start) * p) / rpm;
}

double TorqueCurve::PointsTorque(double rpm) const {
    if (rpm <= m_points.front().rpm) return m_points.front().torque;
    if (rpm >= m_points.back().rpm) return m_points.back().torque;
    auto after = std::ranges::upper_bound(m_points, rpm, {}, &TorquePoint::rpm);
    auto k = static_cast<std::size_t>(after - m_points.begin()) - 1;
    const TorquePoint& a = m_points[k];
    const TorquePoint& b = m_points[k + 1];
    double h = b.rpm - a.rpm;
    double t = (rpm - a.rpm) / h;
    double t2 = t * t, t3 = t2 * t;
    return (2 * t3 - 3 * t2 + 1) * a.torque + (t3 - 2 * t2 + t) * h * m_slopes[k] +
           (-2 * t3 + 3 * t2) * b.torque + (t3 - t2) * h * m_slopes[k + 1];
}

// The greatest power of typed points may fall between them: searched every 1/200 of each piece.
void TorqueCurve::FindPowerPeakOfPoints() {
    constexpr int kSteps = 200;
    m_powerPeak = {m_points.front().rpm, Power(m_points.front().rpm)};
    for (std::size_t k = 0; k + 1 < m_points.size(); ++k) {
        for (int i = 1; i <= kSteps; ++i) {
            double rpm = m_points[k].rpm + (m_points[k + 1].rpm - m_points[k].rpm) * i / kSteps;
            if (Power(rpm) > m_powerPeak.hp) m_powerPeak = {rpm, Power(rpm)};
        }
    }
}

std::vector<TorquePoint> TorqueCurve::Samples(double fromRpm, double toRpm, int count) const {
    std::vector<TorquePoint> samples;
    for (int i = 0; i < count; ++i) {
        double rpm = count == 1 ? fromRpm : fromRpm + (toRpm - fromRpm) * i / (count - 1);
        samples.push_back({rpm, Torque(rpm)});
    }
    return samples;
}

}  // namespace gyrant
