#pragma once

// What the time slips' charts show, on screen and on paper: the seconds each part buys as bars,
// each vehicle's speed against time with its shifts marked, and the engine's torque and power
// against rpm with their peaks marked.

#include <string>
#include <vector>

#include "analysis/chart_data.h"
#include "timeslip/parts_time_bought.h"
#include "timeslip/run_inputs.h"
#include "timeslip/time_slip.h"

namespace gyrant {

// Each part's quarter-mile seconds bought, most first, as a bar chart.
ChartData SecondsBoughtChart(const PartsTimeBought& parts);

struct ChartPoint {
    double x = 0;
    double y = 0;
};

// One line of a chart, and the points marked on it (a shift's start, a peak).
struct LineSeries {
    std::string name;
    std::vector<ChartPoint> points;
    std::vector<ChartPoint> marks;
};

// An axis from `low` to `high`, with a tick and its label at each round step between.
struct ChartAxis {
    std::string title;  // "Time (s)"
    double low = 0;
    double high = 1;
    std::vector<double> ticks;
    std::vector<std::string> tickLabels;
};

struct LineChartData {
    std::string legend;       // what the chart shows
    std::string marksLegend;  // what a marked point means; empty when none is marked
    ChartAxis x;
    ChartAxis y;
    std::vector<LineSeries> series;
};

// An axis titled as given from `low` up to a round figure at or above `high`, with four to ten
// round steps ("0", "20", "40" ...); a range of nothing still spans one step.
ChartAxis RoundAxis(const std::string& title, double low, double high);

// Each vehicle's speed (mph) against time (s) along its run, each shift's start marked; no line
// for a vehicle without a run.
LineChartData SpeedChart(const TimeSlips& slips);

// The engine's torque (lb-ft) and power (hp) against rpm, from 1000 rpm (or the first typed
// point below it) to the shift rpm (or the last typed point past it), both peaks marked; no line
// when the inputs make no torque curve.
LineChartData TorqueChart(const RunInputs& inputs);

}  // namespace gyrant
