#pragma once

// Shorthands for filling a worksheet's input cells in tests.

#include <string>

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

inline void SetVehicleType(SpecTable& table, const std::string& type, int position) {
    table.SetText(2, kColValue, ValueChoice(type, position));
}

}  // namespace gyrant::testing
