#include "timeslip/slip_charts.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "timeslip/slip_text.h"
#include "timeslip/torque_curve.h"

namespace gyrant {
namespace {

constexpr int kCurveSamples = 60;

// The smallest of 1, 2 and 5 times a power of ten that cuts the span into at most ten steps.
double RoundStep(double span) {
    double raw = span / 10;
    double power = std::pow(10.0, std::floor(std::log10(raw)));
    for (double factor : {1.0, 2.0, 5.0})
        if (factor * power >= raw * (1 - 1e-9)) return factor * power;
    return 10 * power;
}

// A tick's label with as many decimals as its step needs.
std::string TickLabel(double value, double step) {
    int decimals = std::max(0, static_cast<int>(std::ceil(-std::log10(step) - 1e-9)));
    char text[32];
    std::snprintf(text, sizeof text, "%.*f", decimals, value);
    return text;
}

double HighestY(const std::vector<LineSeries>& series) {
    double high = 0;
    for (const LineSeries& line : series)
        for (const ChartPoint& point : line.points) high = std::max(high, point.y);
    return high;
}

double LastX(const std::vector<LineSeries>& series) {
    double last = 0;
    for (const LineSeries& line : series)
        if (!line.points.empty()) last = std::max(last, line.points.back().x);
    return last;
}

}  // namespace

ChartData SecondsBoughtChart(const PartsTimeBought& parts) {
    ChartData chart;
    chart.legend = "Quarter-mile seconds bought per part (estimate)";
    for (const PartTimeBought& part : parts.parts)
        chart.bars.push_back(
            {part.description, part.secondsBought, SecondsCell(part.secondsBought) + " s"});
    if (!chart.bars.empty() && chart.bars.back().value < 0)
        chart.belowZeroLegend = "Slower with the Proposed part: bar left of zero";
    return chart;
}

ChartAxis RoundAxis(const std::string& title, double low, double high) {
    double step = RoundStep(high > low ? high - low : 1);
    ChartAxis axis{title,
                   low,
                   low + step * std::ceil((std::max(high, low + step) - low) / step - 1e-9),
                   {},
                   {}};
    for (double tick = low; tick <= axis.high + step / 2; tick += step) {
        axis.ticks.push_back(tick);
        axis.tickLabels.push_back(TickLabel(tick, step));
    }
    return axis;
}

LineChartData SpeedChart(const TimeSlips& slips) {
    LineChartData chart;
    chart.legend = "Speed against time (estimate)";
    for (std::size_t v = 0; v < slips.runs.size(); ++v) {
        LineSeries line{VehicleName(static_cast<int>(v)), {}, {}};
        for (const TracePoint& point : slips.runs[v].trace) {
            ChartPoint shown{point.time, point.speed / kFeetPerSecondPerMph};
            line.points.push_back(shown);
            if (point.shiftStarts) line.marks.push_back(shown);
        }
        if (!line.marks.empty()) chart.marksLegend = "A shift starts";
        chart.series.push_back(std::move(line));
    }
    chart.x = RoundAxis("Time (s)", 0, LastX(chart.series));
    chart.y = RoundAxis("Speed (mph)", 0, HighestY(chart.series));
    return chart;
}

LineChartData TorqueChart(const RunInputs& inputs) {
    LineChartData chart;
    chart.legend = "The engine's torque and power";
    TorqueCurveMade made = TorqueCurve::Of(inputs.engine);
    if (made.curve) {
        const TorqueCurve& curve = *made.curve;
        const std::vector<TorquePoint>& typed = inputs.engine.points;
        double from = 1000, to = ShiftRpmFor(inputs, curve.PowerPeak().rpm);
        for (const TorquePoint& point : typed) {
            from = std::min(from, point.rpm);
            to = std::max(to, point.rpm);
        }
        LineSeries torque{
            "Torque (lb-ft)", {}, {{curve.TorquePeak().rpm, curve.TorquePeak().torque}}};
        LineSeries power{"Power (hp)", {}, {{curve.PowerPeak().rpm, curve.PowerPeak().hp}}};
        for (const TorquePoint& sample : curve.Samples(from, to, kCurveSamples)) {
            torque.points.push_back({sample.rpm, sample.torque});
            power.points.push_back({sample.rpm, sample.torque * sample.rpm / kPowerConstant});
        }
        chart.marksLegend = "A peak";
        chart.series = {std::move(torque), std::move(power)};
        chart.x = RoundAxis("Engine speed (rpm)", 0, to);
    } else {
        chart.x = RoundAxis("Engine speed (rpm)", 0, 0);
    }
    chart.y = RoundAxis("lb-ft, hp", 0, HighestY(chart.series));
    return chart;
}

}  // namespace gyrant
