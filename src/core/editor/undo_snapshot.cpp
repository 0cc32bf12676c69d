#include "editor/undo_snapshot.h"

#include <set>

#include "engine/update_table.h"
#include "files/settings_file.h"

namespace gyrant {

bool WorksheetSnapshot::operator==(const WorksheetSnapshot& other) const {
    bool sameComments = comments == other.comments || *comments == *other.comments;
    return sameComments && cells == other.cells && twoVehicles == other.twoVehicles &&
           weightOption == other.weightOption && runEntries == other.runEntries;
}

WorksheetSnapshot TakeSnapshot(const WorksheetDocument& document,
                               const WorksheetSnapshot* previous) {
    WorksheetSnapshot snapshot;
    for (std::size_t index = 0; index < document.tables.size(); ++index) {
        const SpecTable& table = document.tables[index];
        std::vector<std::string>& cells = snapshot.cells[index];
        cells.reserve(static_cast<std::size_t>(kTableRows * table.ColumnCount()));
        for (int row = 0; row < kTableRows; ++row)
            for (int column = 0; column < table.ColumnCount(); ++column)
                cells.push_back(table.Text(row, column));
    }
    bool sameComments = previous && *previous->comments == document.FileComments;
    snapshot.comments = sameComments ? previous->comments
                                     : std::make_shared<const std::string>(document.FileComments);
    snapshot.twoVehicles = document.TwoVehicles;
    snapshot.weightOption = document.WeightOption;
    snapshot.runEntries = document.RunEntries;
    return snapshot;
}

void RestoreDocument(WorksheetDocument& document, const WorksheetSnapshot& snapshot) {
    for (std::size_t index = 0; index < document.tables.size(); ++index) {
        SpecTable& table = document.tables[index];
        auto cell = snapshot.cells[index].begin();
        for (int row = 0; row < kTableRows; ++row)
            for (int column = 0; column < table.ColumnCount(); ++column)
                table.SetText(row, column, *cell++);
    }
    document.FileComments = *snapshot.comments;
    document.TwoVehicles = snapshot.twoVehicles;
    document.WeightOption = snapshot.weightOption;
    document.RunEntries = snapshot.runEntries;
}

void RestoreSnapshot(Worksheet& sheet, const WorksheetSnapshot& snapshot, Dialogs& dialogs) {
    const WorksheetDocument& document = sheet.document;
    bool optionsDiffer = document.TwoVehicles != snapshot.twoVehicles ||
                         document.WeightOption != snapshot.weightOption;
    RestoreDocument(sheet.document, snapshot);
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
        for (const auto& [key, text] : state->runEntries)
            bytes += sizeof(key) + key.capacity() + sizeof(text) + text.capacity();
    }
    return bytes;
}

}  // namespace gyrant
