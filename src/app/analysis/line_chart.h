#pragma once

// A chart of lines against two axes: each series in its own colour with its marked points, a
// legend above, round ticks along both axes, painted to fit the widget at any scale.

#include <QWidget>

#include "timeslip/slip_charts.h"

namespace gyrant {

class LineChart : public QWidget {
  public:
    explicit LineChart(QWidget* parent = nullptr);

    void SetChart(LineChartData chart);
    const LineChartData& Chart() const { return m_chart; }
    QSize sizeHint() const override;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    int PaintLegend(QPainter& painter) const;
    void PaintAxes(QPainter& painter, QRect plot) const;
    void PaintSeries(QPainter& painter, QRect plot, std::size_t index) const;
    QPointF Place(QRect plot, ChartPoint point) const;

    LineChartData m_chart;
};

}  // namespace gyrant
