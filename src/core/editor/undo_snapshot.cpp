#include "editor/undo_snapshot.h"

#include "engine/update_table.h"
#include "files/settings_file.h"

namespace gyrant {

WorksheetSnapshot TakeSnapshot(const Worksheet& sheet) {
    WorksheetSnapshot snapshot;
    for (std::size_t index = 0; index < sheet.tables.size(); ++index) {
        const SpecTable& table = sheet.tables[index];
        std::vector<std::string>& cells = snapshot.cells[index];
        cells.reserve(static_cast<std::size_t>(kTableRows * table.ColumnCount()));
        for (int row = 0; row < kTableRows; ++row)
            for (int column = 0; column < table.ColumnCount(); ++column)
                cells.push_back(table.Text(row, column));
    }
    snapshot.comments = sheet.FileComments;
    snapshot.twoVehicles = sheet.TwoVehicles;
    snapshot.weightOption = sheet.WeightOption;
    return snapshot;
}

void RestoreSnapshot(Worksheet& sheet, const WorksheetSnapshot& snapshot, bool savedState,
                     Dialogs& dialogs) {
    for (std::size_t index = 0; index < sheet.tables.size(); ++index) {
        SpecTable& table = sheet.tables[index];
        auto cell = snapshot.cells[index].begin();
        for (int row = 0; row < kTableRows; ++row)
            for (int column = 0; column < table.ColumnCount(); ++column)
                table.SetText(row, column, *cell++);
    }
    sheet.FileComments = snapshot.comments;
    bool optionsDiffer =
        sheet.TwoVehicles != snapshot.twoVehicles || sheet.WeightOption != snapshot.weightOption;
    sheet.TwoVehicles = snapshot.twoVehicles;
    sheet.WeightOption = snapshot.weightOption;
    Recalculate(sheet);
    sheet.SpecsChanged = savedState ? 0 : 1;
    if (optionsDiffer) KeepSettings(sheet, dialogs);
}

}  // namespace gyrant
