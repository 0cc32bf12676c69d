#include "analysis/bar_chart.h"

#include <QPainter>
#include <algorithm>

#include "text/cell_codec.h"

namespace gyrant {
namespace {

// Bars above zero in the window's own highlight, those below in a warning red.
QColor BarColor(bool belowZero, const QPalette& palette) {
    return belowZero ? QColor(200, 70, 50) : palette.color(QPalette::Highlight);
}

bool AnyBelowZero(const ChartData& chart) {
    return !chart.belowZeroLegend.empty();
}

}  // namespace

BarChart::BarChart(QWidget* parent) : QWidget(parent) {
    setMinimumHeight(120);
}

void BarChart::SetChart(ChartData chart) {
    m_chart = std::move(chart);
    updateGeometry();
    update();
}

QSize BarChart::sizeHint() const {
    int line = fontMetrics().height();
    int legends = AnyBelowZero(m_chart) ? 2 : 1;
    return {480, (static_cast<int>(m_chart.bars.size()) + legends) * (line + line / 4) + line};
}

// The widest value label, so that labels either side of the bars stay inside the chart.
int BarChart::ValueRoom() const {
    int room = 0;
    for (const ChartBar& bar : m_chart.bars)
        room = std::max(room, fontMetrics().horizontalAdvance(FromCell(bar.valueLabel)));
    return room + 4;
}

// One swatch and text per meaning, one under the other; returns the height used.
int BarChart::PaintLegend(QPainter& painter) const {
    const QFontMetrics metrics = fontMetrics();
    int box = metrics.ascent(), step = metrics.height() + metrics.height() / 4, top = 0;
    for (bool belowZero : {false, true}) {
        const std::string& text = belowZero ? m_chart.belowZeroLegend : m_chart.legend;
        if (text.empty()) continue;
        painter.fillRect(0, top + (metrics.height() - box) / 2, box, box,
                         BarColor(belowZero, palette()));
        painter.drawText(QRect(box + 6, top, width() - box - 6, metrics.height()),
                         Qt::AlignVCenter | Qt::AlignLeft, FromCell(text));
        top += step;
    }
    return top;
}

// Paints a bar in its row of the bars' room, its value beside its end; returns the zero line.
int BarChart::PaintBar(QPainter& painter, std::size_t index, QRect room, int values) const {
    const ChartBar& bar = m_chart.bars[index];
    bool below = bar.value < 0;
    BarSpan span = SpanOf(m_chart, index);
    int from = room.left() + static_cast<int>(room.width() * span.left);
    int to = room.left() + static_cast<int>(room.width() * span.right);
    painter.fillRect(QRect(from, room.top() + 1, std::max(to - from, 1), room.height() - 2),
                     BarColor(below, palette()));
    QRect label = below ? QRect(from - values, room.top(), values - 4, room.height())
                        : QRect(to + 4, room.top(), values, room.height());
    Qt::Alignment align = Qt::AlignVCenter | (below ? Qt::AlignRight : Qt::AlignLeft);
    painter.drawText(label, static_cast<int>(align.toInt()), FromCell(bar.valueLabel));
    return below ? to : from;
}

void BarChart::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::WindowText));
    const QFontMetrics metrics = fontMetrics();
    int line = metrics.height(), step = line + line / 4, names = 0, values = ValueRoom();
    for (const ChartBar& bar : m_chart.bars)
        names = std::max(names, metrics.horizontalAdvance(FromCell(bar.label)));
    int left = names + 8 + (AnyBelowZero(m_chart) ? values : 0);
    int room = std::max(width() - left - values - 4, 10);
    int top = PaintLegend(painter) + line / 2, first = top, zero = left;
    for (std::size_t i = 0; i < m_chart.bars.size(); ++i, top += step) {
        painter.drawText(QRect(0, top, names, line), Qt::AlignVCenter | Qt::AlignLeft,
                         FromCell(m_chart.bars[i].label));
        zero = PaintBar(painter, i, QRect(left, top, room, line), values);
    }
    if (AnyBelowZero(m_chart)) painter.drawLine(zero, first, zero, top);
}

}  // namespace gyrant
