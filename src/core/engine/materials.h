#pragma once

// Densities of the materials a part's weight is computed from, in pounds per cubic inch,
// and the gram.

namespace gyrant {

inline constexpr double TireDensity = 0.03;
inline constexpr double SteelDensity = 0.2833;
inline constexpr double AlumDensity = 0.098;
inline constexpr double CarbonFiberDensity = 0.064;
inline constexpr double LbPerGram = 1.0 / 454.0;

// Picture formats of the numbers the calculations write into cells.
inline constexpr const char* kWeightFormat = "####.00";
inline constexpr const char* kPercentFormat = "####.000";
inline constexpr const char* kDisplacementFormat = "######.00";
inline constexpr const char* kEngineWeightFormat = "#####.###";
inline constexpr const char* kDimensionFormat = "####.000";
inline constexpr const char* kImprovementFormat = "#####0.##";

}  // namespace gyrant
