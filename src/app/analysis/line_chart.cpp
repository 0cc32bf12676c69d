#include "analysis/line_chart.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>

#include "text/cell_codec.h"

namespace gyrant {
namespace {

// Colours that stay apart on a light or a dark window, and on paper.
QColor SeriesColor(std::size_t index) {
    static const QColor kColors[] = {QColor(30, 100, 200), QColor(220, 110, 20),
                                     QColor(40, 150, 70)};
    return kColors[index % std::size(kColors)];
}

// A mark is a ring around its point, so the line stays visible through it.
void PaintMark(QPainter& painter, QPointF at, int size, const QColor& color) {
    painter.setPen(QPen(color, std::max(1, size / 4)));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(at, size / 2.0, size / 2.0);
}

}  // namespace

LineChart::LineChart(QWidget* parent) : QWidget(parent) {
    setMinimumSize(240, 180);
}

void LineChart::SetChart(LineChartData chart) {
    m_chart = std::move(chart);
    updateGeometry();
    update();
}

QSize LineChart::sizeHint() const {
    int line = fontMetrics().height();
    return {30 * line, 18 * line};
}

// A swatch and name per series, then the marks' meaning, wrapped to the width; returns the height
// used.
int LineChart::PaintLegend(QPainter& painter) const {
    const QFontMetrics metrics = fontMetrics();
    int line = metrics.height(), swatch = 2 * metrics.ascent(), x = 0, top = 0;
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(QRect(0, 0, width(), line), Qt::AlignLeft | Qt::AlignVCenter,
                     FromCell(m_chart.legend));
    top += line + line / 4;
    auto place = [&](int room) {
        if (x > 0 && x + room > width()) {
            x = 0;
            top += line;
        }
        int at = x;
        x += room + line;
        return at;
    };
    for (std::size_t i = 0; i < m_chart.series.size(); ++i) {
        QString name = FromCell(m_chart.series[i].name);
        int at = place(swatch + 4 + metrics.horizontalAdvance(name));
        painter.setPen(QPen(SeriesColor(i), std::max(2, line / 8)));
        painter.drawLine(at, top + line / 2, at + swatch, top + line / 2);
        painter.setPen(palette().color(QPalette::WindowText));
        painter.drawText(at + swatch + 4, top + metrics.ascent(), name);
    }
    if (!m_chart.marksLegend.empty()) {
        QString text = FromCell(m_chart.marksLegend);
        int at = place(line + 4 + metrics.horizontalAdvance(text));
        PaintMark(painter, QPointF(at + line / 2.0, top + line / 2.0), metrics.ascent(),
                  palette().color(QPalette::WindowText));
        painter.drawText(at + line + 4, top + metrics.ascent(), text);
    }
    return top + line + line / 2;
}

QPointF LineChart::Place(QRect plot, ChartPoint point) const {
    const ChartAxis &x = m_chart.x, &y = m_chart.y;
    double across = (point.x - x.low) / (x.high - x.low);
    double up = (point.y - y.low) / (y.high - y.low);
    return {plot.left() + across * plot.width(), plot.bottom() - up * plot.height()};
}

// The frame, a faint grid line and a label at each tick, and each axis's title.
void LineChart::PaintAxes(QPainter& painter, QRect plot) const {
    const QFontMetrics metrics = fontMetrics();
    int line = metrics.height();
    QColor text = palette().color(QPalette::WindowText), grid = text;
    grid.setAlpha(40);
    for (std::size_t i = 0; i < m_chart.x.ticks.size(); ++i) {
        QPointF at = Place(plot, {m_chart.x.ticks[i], m_chart.y.low});
        painter.setPen(grid);
        painter.drawLine(QPointF(at.x(), plot.top()), at);
        painter.setPen(text);
        painter.drawText(QRectF(at.x() - 3 * line, plot.bottom() + 2, 6 * line, line),
                         Qt::AlignHCenter | Qt::AlignTop, FromCell(m_chart.x.tickLabels[i]));
    }
    for (std::size_t i = 0; i < m_chart.y.ticks.size(); ++i) {
        QPointF at = Place(plot, {m_chart.x.low, m_chart.y.ticks[i]});
        painter.setPen(grid);
        painter.drawLine(at, QPointF(plot.right(), at.y()));
        painter.setPen(text);
        painter.drawText(QRectF(0, at.y() - line / 2.0, plot.left() - 4, line),
                         Qt::AlignRight | Qt::AlignVCenter, FromCell(m_chart.y.tickLabels[i]));
    }
    painter.setPen(text);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(plot);
    painter.drawText(QRect(plot.left(), plot.bottom() + line + 2, plot.width(), line),
                     Qt::AlignHCenter | Qt::AlignTop, FromCell(m_chart.x.title));
    painter.save();
    painter.translate(0, plot.center().y());
    painter.rotate(-90);
    painter.drawText(QRect(-plot.height() / 2, 0, plot.height(), line), Qt::AlignCenter,
                     FromCell(m_chart.y.title));
    painter.restore();
}

void LineChart::PaintSeries(QPainter& painter, QRect plot, std::size_t index) const {
    const LineSeries& series = m_chart.series[index];
    if (series.points.empty()) return;
    QPainterPath path(Place(plot, series.points.front()));
    for (const ChartPoint& point : series.points) path.lineTo(Place(plot, point));
    int line = fontMetrics().height();
    painter.setPen(QPen(SeriesColor(index), std::max(2, line / 8)));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(path);
    for (const ChartPoint& mark : series.marks)
        PaintMark(painter, Place(plot, mark), fontMetrics().ascent(), SeriesColor(index));
}

void LineChart::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QFontMetrics metrics = fontMetrics();
    int line = metrics.height(), labels = 0;
    for (const std::string& label : m_chart.y.tickLabels)
        labels = std::max(labels, metrics.horizontalAdvance(FromCell(label)));
    int top = PaintLegend(painter);
    int left = line + 6 + labels + 6;
    // Room on the right for the last tick's label, centred on the plot's edge.
    int right = metrics.horizontalAdvance(FromCell(
                    m_chart.x.tickLabels.empty() ? std::string() : m_chart.x.tickLabels.back())) /
                    2 +
                4;
    QRect plot(left, top, std::max(width() - left - right, 10),
               std::max(height() - top - 2 * line - 6, 10));
    PaintAxes(painter, plot);
    painter.setClipRect(plot.adjusted(-line, -line, line, line));
    for (std::size_t i = 0; i < m_chart.series.size(); ++i) PaintSeries(painter, plot, i);
}

}  // namespace gyrant
