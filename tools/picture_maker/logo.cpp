#include "logo.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include "compass_star.h"

namespace tessaly::tools {
void PaintLogo(QPainter& p, int width, int height) {
  p.setRenderHint(QPainter::Antialiasing);
  QLinearGradient sky(0, 0, 0, height);
  sky.setColorAt(0, QColor(24, 52, 104));
  sky.setColorAt(1, QColor(10, 28, 64));
  p.fillRect(QRectF(0, 0, width, height), sky);

  const QPointF centre(width / 2.0, 23);
  p.setPen(QPen(QColor(246, 179, 87), 1.2));
  p.setBrush(Qt::NoBrush);
  p.drawEllipse(centre, 17, 17);
  p.setPen(QPen(QColor(246, 179, 87, 150), 0.7));
  p.drawEllipse(centre, 13.5, 13.5);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(250, 232, 190));
  p.drawPath(CompassStar(centre, 12, 3.2, 8));
  p.setBrush(QColor(246, 179, 87));
  p.drawPath(CompassStar(centre, 16, 4, 4));
  p.setBrush(QColor(180, 40, 30));
  p.drawEllipse(centre, 2.2, 2.2);

  QFont font(QStringLiteral("Liberation Serif"));
  font.setPixelSize(17);
  font.setBold(true);
  font.setItalic(true);
  p.setFont(font);
  p.setPen(QColor(255, 244, 220));
  p.drawText(QRectF(0, 40, width, 20), Qt::AlignCenter,
             QStringLiteral("Tessaly"));
  font.setPixelSize(8);
  font.setItalic(false);
  font.setLetterSpacing(QFont::AbsoluteSpacing, 2);
  p.setFont(font);
  p.setPen(QColor(246, 179, 87));
  p.drawText(QRectF(0, 57, width, 10), Qt::AlignCenter, QStringLiteral("2005"));
}

}  // namespace tessaly::tools
