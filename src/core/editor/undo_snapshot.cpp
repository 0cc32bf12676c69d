#include "editor/undo_snapshot.h"

#include <set>

#include "engine/update_table.h"
#include "files/settings_file.h"

namespace gyrant {

bool WorksheetSnapshot::operator==(const WorksheetSnapshot& other) const {
    bool sameComments = comments == other.comments || *comments == *other.comments;
    return sameComments && cells == other.cells && twoVehicles == other.twoVehicles &&
           weightOption == other.weightOption;
}

WorksheetSnapshot TakeSnapshot(const Worksheet& sheet, const WorksheetSnapshot* previous) {
    WorksheetSnapshot snapshot;
    for (std::size_t index = 0; index < sheet.tables.size(); ++index) {
        const SpecTable& table = sheet.tables[index];
        std::vector<std::string>& cells = snapshot.cells[index];
        cells.reserve(static_cast<std::size_t>(kTableRows * table.ColumnCount()));
        for (int row = 0; row < kTableRows; ++row)
            for (int column = 0; column < table.ColumnCount(); ++column)
                cells.push_back(table.Text(row, column));
    }
    bool sameComments = previous && *previous->comments == sheet.FileComments;
    snapshot.comments =
        sameComments ? previous->comments : std::make_shared<const std::string>(sheet.FileComments);
    snapshot.twoVehicles = sheet.TwoVehicles;
    snapshot.weightOption = sheet.WeightOption;
    return snapshot;
}

void RestoreSnapshot(Worksheet& sheet, const WorksheetSnapshot& snapshot, Dialogs& dialogs) {
    for (std::size_t index = 0; index < sheet.tables.size(); ++index) {
        SpecTable& table = sheet.tables[index];
        auto cell = snapshot.cells[index].begin();
        for (int row = 0; row < kTableRows; ++row)
            for (int column = 0; column < table.ColumnCount(); ++column)
                table.SetText(row, column, *cell++);
    }
    sheet.FileComments = *snapshot.comments;
    bool optionsDiffer =
        sheet.TwoVehicles != snapshot.twoVehicles || sheet.WeightOption != snapshot.weightOption;
    sheet.TwoVehicles = snapshot.twoVehicles;
    sheet.WeightOption = snapshot.weightOption;
    Recalculate(sheet);
    if (optionsDiffer) KeepSettings(sheet, dialogs);
}

std::size_t HeldBytes(const std::vector<const WorksheetSnapshot*>& states) {
    std::set<const void*> counted;
    std::size_t bytes = 0;
    for (const WorksheetSnapshot* state : states) {
        if (!counted.insert(state).second) continue;
        bytes += sizeof(WorksheetSnapshot);
        for (const std::vector<std::string>& cells : state->cells)
            for (const std::string& cell : cells) bytes += sizeof(std::string) + cell.capacity();
        if (counted.insert(state->comments.get()).second) bytes += state->comments->capacity();
    }
    return bytes;
}

}  // namespace gyrant
