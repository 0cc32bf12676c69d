#include "analysis/figure_table.h"

#include <QHeaderView>

#include "text/cell_codec.h"

namespace gyrant {

QTableWidget* NewFigureTable(QWidget* parent) {
    auto* table = new QTableWidget(parent);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->verticalHeader()->hide();
    table->verticalHeader()->setDefaultSectionSize(table->fontMetrics().height() + 4);
    table->horizontalHeader()->setStretchLastSection(true);
    return table;
}

void FillFigureTable(QTableWidget* table, const QStringList& headings,
                     const std::vector<QStringList>& lines) {
    table->clear();
    table->setColumnCount(static_cast<int>(headings.size()));
    table->setHorizontalHeaderLabels(headings);
    table->setRowCount(static_cast<int>(lines.size()));
    for (std::size_t r = 0; r < lines.size(); ++r)
        for (qsizetype c = 0; c < lines[r].size(); ++c) {
            auto* item = new QTableWidgetItem(lines[r][c]);
            if (c > 0) item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            table->setItem(static_cast<int>(r), static_cast<int>(c), item);
        }
    table->resizeColumnsToContents();
}

void FitHeightToRows(QTableWidget* table) {
    int rows = 0;
    for (int r = 0; r < table->rowCount(); ++r) rows += table->rowHeight(r);
    table->setFixedHeight(table->horizontalHeader()->sizeHint().height() + rows +
                          2 * table->frameWidth());
}

void FitWidthToColumns(QTableWidget* table) {
    table->setFixedWidth(table->horizontalHeader()->length() + 2 * table->frameWidth());
}

QStringList Texts(const std::vector<std::string>& cells) {
    QStringList texts;
    for (const std::string& cell : cells) texts << FromCell(cell);
    return texts;
}

}  // namespace gyrant
