#pragma once

// Each sub-menu kind's inputs and outputs by name: the slots its definition file lists them in,
// from 1, and the positions of the lists whose choice changes the calculation.

namespace gyrant {

// The first output of every kind: the result "Use Calc Value" writes back.
inline constexpr int kResultOutput = 1;

// The final drive and primary reduction menus; the primary reduction has only the first method
// and calls its gears the engine and clutch gears.
struct FinalDriveInput {
    // The driving gear's teeth, or the primary ratio itself when the method takes the ratio.
    enum : int { kMethod = 1, kDrivingGear, kDrivenGear, kFrontSprocket, kRearSprocket };
};
struct FinalDriveMethod {
    enum : int { kGearTeeth = 0, kSprockets, kPrimaryRatio, kPrimaryTeeth };
};

struct TireSizeInput {
    enum : int {
        kMethod = 1,
        kSectionWidthMm,
        kLetter,
        kAspectRatio,
        kRimDiameter,
        kDiameter,
        kRollout,
        kTreadWidth,
        kEstimateWeight,
    };
};
struct TireSizeMethod {
    enum : int { kMetricSize = 0, kLetterSize, kMeasuredDiameter, kMeasuredRollout };
};
struct TireSizeOutput {
    enum : int { kDiameter = 1, kTreadWidth, kWeight };
};

struct VehicleWeightInput {
    // The six lists, then the user's own changes.
    enum : int {
        kModelYear = 1,
        kMake,
        kModel,
        kEngineBody,
        kTransmission,
        kBody,
        kAddedWeight,
        kFuelGallons,
    };
};

struct TransmissionInput {
    enum : int { kTransmission = 1, kGear, kDrivingTeeth, kDrivenTeeth };
};
// The transmission list's first item: the user's own gears, counted in teeth.
inline constexpr int kOwnGears = 0;

struct WallThicknessInput {
    enum : int { kPart = 1, kOD, kWall };
};
struct WallThicknessPart {
    enum : int { kSolid = 0, kTube };
};

struct DeckHeightInput {
    enum : int { kRodLength = 1, kCompressionHeight, kDeckClearance };
};
struct DeckClearanceInput {
    enum : int { kDeckHeight = 1, kCompressionHeight, kRodLength };
};

struct DomeVolumeInput {
    enum : int { kBore = 1, kPistonDown, kAlsoFilled, kExtraCCs, kCCsToFill, kPistonTop };
};
struct DomeAlsoFilled {
    enum : int { kNothingElse = 0, kKnownExtraCCs };
};
struct PistonTop {
    enum : int { kFlatTop = 0, kDome, kDish, kValveReliefs };
};

}  // namespace gyrant
