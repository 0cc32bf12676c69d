#include "engine/layout.h"

#include "engine/engine_inertia.h"
#include "engine/materials.h"
#include "engine/ratios.h"
#include "model/spec_rows.h"
#include "text/cell_text.h"

namespace gyrant {
namespace {

void SetVehicleFlags(VehicleFlags& flags, const SpecTable& table) {
    const std::string& type = table.Text(kVehicleTypeRow, kColValue);
    flags.FrontDrive = 0;
    if (Contains(type, "4")) {
        flags.IsMotorcycle = 0;
        flags.HasPrimaryReduction = 0;
        flags.FrontDrive = Contains(type, "Front") ? 1 : 0;
    } else {
        flags.IsMotorcycle = 1;
        flags.HasPrimaryReduction = Contains(type, "Pri") ? 1 : 0;
    }
    const std::string& engine = table.Text(kEngineDetailsRow, kColValue);
    if (Contains(engine, "Yes")) {
        flags.EngineDetails = 1;
    } else {
        flags.EngineDetails = 0;
        flags.EngineEstClass = Contains(engine, "race") ? 2 : Contains(engine, "prod") ? 0 : 1;
    }
    flags.HasConverter = Contains(table.Text(kConverterRow, kColValue), "Yes") ? 1 : 0;
}

void SetDependentRowHeights(const VehicleFlags& flags, SpecTable& table) {
    table.SetRowHeight(kPrimaryReductionRow,
                       flags.HasPrimaryReduction > 0 ? kShownRowHeight : kHiddenRowHeight);
    for (int row = kCrankshaftRow; row <= kReciprocatingPerCylinderRow; ++row)
        table.SetRowHeight(row, flags.EngineDetails > 0 ? kShownRowHeight : kHiddenRowHeight);
}

}  // namespace

void RefreshLayout(Worksheet& sheet) {
    sheet.view.CurrentRow = sheet.Table(sheet.view.CurrentTable).CurrentRow();
    for (int index : {kBaseline, kProposed}) {
        SpecTable& table = sheet.Table(index);
        SetVehicleFlags(sheet.Flags(index), table);
        SetDependentRowHeights(sheet.Flags(index), table);
        CalcCID(sheet, index);
        table.SetText(kDisplacementRow, kColValue,
                      FormatPicture(sheet.derived.Engine.EngineCID, kDisplacementFormat));
    }
    // Hidden rows and the vehicle count decide which improvements show.
    CalcVehicleImprovement(sheet);
}

std::string FrameCaption(const Worksheet& sheet) {
    return sheet.document.TwoVehicles == 0 ? "Baseline Vehicle"
                                           : "Baseline Vehicle (top) and Proposed Vehicle (bottom)";
}

std::string OptionLineText(const Worksheet& sheet) {
    if (sheet.document.WeightOption == 1)
        return "Weight of each Vevizadu Component specified also adds to the vehicle's total "
               "weight.  Effective Weight of rotating components show the inertia effect Plus the "
               "added weight of the component and show a much stronger effect.  Click Options to "
               "change this.";
    return "Weight of Vevizadu Components do NOT add to the vehicle's total weight.  Effective "
           "Weight of rotating components show just the inertia effect.  Click Options to change "
           "this.";
}

}  // namespace gyrant
