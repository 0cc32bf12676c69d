#pragma once

// A horizontal bar chart: one bar per line from a zero line, each labelled with its value, a
// legend above, painted to fit the widget at any scale.

#include <QWidget>

#include "analysis/chart_data.h"

namespace gyrant {

class BarChart : public QWidget {
  public:
    explicit BarChart(QWidget* parent = nullptr);

    void SetChart(ChartData chart);
    const ChartData& Chart() const { return m_chart; }
    QSize sizeHint() const override;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    int PaintLegend(QPainter& painter) const;
    int PaintBar(QPainter& painter, std::size_t index, QRect room, int values) const;
    int ValueRoom() const;

    ChartData m_chart;
};

}  // namespace gyrant
