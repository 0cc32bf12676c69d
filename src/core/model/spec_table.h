#pragma once

// One vehicle's spec table: 32 rows of text cells (a heading row and spec rows 1 to 31),
// 12 columns for the Baseline vehicle and 13 for the Proposed vehicle, with row heights.

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace gyrant {

inline constexpr int kTableRows = 32;
inline constexpr int kFirstSpecRow = 1;
inline constexpr int kLastSpecRow = 31;
inline constexpr int kBaselineColumns = 12;
inline constexpr int kProposedColumns = 13;

// Columns of a spec table; the editing strip numbers its fields the same way.
enum Column : int {
    kColRow = 0,
    kColDescription = 1,
    kColValue = 2,
    kColOD = 3,
    kColID = 4,
    kColWidth = 5,
    kColMaterial = 6,
    kColWeight = 7,
    kColUnits = 8,
    kColInertia = 9,
    kColEqWt = 10,
    kColPercentTotal = 11,
    kColImprovement = 12,
};

// Row heights in twips: how a row is shown, hidden or drawn as a thin spacer line.
inline constexpr int kShownRowHeight = 225;
inline constexpr int kHiddenRowHeight = 1;
inline constexpr int kSpacerRowHeight = 15;

// The heading of each column, as row 0 shows it.
std::string_view ColumnHeading(int column);

// What a column holds and in which units, as its heading's tooltip says it (Windows-1252).
std::string_view ColumnTooltip(int column);

// A column's width on screen in twips.
int ColumnWidthTwips(int column);
// A cell's text as the tables show and print it: up to its first run of four blanks (a choice
// cell keeps its item's position beyond them, out of sight), without trailing blanks.
std::string ShownCellText(const std::string& cell);

class SpecTable {
  public:
    explicit SpecTable(int columnCount);

    int ColumnCount() const { return m_columnCount; }
    const std::string& Text(int row, int column) const;
    void SetText(int row, int column, std::string text);

    int RowHeight(int row) const;
    void SetRowHeight(int row, int twips);
    // The recalculation reaches rows 11 twips high or more, spacer lines included.
    bool IsShown(int row) const { return RowHeight(row) >= 11; }
    // A click can select rows 50 twips high or more.
    bool IsSelectable(int row) const { return RowHeight(row) >= 50; }

    int CurrentRow() const { return m_currentRow; }
    void SetCurrentRow(int row) { m_currentRow = row; }
    int FirstVisibleRow() const { return m_firstVisibleRow; }
    void SetFirstVisibleRow(int row) { m_firstVisibleRow = row; }

  private:
    std::size_t Index(int row, int column) const;

    int m_columnCount;
    std::vector<std::string> m_cells;
    std::array<int, kTableRows> m_rowHeights;
    int m_currentRow = 1;
    int m_firstVisibleRow = 1;
};

}  // namespace gyrant
