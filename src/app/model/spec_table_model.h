#pragma once

// A spec table as Qt sees it: rows 1 to 31 of the table, its heading row as the column
// headers, and the selected row highlighted.

#include <QAbstractTableModel>

#include "model/spec_table.h"

namespace gyrant {

class SpecTableModel : public QAbstractTableModel {
    Q_OBJECT

  public:
    SpecTableModel(const SpecTable& table, QObject* parent);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    // The spec row shown on a model row, and back.
    static int SpecRow(int modelRow) { return modelRow + 1; }
    static int ModelRow(int specRow) { return specRow - 1; }

    // Highlights columns first to last of a spec row; no cell for row -1.
    void SetHighlight(int specRow, int firstColumn, int lastColumn);
    // Tells the views that the cells may all have changed.
    void Refresh();

  private:
    const SpecTable& m_table;
    int m_highlightRow = -1;
    int m_highlightFirst = 0;
    int m_highlightLast = -1;
};

}  // namespace gyrant
