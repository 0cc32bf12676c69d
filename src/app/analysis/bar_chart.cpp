#include "analysis/bar_chart.h"

#include <QPainter>
#include <algorithm>

#include "analysis/weight_shares.h"

namespace gyrant {
namespace {

// The Baseline's bars in the window's own highlight, the Proposed's in a quieter green.
QColor VehicleColor(std::size_t vehicle, const QPalette& palette) {
    return vehicle == 0 ? palette.color(QPalette::Highlight) : QColor(70, 150, 90);
}

QString Pounds(double value) {
    return QString::fromStdString(Figure(value)) + QStringLiteral(" lb");
}

}  // namespace

BarChart::BarChart(QWidget* parent) : QWidget(parent) {
    setMinimumHeight(120);
}

void BarChart::SetLines(std::vector<ChartLine> lines, QStringList vehicles) {
    m_lines = std::move(lines);
    m_vehicles = std::move(vehicles);
    updateGeometry();
    update();
}

QSize BarChart::sizeHint() const {
    int bar = fontMetrics().height();
    auto bars = static_cast<int>(m_vehicles.size());
    return {480, (static_cast<int>(m_lines.size()) * (bars * bar + bar / 2)) + 2 * bar};
}

void BarChart::PaintLegend(QPainter& painter, int top) const {
    int left = 0, box = fontMetrics().ascent();
    for (qsizetype v = 0; v < m_vehicles.size(); ++v) {
        painter.fillRect(left, top, box, box, VehicleColor(static_cast<std::size_t>(v), palette()));
        painter.drawText(left + box + 4, top + fontMetrics().ascent(), m_vehicles[v]);
        left += box + 16 + fontMetrics().horizontalAdvance(m_vehicles[v]);
    }
}

void BarChart::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::WindowText));
    const QFontMetrics metrics = fontMetrics();
    int bar = metrics.height();
    int labels = 0, figures = metrics.horizontalAdvance(Pounds(-99999.99));
    double most = 0;
    for (const ChartLine& line : m_lines) {
        labels = std::max(labels, metrics.horizontalAdvance(line.label));
        for (double value : line.pounds) most = std::max(most, std::abs(value));
    }
    int room = std::max(width() - labels - figures - 16, 10);
    int top = 0;
    for (const ChartLine& line : m_lines) {
        auto bars = static_cast<int>(line.pounds.size());
        painter.drawText(QRect(0, top, labels, bars * bar), Qt::AlignVCenter | Qt::AlignLeft,
                         line.label);
        for (std::size_t v = 0; v < line.pounds.size(); ++v) {
            int length = most > 0 ? static_cast<int>(room * std::abs(line.pounds[v]) / most) : 0;
            QRect drawn(labels + 8, top + static_cast<int>(v) * bar + 1, length, bar - 2);
            painter.fillRect(drawn, VehicleColor(v, palette()));
            painter.drawText(drawn.right() + 4, drawn.top() + metrics.ascent(),
                             Pounds(line.pounds[v]));
        }
        top += bars * bar + bar / 2;
    }
    PaintLegend(painter, top + bar / 2);
}

}  // namespace gyrant
