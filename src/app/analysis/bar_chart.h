#pragma once

// A horizontal bar chart in pounds: one group of bars per line, one bar per vehicle, each
// labelled with its figure, painted to fit the widget at any scale.

#include <QWidget>
#include <vector>

namespace gyrant {

struct ChartLine {
    QString label;
    std::vector<double> pounds;  // one per vehicle shown
};

class BarChart : public QWidget {
  public:
    explicit BarChart(QWidget* parent = nullptr);

    void SetLines(std::vector<ChartLine> lines, QStringList vehicles);
    const std::vector<ChartLine>& Lines() const { return m_lines; }
    QSize sizeHint() const override;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    void PaintLegend(QPainter& painter, int top) const;

    std::vector<ChartLine> m_lines;
    QStringList m_vehicles;
};

}  // namespace gyrant
