#include "model/spec_table.h"

#include <stdexcept>

namespace gyrant {
namespace {

constexpr std::array<std::string_view, kProposedColumns> kHeadings = {
    "Row",    "Description", "Value",   "O.D.",   "I.D.",    "Width",   "Material",
    "Weight", "Units",       "Inertia", "Eq. Wt", "% Total", "Imprvmnt"};

// Lengths are always in inches and inertia in pound square feet, whatever the unit system of the
// sub-menus; a part's weight is in the units its row's Units cell names.
constexpr std::array<std::string_view, kProposedColumns> kTooltips = {
    "Row number",
    "What the row describes",
    "The row's setting: vehicle weight in lb, a ratio, a choice or a displacement in cubic inches",
    "Outside diameter, in",
    "Inside diameter, in",
    "Width, in",
    "Material the weight is worked out from, or \"Use Wt\" for the weight entered",
    "Weight, lb or g as the row's Units say",
    "Units of the Weight: Lbs (pounds) or Gms (grams)",
    "Moment of inertia, lb\xB7"
    "ft\xB2",
    "Equivalent weight: the vehicle weight its spinning is worth, lb",
    "Share of the vehicle's total effective weight, %",
    "Percent lighter effective weight than the Baseline's, part by part: each row's Eq. Wt "
    "against the same row of the Baseline vehicle, %"};

// Base widths in twips; every column gets 180 more.
constexpr std::array<int, kProposedColumns> kBaseWidths = {300, 1500, 1250, 350, 350, 600, 800,
                                                           600, 350,  600,  600, 600, 900};

}  // namespace

std::string_view ColumnHeading(int column) {
    return kHeadings.at(static_cast<std::size_t>(column));
}

std::string_view ColumnTooltip(int column) {
    return kTooltips.at(static_cast<std::size_t>(column));
}

int ColumnWidthTwips(int column) {
    return kBaseWidths.at(static_cast<std::size_t>(column)) + 180;
}

std::string ShownCellText(const std::string& cell) {
    std::string_view text(cell);
    text = text.substr(0, text.find("    "));
    while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
    return std::string(text);
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
