#include "compass_map.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QRandomGenerator>
#include <cmath>
#include <numbers>

namespace tessaly::tools {
namespace {

constexpr double kPi = std::numbers::pi;

double Between(QRandomGenerator& random, double low, double high) {
  return low + random.bounded(high - low);
}

// A coastline: a closed wobbly curve around a centre, from a few harmonics.
QPainterPath Coast(QPointF centre, double radius, QRandomGenerator& random) {
  std::array<double, 6> amplitude{};
  std::array<double, 6> phase{};
  for (std::size_t k = 0; k < amplitude.size(); ++k) {
    amplitude[k] = radius * Between(random, 0.05, 0.22) / (1 + 0.4 * k);
    phase[k] = random.bounded(2 * kPi);
  }
  QPainterPath path;
  constexpr int kSteps = 160;
  for (int i = 0; i <= kSteps; ++i) {
    const double t = 2 * kPi * i / kSteps;
    double r = radius;
    for (std::size_t k = 0; k < amplitude.size(); ++k) {
      r += amplitude[k] * std::sin((k + 2) * t + phase[k]);
    }
    r += random.bounded(radius * 0.015);
    const QPointF p(centre.x() + r * std::cos(t),
                    centre.y() + 0.75 * r * std::sin(t));
    if (i == 0) {
      path.moveTo(p);
    } else {
      path.lineTo(p);
    }
  }
  path.closeSubpath();
  return path;
}

void DrawParchment(QPainter& p, const QRectF& area, QRandomGenerator& random) {
  QRadialGradient paper(area.center(), area.width() * 0.65);
  paper.setColorAt(0, QColor(238, 222, 184));
  paper.setColorAt(0.6, QColor(222, 199, 150));
  paper.setColorAt(1, QColor(160, 122, 74));
  p.fillRect(area, paper);
  // Stains and foxing.
  for (int i = 0; i < 28; ++i) {
    const QPointF c(random.bounded(area.width()),
                    random.bounded(area.height()));
    const double r = Between(random, 6.0, 40.0);
    QRadialGradient stain(c, r);
    stain.setColorAt(0, QColor(150, 110, 60, random.bounded(10, 34)));
    stain.setColorAt(1, QColor(150, 110, 60, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(stain);
    p.drawEllipse(c, r, r);
  }
  for (int i = 0; i < 2600; ++i) {
    p.setPen(QColor(110, 80, 40, random.bounded(8, 40)));
    p.drawPoint(
        QPointF(random.bounded(area.width()), random.bounded(area.height())));
  }
}

void DrawChart(QPainter& p, const QRectF& area, QPointF rose,
               QRandomGenerator& random) {
  // Graticule.
  p.setPen(QPen(QColor(120, 90, 55, 70), 0.6));
  for (double x = 20; x < area.width(); x += 48)
    p.drawLine(QLineF(x, 0, x, area.height()));
  for (double y = 14; y < area.height(); y += 40)
    p.drawLine(QLineF(0, y, area.width(), y));
  // Rhumb lines from the chart's wind rose.
  for (int i = 0; i < 32; ++i) {
    const double a = 2 * kPi * i / 32;
    const QColor ink =
        i % 4 == 0 ? QColor(140, 40, 30, 110) : QColor(70, 90, 60, 80);
    p.setPen(QPen(ink, i % 4 == 0 ? 0.8 : 0.5));
    p.drawLine(
        QLineF(rose, rose + QPointF(900 * std::cos(a), 900 * std::sin(a))));
  }
  // Land: shaded masses with inked coasts and a few ripple lines offshore.
  const std::array<std::pair<QPointF, double>, 4> lands = {
      {{{55, 60}, 70}, {{90, 235}, 58}, {{355, 40}, 48}, {{372, 215}, 40}}};
  for (const auto& [centre, radius] : lands) {
    const QPainterPath coast = Coast(centre, radius, random);
    for (int ripple = 3; ripple >= 1; --ripple) {
      p.setPen(QPen(QColor(90, 70, 45, 45), 0.7));
      p.setBrush(Qt::NoBrush);
      QTransform grow;
      const double s = 1 + ripple * 0.07;
      grow.translate(centre.x(), centre.y());
      grow.scale(s, s);
      grow.translate(-centre.x(), -centre.y());
      p.drawPath(grow.map(coast));
    }
    QLinearGradient land(centre - QPointF(radius, radius),
                         centre + QPointF(radius, radius));
    land.setColorAt(0, QColor(196, 176, 120));
    land.setColorAt(1, QColor(170, 150, 98));
    p.setBrush(land);
    p.setPen(QPen(QColor(80, 55, 30), 1.1));
    p.drawPath(coast);
    // Hills.
    p.setPen(QPen(QColor(110, 85, 50, 150), 0.8));
    for (int h = 0; h < 5; ++h) {
      const QPointF c =
          centre + QPointF(Between(random, -radius * 0.5, radius * 0.5),
                           Between(random, -radius * 0.3, radius * 0.3));
      p.drawArc(QRectF(c.x() - 6, c.y() - 3, 12, 8), 20 * 16, 140 * 16);
    }
  }
}

void DrawNeedle(QPainter& p, double length, double width) {
  QPainterPath north;
  north.moveTo(0, -length);
  north.lineTo(width, 0);
  north.lineTo(-width, 0);
  north.closeSubpath();
  QPainterPath south;
  south.moveTo(0, length);
  south.lineTo(width, 0);
  south.lineTo(-width, 0);
  south.closeSubpath();
  QLinearGradient red(-width, 0, width, 0);
  red.setColorAt(0, QColor(200, 40, 30));
  red.setColorAt(0.5, QColor(240, 90, 70));
  red.setColorAt(1, QColor(150, 20, 15));
  QLinearGradient steel(-width, 0, width, 0);
  steel.setColorAt(0, QColor(60, 70, 85));
  steel.setColorAt(0.5, QColor(150, 160, 175));
  steel.setColorAt(1, QColor(40, 45, 55));
  p.setPen(QPen(QColor(30, 20, 10, 160), 0.6));
  p.setBrush(red);
  p.drawPath(north);
  p.setBrush(steel);
  p.drawPath(south);
}

void DrawRoseStar(QPainter& p, double outer, double inner, int points,
                  const QColor& dark, const QColor& light) {
  for (int i = 0; i < points; ++i) {
    const double a = 2 * kPi * i / points - kPi / 2;
    const double left = a - kPi / points;
    const double right = a + kPi / points;
    const QPointF tip(outer * std::cos(a), outer * std::sin(a));
    const QPointF l(inner * std::cos(left), inner * std::sin(left));
    const QPointF r(inner * std::cos(right), inner * std::sin(right));
    QPainterPath half_dark;
    half_dark.moveTo(0, 0);
    half_dark.lineTo(tip);
    half_dark.lineTo(l);
    half_dark.closeSubpath();
    QPainterPath half_light;
    half_light.moveTo(0, 0);
    half_light.lineTo(tip);
    half_light.lineTo(r);
    half_light.closeSubpath();
    p.setPen(QPen(QColor(40, 30, 20), 0.5));
    p.setBrush(dark);
    p.drawPath(half_dark);
    p.setBrush(light);
    p.drawPath(half_light);
  }
}

void DrawCompass(QPainter& p, QPointF centre, double radius) {
  // Shadow on the paper.
  QRadialGradient shadow(centre + QPointF(7, 9), radius * 1.12);
  shadow.setColorAt(0.8, QColor(40, 25, 10, 120));
  shadow.setColorAt(1, QColor(40, 25, 10, 0));
  p.setPen(Qt::NoPen);
  p.setBrush(shadow);
  p.drawEllipse(centre + QPointF(7, 9), radius * 1.12, radius * 1.12);
  // Brass case.
  QConicalGradient brass(centre, 45);
  brass.setColorAt(0, QColor(250, 220, 140));
  brass.setColorAt(0.25, QColor(150, 105, 40));
  brass.setColorAt(0.5, QColor(235, 195, 110));
  brass.setColorAt(0.75, QColor(120, 80, 30));
  brass.setColorAt(1, QColor(250, 220, 140));
  p.setBrush(brass);
  p.setPen(QPen(QColor(70, 45, 15), 1));
  p.drawEllipse(centre, radius, radius);
  p.setBrush(QColor(110, 75, 30));
  p.drawEllipse(centre, radius * 0.86, radius * 0.86);
  // Card.
  const double card = radius * 0.82;
  QRadialGradient paper(centre, card);
  paper.setColorAt(0, QColor(250, 243, 222));
  paper.setColorAt(1, QColor(226, 210, 170));
  p.setBrush(paper);
  p.setPen(QPen(QColor(60, 40, 20), 0.8));
  p.drawEllipse(centre, card, card);

  p.save();
  p.translate(centre);
  // Degree ticks.
  for (int d = 0; d < 360; d += 5) {
    const double a = d * kPi / 180;
    const double len = d % 30 == 0 ? 8 : (d % 10 == 0 ? 5 : 3);
    p.setPen(QPen(QColor(50, 35, 20), d % 30 == 0 ? 1.0 : 0.6));
    p.drawLine(QPointF((card - 1) * std::sin(a), -(card - 1) * std::cos(a)),
               QPointF((card - 1 - len) * std::sin(a),
                       -(card - 1 - len) * std::cos(a)));
  }
  p.setPen(QPen(QColor(60, 40, 20), 0.7));
  p.setBrush(Qt::NoBrush);
  p.drawEllipse(QPointF(0, 0), card - 11, card - 11);
  // The rose: eight lesser points under the four cardinal ones.
  p.rotate(22.5);
  DrawRoseStar(p, card * 0.55, card * 0.12, 8, QColor(120, 95, 60),
               QColor(235, 220, 185));
  p.rotate(-22.5);
  DrawRoseStar(p, card * 0.78, card * 0.16, 4, QColor(30, 45, 80),
               QColor(240, 230, 205));
  // Cardinal letters.
  QFont font(QStringLiteral("Liberation Serif"));
  font.setPixelSize(static_cast<int>(card * 0.2));
  font.setBold(true);
  p.setFont(font);
  const std::array<std::pair<const char*, double>, 4> letters = {
      {{"N", 0}, {"E", 90}, {"S", 180}, {"W", 270}}};
  for (const auto& [letter, degrees] : letters) {
    const double a = degrees * kPi / 180;
    const double r = card - 20;
    const QPointF at(r * std::sin(a), -r * std::cos(a));
    p.setPen(degrees == 0 ? QColor(170, 30, 20) : QColor(40, 30, 20));
    p.drawText(QRectF(at.x() - 10, at.y() - 10, 20, 20), Qt::AlignCenter,
               QString::fromLatin1(letter));
  }
  // Needle, pointing a little off north as a real one rests.
  p.rotate(-8);
  DrawNeedle(p, card * 0.7, card * 0.09);
  p.rotate(8);
  QRadialGradient pivot(QPointF(-1, -1), 5);
  pivot.setColorAt(0, QColor(255, 240, 190));
  pivot.setColorAt(1, QColor(140, 100, 40));
  p.setBrush(pivot);
  p.setPen(QPen(QColor(60, 40, 15), 0.6));
  p.drawEllipse(QPointF(0, 0), 4.5, 4.5);
  // Glass highlight.
  QLinearGradient glass(-card, -card, card * 0.3, card * 0.3);
  glass.setColorAt(0, QColor(255, 255, 255, 110));
  glass.setColorAt(0.45, QColor(255, 255, 255, 25));
  glass.setColorAt(0.5, QColor(255, 255, 255, 0));
  p.setPen(Qt::NoPen);
  p.setBrush(glass);
  p.drawEllipse(QPointF(0, 0), card, card);
  p.restore();

  // The ring on top of the case.
  p.setPen(QPen(QColor(70, 45, 15), 1.2));
  QLinearGradient bow(centre.x() - 10, 0, centre.x() + 10, 0);
  bow.setColorAt(0, QColor(140, 95, 35));
  bow.setColorAt(0.5, QColor(250, 215, 130));
  bow.setColorAt(1, QColor(120, 80, 30));
  p.setBrush(bow);
  p.drawRoundedRect(QRectF(centre.x() - 9, centre.y() - radius - 9, 18, 12), 4,
                    4);
}

}  // namespace

void PaintCompassMap(QPainter& p, int width, int height) {
  QRandomGenerator random(2005);
  p.setRenderHint(QPainter::Antialiasing);
  const QRectF area(0, 0, width, height);
  DrawParchment(p, area, random);
  DrawChart(p, area, QPointF(width * 0.33, height * 0.46), random);
  DrawCompass(p, QPointF(width * 0.64, height * 0.53), height * 0.36);
  // Darkened, worn edges.
  QRadialGradient vignette(area.center(), width * 0.62);
  vignette.setColorAt(0.7, QColor(0, 0, 0, 0));
  vignette.setColorAt(1, QColor(40, 20, 0, 120));
  p.fillRect(area, vignette);
}

}  // namespace tessaly::tools
