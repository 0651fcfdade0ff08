#include "biorhythm/chart_view.h"

#include <QPainter>
#include <cmath>

#include "toolkit/accessibility.h"
#include "toolkit/sys_colors.h"

namespace tessaly::biorhythm {
namespace {

// Widths are in logical pixels, so a chart on a high-density screen keeps
// its proportions: the test day stays three times as thick as the grid.
QPen ChartPen(ChartColor color, int width) {
  QPen pen(toolkit::ResolveColor(color), width);
  pen.setCapStyle(Qt::FlatCap);
  return pen;
}

}  // namespace

ChartView::ChartView(const QString& name, QWidget* parent) : QWidget(parent) {
  setObjectName(name);
  // A Tab stop, so that keyboard and screen-reader users reach the chart.
  setFocusPolicy(Qt::StrongFocus);
  toolkit::SetAccessibleRole(this, QAccessible::Chart);
  setAccessibleName(QStringLiteral("节律周期图"));
  // Background and border follow the desktop's window colours.
  toolkit::FollowSysColors(this, [this] { update(); });
}

void ChartView::SetChart(const ChartData& chart) {
  chart_ = chart;
  update();
}

QRectF ChartView::PlotArea() const {
  return QRectF(rect()).adjusted(1, 1, -1, -1);
}

QPointF ChartView::ToWidget(ChartPoint point) const {
  // The outermost grid lines sit on the first and last pixel column, so all
  // 31 days stay visible.
  const QRectF area = PlotArea();
  const double x = area.left() + (point.x - kChartLeft) * (area.width() - 1) /
                                     (kChartRight - kChartLeft);
  const double y = area.top() + (point.y - kChartTop) * (area.height() - 1) /
                                    (kChartBottom - kChartTop);
  return {x, y};
}

void ChartView::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), toolkit::ResolveColor(
                               toolkit::SysColorRef(toolkit::kColorWindow)));
  painter.setPen(QPen(
      toolkit::ResolveColor(toolkit::SysColorRef(toolkit::kColorWindowText)),
      1));
  painter.drawRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5));
  if (chart_) DrawChart(painter);
  if (hasFocus()) {
    painter.setClipping(false);
    painter.setPen(QPen(Qt::black, 1, Qt::DotLine));
    painter.drawRect(QRectF(rect()).adjusted(2.5, 2.5, -2.5, -2.5));
  }
}

void ChartView::DrawChart(QPainter& painter) const {
  painter.setClipRect(PlotArea());
  // Whole-pixel positions keep the one-pixel lines sharp.
  const auto at = [this](ChartPoint p) {
    const QPointF w = ToWidget(p);
    return QPointF(std::round(w.x()) + 0.5, std::round(w.y()) + 0.5);
  };
  const auto draw = [&](const ChartLine& line, ChartColor color) {
    painter.setPen(ChartPen(color, line.width));
    painter.drawLine(at(line.from), at(line.to));
  };
  draw(chart_->axis, kChartInk);
  for (const ChartLine& line : chart_->grid) draw(line, kChartInk);

  // Sample by sample, so a curve drawn later covers an earlier one where
  // they cross.
  for (int s = 1; s < kChartSamples; ++s) {
    for (const ChartCurve& curve : chart_->curves) {
      painter.setPen(ChartPen(curve.color, 1));
      painter.drawLine(at(curve.points[s - 1]), at(curve.points[s]));
    }
  }
}

}  // namespace tessaly::biorhythm
