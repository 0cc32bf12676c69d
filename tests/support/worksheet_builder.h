#pragma once

// Shorthands for filling a worksheet's input cells in tests.

#include <string>

#include "model/spec_rows.h"
#include "model/worksheet.h"
#include "text/cell_text.h"

namespace gyrant::testing {

inline std::string ValueChoice(const std::string& item, int position) {
    return ComposeChoice(item, 30, position);
}

inline std::string ListChoice(const std::string& item, int position) {
    return ComposeChoice(item, 20, position);
}

// A component row: O.D., I.D., Width, Material, Weight and Units.
inline void SetComponent(SpecTable& table, int row, const std::string& od, const std::string& id,
                         const std::string& width, const std::string& material, int materialIndex,
                         const std::string& weight = "", bool grams = false) {
    table.SetText(row, kColOD, od);
    table.SetText(row, kColID, id);
    table.SetText(row, kColWidth, width);
    table.SetText(row, kColMaterial, ListChoice(material, materialIndex));
    table.SetText(row, kColWeight, weight);
    table.SetText(row, kColUnits, grams ? ListChoice("Gms", 1) : ListChoice("Lbs", 0));
}

// Value cells by their row.
inline void SetValues(SpecTable& table,
                      std::initializer_list<std::pair<SpecRow, std::string>> values) {
    for (const auto& [row, text] : values) table.SetText(row, kColValue, text);
}

// A 3000 lb rear-drive car: weight, type, final drive and transmission ratios.
inline void FillSmallCar(SpecTable& table) {
    SetValues(table, {{kVehicleWeightRow, "3000"},
                      {kVehicleTypeRow, ValueChoice("4 Wheel, Rear Drive", 0)},
                      {kFinalDriveRow, "3.73"},
                      {kGearRatioRow, "2.52"}});
}

// Every cell of a table's spec rows, and each row's height, as one text to compare.
inline std::string TableText(const SpecTable& table) {
    std::string text;
    for (int row = kFirstSpecRow; row <= kLastSpecRow; ++row) {
        text += std::to_string(table.RowHeight(row)) + ":";
        for (int column = 0; column < table.ColumnCount(); ++column)
            text += table.Text(row, column) + "|";
        text += "\n";
    }
    return text;
}

}  // namespace gyrant::testing
