#include "table_export.h"

#include <algorithm>
#include <string>
#include <vector>

namespace gyrant {
namespace {

std::vector<std::size_t> ColumnWidths(const SpecTable& table) {
    std::vector<std::size_t> widths(static_cast<std::size_t>(table.ColumnCount()), 0);
    for (int row = 0; row <= kLastSpecRow; ++row)
        for (int column = 0; column < table.ColumnCount(); ++column)
            widths[static_cast<std::size_t>(column)] =
                std::max(widths[static_cast<std::size_t>(column)], table.Text(row, column).size());
    return widths;
}

void WriteAlignedTable(const SpecTable& table, const char* name, std::ostream& out) {
    out << name << '\n';
    std::vector<std::size_t> widths = ColumnWidths(table);
    for (int row = 0; row <= kLastSpecRow; ++row) {
        std::string line;
        for (int column = 0; column < table.ColumnCount(); ++column) {
            const std::string& text = table.Text(row, column);
            if (column > 0) line += "  ";
            line += text;
            line.append(widths[static_cast<std::size_t>(column)] - text.size(), ' ');
        }
        line.erase(line.find_last_not_of(' ') + 1);
        out << line << '\n';
    }
}

std::string CsvField(const std::string& text) {
    if (text.find_first_of(",\"\r\n") == std::string::npos) return text;
    std::string quoted = "\"";
    for (char c : text) {
        if (c == '"') quoted += '"';
        quoted += c;
    }
    return quoted + '"';
}

}  // namespace

void WriteAlignedTables(const Worksheet& sheet, std::ostream& out) {
    WriteAlignedTable(sheet.Table(kBaseline), "Baseline Vehicle", out);
    out << '\n';
    WriteAlignedTable(sheet.Table(kProposed), "Proposed Vehicle", out);
}

void WriteCsvTables(const Worksheet& sheet, std::ostream& out) {
    out << "Table";
    for (int column = 0; column < kProposedColumns; ++column) out << ',' << ColumnHeading(column);
    out << '\n';
    for (int index = kBaseline; index <= kProposed; ++index) {
        const SpecTable& table = sheet.Table(index);
        for (int row = kFirstSpecRow; row <= kLastSpecRow; ++row) {
            out << index;
            for (int column = 0; column < kProposedColumns; ++column)
                out << ','
                    << (column < table.ColumnCount() ? CsvField(table.Text(row, column)) : "");
            out << '\n';
        }
    }
}

}  // namespace gyrant
