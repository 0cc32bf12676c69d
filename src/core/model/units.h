#pragma once

// Conversions between the units the tables and the metric menus use, and the circle constants
// of the part and engine arithmetic.

namespace gyrant {

inline constexpr double kMmPerInch = 25.4;
// Cubic centimetres in a cubic inch, as the volume menus round it.
inline constexpr double kCcPerCubicInch = 16.39;

// Pi and its half and quarter rounded as the program has always had them: every stored inertia,
// weight and displacement was computed with these, and the exact value moves their last digits.
inline constexpr double kPiAsTheTablesHaveIt = 3.14159;
inline constexpr double kHalfPiAsTheTablesHaveIt = 1.5708;
inline constexpr double kQuarterPiAsTheTablesHaveIt = 0.7854;

}  // namespace gyrant
