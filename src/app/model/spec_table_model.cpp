#include "model/spec_table_model.h"

#include <QApplication>
#include <QPalette>

#include "text/cell_codec.h"

namespace gyrant {

SpecTableModel::SpecTableModel(const SpecTable& table, QObject* parent)
    : QAbstractTableModel(parent), m_table(table) {}

int SpecTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kLastSpecRow;
}

int SpecTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : m_table.ColumnCount();
}

QVariant SpecTableModel::data(const QModelIndex& index, int role) const {
    int row = SpecRow(index.row());
    int column = index.column();
    bool highlighted =
        row == m_highlightRow && column >= m_highlightFirst && column <= m_highlightLast;
    switch (role) {
        case Qt::DisplayRole:
            return FromCell(ShownCellText(m_table.Text(row, column)));
        case Qt::BackgroundRole:
            if (highlighted) return QApplication::palette().brush(QPalette::Highlight);
            if (column == kColRow) return QApplication::palette().brush(QPalette::Button);
            return {};
        case Qt::ForegroundRole:
            if (highlighted) return QApplication::palette().brush(QPalette::HighlightedText);
            return {};
        case Qt::TextAlignmentRole:
            return column == kColRow ? int(Qt::AlignCenter) : int(Qt::AlignLeft | Qt::AlignVCenter);
        default:
            return {};
    }
}

QVariant SpecTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal) return {};
    if (role == Qt::ToolTipRole) return FromCell(std::string(ColumnTooltip(section)));
    if (role != Qt::DisplayRole) return {};
    return FromCell(m_table.Text(0, section));
}

void SpecTableModel::SetHighlight(int specRow, int firstColumn, int lastColumn) {
    m_highlightRow = specRow;
    m_highlightFirst = firstColumn;
    m_highlightLast = lastColumn;
    Refresh();
}

void SpecTableModel::Refresh() {
    emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
    emit headerDataChanged(Qt::Horizontal, 0, columnCount() - 1);
}

}  // namespace gyrant
