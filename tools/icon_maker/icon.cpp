#include "icon.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include "tools/picture_maker/compass_star.h"

namespace tessaly::tools {
QImage DrawIcon(int size) {
  QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  // The logo is drawn on a 46-unit emblem; the tile keeps a small margin so
  // the rounded corners do not clip the ring.
  p.scale(size / 46.0, size / 46.0);

  QLinearGradient sky(0, 0, 0, 46);
  sky.setColorAt(0, QColor(24, 52, 104));
  sky.setColorAt(1, QColor(10, 28, 64));
  p.setPen(Qt::NoPen);
  p.setBrush(sky);
  p.drawRoundedRect(QRectF(0.5, 0.5, 45, 45), 8, 8);

  const QPointF centre(23, 23);
  // Thin strokes vanish below 32 pixels; thicken them there.
  const double stroke = size < 32 ? 2.0 : 1.2;
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(QColor(246, 179, 87), stroke));
  p.drawEllipse(centre, 19, 19);
  if (size >= 32) {
    p.setPen(QPen(QColor(246, 179, 87, 150), 0.7));
    p.drawEllipse(centre, 15, 15);
  }
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(250, 232, 190));
  p.drawPath(CompassStar(centre, 13.5, 3.6, 8));
  p.setBrush(QColor(246, 179, 87));
  p.drawPath(CompassStar(centre, 18, 4.5, 4));
  p.setBrush(QColor(180, 40, 30));
  p.drawEllipse(centre, 2.5, 2.5);
  return image;
}

}  // namespace tessaly::tools
