#include "engine/update_table.h"

#include "engine/engine_inertia.h"
#include "engine/layout.h"
#include "engine/materials.h"
#include "engine/ratios.h"
#include "engine/ring_inertia.h"
#include "model/spec_rows.h"
#include "text/cell_text.h"

namespace gyrant {
namespace {

// The engine's per-cylinder rows and the spacer below them are not parts; nor are the totals.
bool IsPartRow(int row) {
    return row >= kFlywheelRow && row < kRotatingTotalRow &&
           (row < kRotatingPerCylinderRow || row > kEngineSpacerRow);
}

// Each shown row's share of the total, empty beside an empty Eq. Wt. A total of 0 or below has
// no shares: every row's is emptied rather than left from an earlier total.
void WritePercentages(SpecTable& table, double total) {
    for (int row = kFirstSpecRow; row <= kLastSpecRow; ++row) {
        const std::string& eqWt = table.Text(row, kColEqWt);
        if (total > 0 && !table.IsShown(row)) continue;
        bool noShare = !(total > 0) || IsBlank(eqWt);
        table.SetText(
            row, kColPercentTotal,
            noShare ? "" : FormatPicture(100 * NumericValue(eqWt) / total, kPercentFormat));
    }
}

}  // namespace

void UpdateTable(Worksheet& sheet, int tableIndex) {
    SpecTable& table = sheet.Table(tableIndex);
    double vehicleWeight = NumericValue(table.Text(kVehicleWeightRow, kColValue));
    table.SetText(kVehicleWeightRow, kColEqWt, FormatPicture(vehicleWeight, kWeightFormat));
    GetRatios(sheet, tableIndex);

    RunningTotals totals;
    CalcEngineInertia(sheet, tableIndex, totals);
    for (int row = kFlywheelRow; row < kRotatingTotalRow; ++row)
        if (IsPartRow(row) && table.IsShown(row)) CalcRingInertia(sheet, tableIndex, row, totals);

    table.SetText(kRotatingTotalRow, kColEqWt, FormatPicture(totals.TotalEqWt, kWeightFormat));
    table.SetText(kRotatingTotalRow, kColWeight, FormatPicture(totals.TotalWeight, kWeightFormat));
    table.SetText(kVehicleTotalRow, kColEqWt,
                  FormatPicture(totals.TotalEqWt + vehicleWeight, kWeightFormat));
    // The shares are of the total as shown, rounded.
    double total = NumericValue(table.Text(kVehicleTotalRow, kColEqWt));
    double vehicleTotalWeight =
        sheet.document.WeightOption == 1 ? totals.TotalWeight + vehicleWeight : vehicleWeight;
    table.SetText(kVehicleTotalRow, kColWeight, FormatPicture(vehicleTotalWeight, kWeightFormat));

    WritePercentages(table, total);
}

void Recalculate(Worksheet& sheet) {
    RefreshLayout(sheet);
    UpdateTable(sheet, kBaseline);
    UpdateTable(sheet, kProposed);
    // The improvements compare both tables, so they follow once both are done.
    CalcVehicleImprovement(sheet);
}

}  // namespace gyrant
