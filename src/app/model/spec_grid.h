#pragma once

// One spec table on screen (`Grid1(0)` or `Grid1(1)`): column widths and row heights from the
// table's twips, no editing in place; a click selects a row for the editing strip, and so do
// the Up and Down keys once Tab has brought the keyboard here.

#include <QTableView>

#include "model/spec_table_model.h"

namespace gyrant {

// Twips on screen: 15 to a pixel.
inline constexpr int kTwipsPerPixel = 15;
inline int TwipsToPixels(int twips) {
    return twips / kTwipsPerPixel;
}

class SpecGrid : public QTableView {
    Q_OBJECT

  public:
    SpecGrid(const SpecTable& table, int tableIndex, QWidget* parent);

    SpecTableModel& Model() { return m_model; }
    // Shows the cells and row heights as the table now holds them.
    void Refresh();
    // Highlights the table's current row from Description to the last column while the strip
    // edits this table; no row otherwise.
    void ShowSelectedRow(bool edited);
    // Brings a spec row into view when it is not, putting `topRow` at the top.
    void EnsureVisible(int specRow, int topRow);

  signals:
    void rowClicked(int tableIndex, int specRow);
    // Up (`step` -1) or Down (1) pressed in the table.
    void rowStepped(int tableIndex, int step);

  protected:
    void keyPressEvent(QKeyEvent* event) override;

  private:
    // A Value text wider than its cell spreads over the empty dimension cells beside it, as the
    // strip's Value list does on a row without dimensions.
    void SpreadLongValues();

    const SpecTable& m_table;
    int m_tableIndex;
    SpecTableModel m_model;
};

}  // namespace gyrant
