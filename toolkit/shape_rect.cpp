#include "toolkit/shape_rect.h"

#include <QPainter>

namespace tessaly::toolkit {

ShapeRect::ShapeRect(const QString& name, ColorRef border_color,
                     QWidget* parent)
    : QWidget(parent), border_color_(border_color) {
  setObjectName(name);
  setAttribute(Qt::WA_TransparentForMouseEvents);
  FollowSysColors(this, [this] { update(); });
}

void ShapeRect::SetBorderColor(ColorRef color) {
  border_color_ = color;
  update();
}

void ShapeRect::SetFillColor(std::optional<ColorRef> color) {
  fill_color_ = color;
  update();
}

void ShapeRect::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  if (fill_color_) painter.fillRect(rect(), ResolveColor(*fill_color_));
  // A one-pixel border along the inside of the control, as drawn on screen.
  painter.setPen(QPen(ResolveColor(border_color_), 0));
  painter.setBrush(Qt::NoBrush);
  painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

}  // namespace tessaly::toolkit
