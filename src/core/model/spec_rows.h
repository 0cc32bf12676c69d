#pragma once

// The spec rows by name: both tables hold the same 31 rows in this order, and the rules of the
// recalculation, the strip and the layout single many of them out.

namespace gyrant {

enum SpecRow : int {
    kVehicleWeightRow = 1,
    kVehicleTypeRow = 2,
    kFinalDriveRow = 3,
    kGearRatioRow = 4,
    kPrimaryReductionRow = 5,
    kConverterRow = 6,
    kDisplacementRow = 8,
    kCylindersRow = 9,
    kBoreRow = 10,
    kStrokeRow = 11,
    kEngineDetailsRow = 12,
    kCrankshaftRow = 13,
    kFlywheelRow = 14,
    kRotatingPerCylinderRow = 17,
    kReciprocatingPerCylinderRow = 18,
    kEngineSpacerRow = 19,
    kDriveshaftRow = 20,
    kRingGearRow = 21,
    kFrontAxleRow = 22,
    kFrontWheelRow = 23,
    kFrontTireRow = 24,
    kFrontBrakeRow = 25,
    kRearWheelRow = 26,
    kRearTireRow = 27,
    kRearBrakeRow = 28,
    kOtherRearRow = 29,
    kRotatingTotalRow = 30,
    kVehicleTotalRow = 31,
};

// The last row a click or the row selector can choose; the totals below it are not edited.
inline constexpr int kLastSelectableRow = kOtherRearRow;

inline constexpr bool IsWheelRow(int row) {
    return row == kFrontWheelRow || row == kRearWheelRow;
}
inline constexpr bool IsTireRow(int row) {
    return row == kFrontTireRow || row == kRearTireRow;
}
// The engine parts whose weight is the row's Value, with its units beside it.
inline constexpr bool IsEngineWeightRow(int row) {
    return row == kCrankshaftRow || row == kRotatingPerCylinderRow ||
           row == kReciprocatingPerCylinderRow;
}
// The rows from the front wheel to the rear brake count once per wheel: twice on a car.
inline constexpr bool IsPerWheelRow(int row) {
    return row >= kFrontWheelRow && row <= kRearBrakeRow;
}

}  // namespace gyrant
