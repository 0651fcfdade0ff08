#include "compass_star.h"

#include <cmath>
#include <numbers>

namespace tessaly::tools {

QPainterPath CompassStar(QPointF centre, double outer, double inner,
                         int points) {
  QPainterPath star;
  for (int i = 0; i < 2 * points; ++i) {
    const double r = i % 2 == 0 ? outer : inner;
    const double a = std::numbers::pi * i / points - std::numbers::pi / 2;
    const QPointF p(centre.x() + r * std::cos(a), centre.y() + r * std::sin(a));
    if (i == 0) {
      star.moveTo(p);
    } else {
      star.lineTo(p);
    }
  }
  star.closeSubpath();
  return star;
}

}  // namespace tessaly::tools
