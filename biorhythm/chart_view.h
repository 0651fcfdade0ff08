// The chart's picture box: keeps the last chart as data and repaints it at
// whatever size and pixel ratio it is shown.
#ifndef TESSALY_BIORHYTHM_CHART_VIEW_H_
#define TESSALY_BIORHYTHM_CHART_VIEW_H_

#include <QPainter>
#include <QWidget>
#include <optional>

#include "biorhythm/chart.h"

namespace tessaly::biorhythm {

class ChartView : public QWidget {
  Q_OBJECT

 public:
  ChartView(const QString& name, QWidget* parent);

  // Replaces the whole chart.
  void SetChart(const ChartData& chart);
  const std::optional<ChartData>& Chart() const { return chart_; }

  // Where a chart point lands in the widget, in logical pixels.
  QPointF ToWidget(ChartPoint point) const;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  void DrawChart(QPainter& painter) const;
  // The drawing area inside the one-pixel flat border.
  QRectF PlotArea() const;

  std::optional<ChartData> chart_;
};

}  // namespace tessaly::biorhythm

#endif  // TESSALY_BIORHYTHM_CHART_VIEW_H_
