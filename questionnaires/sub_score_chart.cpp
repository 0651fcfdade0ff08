#include "questionnaires/sub_score_chart.h"

#include <QPainter>
#include <algorithm>

namespace tessaly::questionnaires {
namespace {

constexpr int kRowHeight = 20;
constexpr int kBarHeight = 12;
constexpr int kNameWidth = 104;
constexpr int kValueWidth = 52;

}  // namespace

SubScoreChart::SubScoreChart(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("SubScoreChart"));
}

void SubScoreChart::SetRows(std::vector<ChartRow> rows) {
  rows_ = std::move(rows);
  updateGeometry();
  update();
}

QSize SubScoreChart::sizeHint() const {
  return {kNameWidth + kValueWidth + 120,
          static_cast<int>(rows_.size()) * kRowHeight};
}

void SubScoreChart::paintEvent(QPaintEvent* /*event*/) {
  QPainter painter(this);
  const int bar_width = std::max(20, width() - kNameWidth - kValueWidth);
  const QColor track = palette().color(QPalette::Midlight);
  const QColor bar(0x3A, 0x7C, 0xC4);
  for (std::size_t i = 0; i < rows_.size(); ++i) {
    const ChartRow& row = rows_[i];
    const int top = static_cast<int>(i) * kRowHeight;
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(QRect(0, top, kNameWidth - 6, kRowHeight),
                     Qt::AlignRight | Qt::AlignVCenter, row.name);
    const QRect track_rect(kNameWidth, top + (kRowHeight - kBarHeight) / 2,
                           bar_width, kBarHeight);
    painter.fillRect(track_rect, track);
    const int span = std::max(1, row.high - row.low);
    const double share =
        std::clamp(static_cast<double>(row.score - row.low) / span, 0.0, 1.0);
    painter.fillRect(QRectF(track_rect.left(), track_rect.top(),
                            share * track_rect.width(), track_rect.height()),
                     bar);
    painter.drawText(
        QRect(kNameWidth + bar_width + 6, top, kValueWidth - 6, kRowHeight),
        Qt::AlignLeft | Qt::AlignVCenter,
        QStringLiteral("%1分").arg(row.score));
  }
}

}  // namespace tessaly::questionnaires
