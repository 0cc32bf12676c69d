#include "model/spec_table.h"

#include <stdexcept>

namespace gyrant {
namespace {

constexpr std::array<std::string_view, kProposedColumns> kHeadings = {
    "Row",    "Description", "Value",   "O.D.",   "I.D.",    "Width",   "Material",
    "Weight", "Units",       "Inertia", "Eq. Wt", "% Total", "Imprvmnt"};

// Base widths in twips; every column gets 180 more.
constexpr std::array<int, kProposedColumns> kBaseWidths = {300, 1500, 1250, 350, 350, 600, 800,
                                                           600, 350,  600,  600, 600, 900};

}  // namespace

std::string_view ColumnHeading(int column) {
    return kHeadings.at(static_cast<std::size_t>(column));
}

int ColumnWidthTwips(int column) {
    return kBaseWidths.at(static_cast<std::size_t>(column)) + 180;
}

SpecTable::SpecTable(int columnCount)
    : m_columnCount(columnCount), m_cells(static_cast<std::size_t>(kTableRows * columnCount)) {
    m_rowHeights.fill(kShownRowHeight);
}

std::size_t SpecTable::Index(int row, int column) const {
    if (row < 0 || row >= kTableRows || column < 0 || column >= m_columnCount)
        throw std::out_of_range("spec table cell out of range");
    return static_cast<std::size_t>(row * m_columnCount + column);
}

const std::string& SpecTable::Text(int row, int column) const {
    return m_cells[Index(row, column)];
}

void SpecTable::SetText(int row, int column, std::string text) {
    m_cells[Index(row, column)] = std::move(text);
}

int SpecTable::RowHeight(int row) const {
    return m_rowHeights.at(static_cast<std::size_t>(row));
}

void SpecTable::SetRowHeight(int row, int twips) {
    m_rowHeights.at(static_cast<std::size_t>(row)) = twips;
}

}  // namespace gyrant
