#include "emf/clip_region.h"

#include <algorithm>
#include <cmath>

namespace tessaly::emf {

namespace {

// Reference coordinates beyond this are outside any page.
constexpr double kLimit = 1 << 26;

int Whole(double v) {
  if (!std::isfinite(v)) return 0;
  return static_cast<int>(std::lround(std::clamp(v, -kLimit, kLimit)));
}

}  // namespace

ClipRegion ClipRegion::FromRect(const QRectF& rect) {
  const QRectF r = rect.normalized();
  return FromRegion(
      QRegion(QRect(QPoint(Whole(r.left()), Whole(r.top())),
                    QPoint(Whole(r.right()) - 1, Whole(r.bottom()) - 1))));
}

ClipRegion ClipRegion::FromPolygon(const QPolygonF& polygon,
                                   const QRect& bounds) {
  // Qt scan-converts polygons in int arithmetic that overflows (and leaks)
  // for huge coordinates, so they are cut to the device, itself bounded.
  constexpr int kLimit = 1 << 15;
  const QRect box =
      bounds.intersected(QRect(-kLimit, -kLimit, 2 * kLimit, 2 * kLimit));
  if (box.isEmpty()) return FromRegion({});
  const QPolygonF bounded = polygon.intersected(QPolygonF(QRectF(box)));
  QPolygon whole;
  whole.reserve(bounded.size());
  for (const QPointF& p : bounded) {
    whole.append(QPoint(Whole(p.x()), Whole(p.y())));
  }
  // Polygons without area clip everything, and Qt leaks on some of them.
  double twice_area = 0;
  for (qsizetype i = 0; i < whole.size(); ++i) {
    const QPoint& a = whole[i];
    const QPoint& b = whole[(i + 1) % whole.size()];
    twice_area += double(a.x()) * b.y() - double(b.x()) * a.y();
  }
  if (whole.size() < 3 || std::abs(twice_area) < 1) return FromRegion({});
  return FromRegion(QRegion(whole, Qt::OddEvenFill));
}

ClipRegion ClipRegion::FromPath(const QPainterPath& path, const QRect& bounds) {
  QRegion region;
  for (const QPolygonF& polygon : path.toFillPolygons()) {
    region = region.united(FromPolygon(polygon, bounds).region_);
  }
  return FromRegion(region);
}

ClipRegion ClipRegion::FromRegion(const QRegion& region) {
  ClipRegion clip;
  clip.none_ = false;
  clip.region_ = region;
  return clip;
}

void ClipRegion::Combine(const ClipRegion& other, Mode mode,
                         const QRect& device) {
  if (mode == Mode::kCopy) {
    *this = other;
    return;
  }
  const QRegion a = none_ ? QRegion(device) : region_;
  const QRegion b = other.none_ ? QRegion(device) : other.region_;
  switch (mode) {
    case Mode::kAnd:
      *this = FromRegion(a.intersected(b));
      return;
    case Mode::kOr:
      *this = FromRegion(a.united(b));
      return;
    case Mode::kXor:
      *this = FromRegion(a.xored(b));
      return;
    case Mode::kDiff:
      *this = FromRegion(a.subtracted(b));
      return;
    case Mode::kCopy:
      return;
  }
}

}  // namespace tessaly::emf
