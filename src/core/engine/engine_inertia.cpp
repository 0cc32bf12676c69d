#include "engine/engine_inertia.h"

#include <cmath>

#include "engine/materials.h"
#include "model/spec_rows.h"
#include "model/units.h"
#include "text/cell_text.h"

namespace gyrant {
namespace {

// One detail row's weight (lb) and inertia (lb.ft^2).
struct DetailShare {
    double weight = 0;
    double inertia = 0;
};

// Writes a detail row from its weight in the row's unit; `inertiaOf` gives lb.ft^2 from pounds.
template <typename InertiaOf>
DetailShare WriteDetailRow(Worksheet& sheet, SpecTable& table, int row, double weight,
                           InertiaOf inertiaOf) {
    table.SetText(row, kColWeight, FormatPicture(weight, kEngineWeightFormat));
    if (IsGramsUnit(table.Text(row, kColUnits))) weight *= LbPerGram;
    DetailShare share{weight, inertiaOf(weight)};
    table.SetText(row, kColInertia, FormatPicture(share.inertia, kWeightFormat));
    double factor = sheet.derived.Speeds.EngineFactor;
    double eqWt = share.inertia * (factor * factor);
    if (sheet.document.WeightOption == 1) eqWt += weight;
    table.SetText(row, kColEqWt, FormatPicture(eqWt, kWeightFormat));
    return share;
}

}  // namespace

void CalcCID(Worksheet& sheet, int tableIndex) {
    const SpecTable& table = sheet.Table(tableIndex);
    EngineFigures& e = sheet.derived.Engine;
    e.Cylinders = NumericValue(table.Text(kCylindersRow, kColValue));
    e.Bore = NumericValue(table.Text(kBoreRow, kColValue));
    e.Stroke = NumericValue(table.Text(kStrokeRow, kColValue));
    e.EngineCID = e.Stroke * (kPiAsTheTablesHaveIt * (e.Bore * e.Bore * e.Cylinders)) / 4;
}

void CalcEngineInertia(Worksheet& sheet, int tableIndex, RunningTotals& totals) {
    CalcCID(sheet, tableIndex);
    SpecTable& table = sheet.Table(tableIndex);
    EngineFigures& e = sheet.derived.Engine;
    const VehicleFlags& flags = sheet.Flags(tableIndex);
    bool details = flags.EngineDetails == 1;
    e.EstimatedEngineInertia =
        details ? 0 : 0.1 + e.EngineCID * 0.07 * (5 - flags.EngineEstClass) / 9;
    double factorSquared = sheet.derived.Speeds.EngineFactor * sheet.derived.Speeds.EngineFactor;
    table.SetText(kDisplacementRow, kColInertia,
                  FormatPicture(e.EstimatedEngineInertia, kWeightFormat));
    table.SetText(kDisplacementRow, kColEqWt,
                  FormatPicture(e.EstimatedEngineInertia * factorSquared, kWeightFormat));

    DetailShare crank, rotating, reciprocating;
    if (details) {
        auto value = [&](int row) { return NumericValue(table.Text(row, kColValue)); };
        double s = e.Stroke;
        crank = WriteDetailRow(sheet, table, kCrankshaftRow, value(kCrankshaftRow),
                               [s](double w) { return 0.5 * w * ((s + 1) * (s + 1)) / 144; });
        rotating = WriteDetailRow(sheet, table, kRotatingPerCylinderRow,
                                  value(kRotatingPerCylinderRow) * e.Cylinders,
                                  [s](double w) { return 0.5 * w * (s * s) / 144; });
        reciprocating = WriteDetailRow(sheet, table, kReciprocatingPerCylinderRow,
                                       value(kReciprocatingPerCylinderRow) * e.Cylinders,
                                       [s](double w) { return 1.3 * (0.5 * w * (s * s) / 144); });
    }
    double weight = crank.weight + rotating.weight + reciprocating.weight;
    totals.TotalWeight += weight;
    totals.TotalEqWt += factorSquared * (e.EstimatedEngineInertia + crank.inertia +
                                         rotating.inertia + reciprocating.inertia);
    // The weights the detail rows add to their own Eq. Wt count in the total as well.
    if (sheet.document.WeightOption == 1) totals.TotalEqWt += weight;
}

int CylinderCount(const Worksheet& sheet) {
    const SpecTable& table = sheet.Table(sheet.view.CurrentTable);
    return RoundToInteger(NumericValue(table.Text(kCylindersRow, kColValue)));
}

void SetCylinderCount(Worksheet& sheet, int cylinders) {
    sheet.Table(sheet.view.CurrentTable)
        .SetText(kCylindersRow, kColValue, std::to_string(cylinders));
}

void BuildNewEngineDims(Worksheet& sheet, double displacement) {
    SpecTable& table = sheet.Table(sheet.view.CurrentTable);
    int cylinders = CylinderCount(sheet);
    table.SetCurrentRow(kDisplacementRow);
    // A displacement of 0 or below, or an engine without cylinders, has no bore and stroke;
    // they stay as they were.
    if (cylinders < 1 || !(displacement > 0)) return;
    double perCylinder = displacement / cylinders;
    double bore = NumericValue(table.Text(kBoreRow, kColValue));
    double stroke = NumericValue(table.Text(kStrokeRow, kColValue));
    const double k = kPiAsTheTablesHaveIt / 4;
    if (stroke <= 0 && bore <= 0) stroke = 0.9 * std::pow(perCylinder / k, 0.333);
    if (stroke <= 0) {
        stroke = perCylinder / (bore * bore) / k;
    } else {
        bore = std::sqrt(perCylinder / stroke / k);
    }
    if (!std::isfinite(bore) || !std::isfinite(stroke)) return;
    table.SetText(kStrokeRow, kColValue, FormatPicture(stroke, kDimensionFormat));
    table.SetText(kBoreRow, kColValue, FormatPicture(bore, kDimensionFormat));
}

}  // namespace gyrant
