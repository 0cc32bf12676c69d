#pragma once

namespace gyrant {

// What a table's rows add up to while it is recalculated, in pounds.
struct RunningTotals {
    double TotalWeight = 0;  // rotating weight
    double TotalEqWt = 0;    // equivalent weight of the rotating parts
};

}  // namespace gyrant
