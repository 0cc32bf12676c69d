#include "model/setup_tables.h"

namespace gyrant {
namespace {

void SetupTable(SpecTable& table, const RowDefinitions& rows) {
    for (int column = 0; column < table.ColumnCount(); ++column)
        table.SetText(0, column, std::string(ColumnHeading(column)));
    for (int row = kFirstSpecRow; row <= kLastSpecRow; ++row) {
        table.SetText(row, kColRow, std::to_string(row));
        table.SetText(row, kColDescription, rows.RowDescription[row]);
        if (rows.RowDescription[row].empty()) table.SetRowHeight(row, kSpacerRowHeight);
    }
}

}  // namespace

Outcome SetupTables(Worksheet& sheet, const std::filesystem::path& rowDefinitionsFile) {
    RowDefinitionsRead read = ReadRowDefinitions(rowDefinitionsFile);
    if (!read.outcome.ok) return read.outcome;
    sheet.setup.Rows = std::move(read.definitions);
    for (SpecTable& table : sheet.document.tables) SetupTable(table, sheet.setup.Rows);
    return Outcome::Success();
}

}  // namespace gyrant
