#pragma once

// What each spec row means: description, help line, kind, calculation sub-menu and input
// limits, read from the row-definition file "helpi.txt".

#include <array>
#include <cstdint>
#include <filesystem>
#include <string>

#include "model/spec_table.h"
#include "outcome.h"

namespace gyrant {

// Row kinds.
inline constexpr int kComponentRow = 0;
inline constexpr int kNumericRow = 1;
inline constexpr int kChoiceRow = 2;

// The calculation sub-menu a row's "Calc" button opens; kNoCalc for none.
enum CalcKind : int {
    kNoCalc = 0,
    kFinalDriveCalc = 1,
    kTireSizeCalc = 2,
    kVehicleWeightCalc = 3,
    kPrimaryReductionCalc = 4,
    kTransmissionCalc = 5,
    kWallThicknessCalc = 6,
    // The engine calculations of the Boring/Stroking menu; they write nothing back.
    kDeckHeightCalc = 7,
    kDeckClearanceCalc = 8,
    kDomeVolumeCalc = 9,
};

// Inputs of a row, the index of their limits: the Value (or O.D.), the I.D., Width, Weight.
inline constexpr int kLimitInputs = 4;

// Arrays indexed by row 1 to 31, shared by both tables (index 0 is unused).
struct RowDefinitions {
    // Indexed by the row number as every caller holds it.
    template <typename T>
    struct PerRow : std::array<T, kLastSpecRow + 1> {
        using Rows = std::array<T, kLastSpecRow + 1>;
        T& operator[](int row) { return Rows::operator[](static_cast<std::size_t>(row)); }
        const T& operator[](int row) const {
            return Rows::operator[](static_cast<std::size_t>(row));
        }
    };

    PerRow<std::string> RowDescription;
    PerRow<std::string> RowHelp;
    PerRow<int16_t> RowKind{};
    PerRow<int16_t> RowCalcKind{};
    PerRow<std::array<float, kLimitInputs>> RowLowLimit{};
    PerRow<std::array<float, kLimitInputs>> RowHighLimit{};
};

struct RowDefinitionsRead {
    RowDefinitions definitions;
    Outcome outcome;
};

// Reads all 31 records of the row-definition file; a missing or short file is a failure
// that names the file.
RowDefinitionsRead ReadRowDefinitions(const std::filesystem::path& path);

// True when a value lies within a row's limits, each limit taken at its own precision, so a
// value equal to a limit is accepted.
bool WithinLimits(double value, float low, float high);

}  // namespace gyrant
