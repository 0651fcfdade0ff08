#include "toolkit/line_control.h"

#include <QPainter>
#include <algorithm>

#include "toolkit/units.h"

namespace tessaly::toolkit {

LineControl::LineControl(const QString& name, int x1, int y1, int x2, int y2,
                         ColorRef color, QWidget* parent)
    : QWidget(parent),
      from_(TwipsToPixels(x1), TwipsToPixels(y1)),
      to_(TwipsToPixels(x2), TwipsToPixels(y2)),
      color_(color) {
  setObjectName(name);
  setAttribute(Qt::WA_TransparentForMouseEvents);
  const QRect bounds = QRect(from_, to_).normalized().adjusted(0, 0, 1, 1);
  setGeometry(bounds);
  FollowSysColors(this, [this] { update(); });
}

void LineControl::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setPen(QPen(ResolveColor(color_), 0));
  painter.drawLine(from_ - pos(), to_ - pos());
}

}  // namespace tessaly::toolkit
