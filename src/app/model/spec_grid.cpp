#include "model/spec_grid.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QPainter>
#include <QScrollBar>
#include <QStyledItemDelegate>

#include "dialog_font.h"
#include "text/cell_codec.h"

namespace gyrant {
namespace {

// The room between a cell's edges and its text.
constexpr int kCellMargin = 3;

// Headings one table row high: the height is known, so the view need not measure every heading
// each time it lays itself out.
class HeadingRow : public QHeaderView {
  public:
    explicit HeadingRow(QWidget* parent) : QHeaderView(Qt::Horizontal, parent) {
        setSectionsClickable(true);
    }
    QSize sizeHint() const override { return {length(), height()}; }
};

// Paints a cell as the tables show it: its background, then its one line of text. The stock
// painting lays out icons, check marks and elided text for every cell, and the tables have none.
class CellPainter : public QStyledItemDelegate {
  public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        QVariant background = index.data(Qt::BackgroundRole);
        if (background.isValid()) painter->fillRect(option.rect, background.value<QBrush>());
        QString text = index.data(Qt::DisplayRole).toString();
        if (text.isEmpty()) return;
        QVariant foreground = index.data(Qt::ForegroundRole);
        auto alignment = Qt::Alignment(index.data(Qt::TextAlignmentRole).toInt());
        painter->save();
        painter->setPen(foreground.isValid() ? foreground.value<QBrush>().color()
                                             : option.palette.color(QPalette::Text));
        painter->setFont(option.font);
        // A text wider than its cell (a column narrowed by the user) stops at the cell's edge.
        painter->setClipRect(option.rect);
        painter->drawText(option.rect.adjusted(kCellMargin, 0, -kCellMargin, 0),
                          int(alignment) | Qt::TextSingleLine, text);
        painter->restore();
    }
};

}  // namespace

SpecGrid::SpecGrid(const SpecTable& table, int tableIndex, QWidget* parent)
    : QTableView(parent), m_table(table), m_tableIndex(tableIndex), m_model(table, this) {
    setHorizontalHeader(new HeadingRow(this));
    // Hidden before the model comes, so that the row numbers are never measured.
    verticalHeader()->hide();
    setModel(&m_model);
    setItemDelegate(new CellPainter(this));
    setObjectName(QStringLiteral("Grid1_%1").arg(tableIndex));
    setEditTriggers(NoEditTriggers);
    setSelectionMode(NoSelection);
    // Tab reaches the table and leaves it again; a click still leaves the focus in the strip.
    setFocusPolicy(Qt::TabFocus);
    setTabKeyNavigation(false);
    setTextElideMode(Qt::ElideNone);
    setWordWrap(false);
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
    SpreadLongValues();
    m_model.Refresh();
}

void SpecGrid::keyPressEvent(QKeyEvent* event) {
    bool up = event->key() == Qt::Key_Up;
    if (!up && event->key() != Qt::Key_Down) return QTableView::keyPressEvent(event);
    emit rowStepped(m_tableIndex, up ? -1 : 1);
}

void SpecGrid::SpreadLongValues() {
    clearSpans();
    QFontMetrics metrics(font());
    for (int row = kFirstSpecRow; row <= kLastSpecRow; ++row) {
        const std::string& value = m_table.Text(row, kColValue);
        if (value.empty() || !m_table.Text(row, kColOD).empty() ||
            !m_table.Text(row, kColID).empty() || !m_table.Text(row, kColWidth).empty())
            continue;
        int width = metrics.horizontalAdvance(FromCell(ShownCellText(value)));
        if (width + 2 * kCellMargin > columnWidth(kColValue))
            setSpan(SpecTableModel::ModelRow(row), kColValue, 1, kColWidth - kColValue + 1);
    }
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
