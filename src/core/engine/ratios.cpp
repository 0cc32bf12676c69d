#include "engine/ratios.h"

#include "engine/materials.h"
#include "model/spec_rows.h"
#include "text/cell_text.h"

namespace gyrant {
namespace {

double ValueOf(const SpecTable& table, int row, int column) {
    return NumericValue(table.Text(row, column));
}

// The wheel's O.D., from the strip while it holds that wheel row.
double WheelDiameter(const SpecTable& table, const StripFields* editing, int wheelRow) {
    if (editing && table.CurrentRow() == wheelRow) return NumericValue(editing->Text(kColOD));
    return ValueOf(table, wheelRow, kColOD);
}

// Radians per foot of travel of one wheel: one over its tire's radius in feet. A missing tire
// is taken as 1.3 times its wheel's diameter.
double WheelFactor(const SpecTable& table, const StripFields* editing, int tireRow, int wheelRow) {
    double tire = ValueOf(table, tireRow, kColOD);
    if (tire == 0) {
        double wheel = WheelDiameter(table, editing, wheelRow);
        if (wheel > 0) tire = 1.3 * wheel;
    }
    return tire == 0 ? 0 : 12 / (tire / 2);
}

std::string MissingInputsNote(const SpeedFactors& s, int tableIndex) {
    std::string missing;
    if (s.FrontWheelFactor == 0 || s.RearWheelFactor == 0)
        missing = "Front and/or Rear Tire Diameters";
    if (s.TransInputFactor == 0) {
        if (!missing.empty()) missing += ", ";
        missing += "Certain Gear Ratios and/or Trans Specs";
    }
    if (missing.empty()) return missing;
    return "Note: " + missing + " should be set for all of the " + VehicleName(tableIndex) +
           " vehicle's inertias to be calculated correctly.";
}

// A row's improvement, empty where the two vehicles cannot be compared.
std::string Improvement(const SpecTable& baseline, const SpecTable& proposed, int row) {
    const std::string& baseText = baseline.Text(row, kColEqWt);
    const std::string& proposedText = proposed.Text(row, kColEqWt);
    if (IsBlank(baseText) || IsBlank(proposedText) || !baseline.IsShown(row) ||
        !proposed.IsShown(row))
        return "";
    double b = NumericValue(baseText);
    double p = NumericValue(proposedText);
    if (b > 0 && p > 0) return FormatPicture(100 * (1 - p / b), kImprovementFormat);
    if (b == 0 && p > 0) return FormatPicture(-9999, kImprovementFormat);
    if (b > 0 && p == 0) return FormatPicture(9999, kImprovementFormat);
    return "";
}

}  // namespace

void GetRatios(Worksheet& sheet, int tableIndex, const StripFields* editing) {
    const SpecTable& table = sheet.Table(tableIndex);
    SpeedFactors& s = sheet.derived.Speeds;
    s.RearWheelFactor = WheelFactor(table, editing, kRearTireRow, kRearWheelRow);
    s.FrontWheelFactor = WheelFactor(table, editing, kFrontTireRow, kFrontWheelRow);
    s.FinalDriveRatio = ValueOf(table, kFinalDriveRow, kColValue);
    s.TransRatio = ValueOf(table, kGearRatioRow, kColValue);
    double primaryReduction = ValueOf(table, kPrimaryReductionRow, kColValue);
    s.ConverterCode = ChoiceNumberInLast(table.Text(kConverterRow, kColValue), 6);

    s.DrivenWheelFactor =
        sheet.Flags(tableIndex).FrontDrive == 1 ? s.FrontWheelFactor : s.RearWheelFactor;
    s.DriveshaftFactor = s.FinalDriveRatio * s.DrivenWheelFactor;
    s.TransInputFactor = s.DriveshaftFactor * s.TransRatio;
    s.EngineFactor = sheet.Flags(tableIndex).HasPrimaryReduction != 0
                         ? primaryReduction * s.TransInputFactor
                         : s.TransInputFactor;
    // A converter or clutch that slips pulls the engine's factor towards 1.
    if (s.EngineFactor > 0 && s.ConverterCode > 0) {
        double c = s.ConverterCode;
        s.EngineFactor = (s.EngineFactor + c) / (c + 1);
    }
    sheet.RatioNote(tableIndex) = MissingInputsNote(s, tableIndex);
}

void CalcVehicleImprovement(Worksheet& sheet) {
    const SpecTable& baseline = sheet.Table(kBaseline);
    SpecTable& proposed = sheet.Table(kProposed);
    for (int row = kFirstSpecRow; row <= kLastSpecRow; ++row)
        proposed.SetText(
            row, kColImprovement,
            sheet.document.TwoVehicles == 1 ? Improvement(baseline, proposed, row) : "");
}

}  // namespace gyrant
