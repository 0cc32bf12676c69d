#pragma once

// The read-only tables of "Where the Weight Goes": a name first, figures right-aligned after it.

#include <QStringList>
#include <QTableWidget>
#include <string>
#include <vector>

namespace gyrant {

QTableWidget* NewFigureTable(QWidget* parent);

// Fills the table, numbers right-aligned, each column as wide as its texts.
void FillFigureTable(QTableWidget* table, const QStringList& headings,
                     const std::vector<QStringList>& lines);

// The table as tall as all its rows, so that only the page around it scrolls.
void FitHeightToRows(QTableWidget* table);
// The table as wide as its columns, which it does not stretch.
void FitWidthToColumns(QTableWidget* table);

// Cell texts as the table shows them.
QStringList Texts(const std::vector<std::string>& cells);

}  // namespace gyrant
