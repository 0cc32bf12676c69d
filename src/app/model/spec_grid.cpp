#include "model/spec_grid.h"

#include <QHeaderView>
#include <QScrollBar>

#include "dialog_font.h"

namespace gyrant {

SpecGrid::SpecGrid(const SpecTable& table, int tableIndex, QWidget* parent)
    : QTableView(parent), m_table(table), m_tableIndex(tableIndex), m_model(table, this) {
    setModel(&m_model);
    setObjectName(QStringLiteral("Grid1_%1").arg(tableIndex));
    setEditTriggers(NoEditTriggers);
    setSelectionMode(NoSelection);
    setFocusPolicy(Qt::NoFocus);
    setTextElideMode(Qt::ElideNone);
    setWordWrap(false);
    verticalHeader()->hide();
    // The user may widen a column to read a long text; the printed report keeps its own widths.
    horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    horizontalHeader()->setHighlightSections(false);
    verticalHeader()->setMinimumSectionSize(0);
    setVerticalScrollMode(ScrollPerPixel);
    setFont(DialogFont(font()));
    horizontalHeader()->setFont(font());
    horizontalHeader()->setFixedHeight(TwipsToPixels(kShownRowHeight) + 2);
    for (int column = 0; column < table.ColumnCount(); ++column)
        setColumnWidth(column, TwipsToPixels(ColumnWidthTwips(column)));
    connect(this, &QTableView::clicked, this, [this](const QModelIndex& index) {
        emit rowClicked(m_tableIndex, SpecTableModel::SpecRow(index.row()));
    });
    // The headings are the table's row 0; a click there is a click on that row.
    connect(horizontalHeader(), &QHeaderView::sectionClicked, this,
            [this] { emit rowClicked(m_tableIndex, 0); });
    Refresh();
}

void SpecGrid::Refresh() {
    for (int row = kFirstSpecRow; row <= kLastSpecRow; ++row) {
        int modelRow = SpecTableModel::ModelRow(row);
        bool shown = m_table.RowHeight(row) > kHiddenRowHeight;
        setRowHidden(modelRow, !shown);
        if (shown) setRowHeight(modelRow, TwipsToPixels(m_table.RowHeight(row)));
    }
    m_model.Refresh();
}

void SpecGrid::ShowSelectedRow(bool edited) {
    // Only the table being edited shows a chosen row, so the row in the strip is never in doubt.
    m_model.SetHighlight(edited ? m_table.CurrentRow() : -1, kColDescription,
                         m_table.ColumnCount() - 1);
}

void SpecGrid::EnsureVisible(int specRow, int topRow) {
    QRect cell = visualRect(m_model.index(SpecTableModel::ModelRow(specRow), 0));
    if (cell.isValid() && cell.top() >= 0 && cell.bottom() <= viewport()->height()) return;
    verticalScrollBar()->setValue(rowViewportPosition(SpecTableModel::ModelRow(topRow)) +
                                  verticalScrollBar()->value());
    // A table shorter than the rows from `topRow` down still shows the row itself.
    scrollTo(m_model.index(SpecTableModel::ModelRow(specRow), 0), QAbstractItemView::EnsureVisible);
}

}  // namespace gyrant
