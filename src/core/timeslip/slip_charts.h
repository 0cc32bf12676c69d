#pragma once

// What the time slips' charts show, on screen and on paper: the seconds each part buys as bars,
// and each vehicle's speed against time with its shifts marked.

#include <string>
#include <vector>

#include "analysis/chart_data.h"
#include "timeslip/parts_time_bought.h"
#include "timeslip/time_slip.h"

namespace gyrant {

// Each part's quarter-mile seconds bought, most first, as a bar chart.
ChartData SecondsBoughtChart(const PartsTimeBought& parts);

}  // namespace gyrant
