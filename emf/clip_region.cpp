#include "emf/clip_region.h"

namespace tessaly::emf {

ClipRegion ClipRegion::FromRect(const QRectF& rect) {
  ClipRegion clip;
  clip.none_ = false;
  clip.rect_ = rect.normalized();
  return clip;
}

ClipRegion ClipRegion::FromPath(const QPainterPath& path) {
  ClipRegion clip;
  clip.none_ = false;
  clip.path_ = path;
  return clip;
}

QPainterPath ClipRegion::path() const {
  if (!rect_) return path_;
  QPainterPath p;
  p.addRect(*rect_);
  return p;
}

void ClipRegion::Combine(const ClipRegion& other, Mode mode,
                         const QRectF& device) {
  if (mode == Mode::kCopy) {
    *this = other;
    return;
  }
  const ClipRegion a = none_ ? FromRect(device) : *this;
  const ClipRegion b = other.none_ ? FromRect(device) : other;
  if (mode == Mode::kAnd && a.rect_ && b.rect_) {
    *this = FromRect(a.rect_->intersected(*b.rect_));
    return;
  }
  const QPainterPath pa = a.path();
  const QPainterPath pb = b.path();
  switch (mode) {
    case Mode::kAnd:
      *this = FromPath(pa.intersected(pb));
      return;
    case Mode::kOr:
      *this = FromPath(pa.united(pb));
      return;
    case Mode::kXor:
      *this = FromPath(pa.united(pb).subtracted(pa.intersected(pb)));
      return;
    case Mode::kDiff:
      *this = FromPath(pa.subtracted(pb));
      return;
    case Mode::kCopy:
      return;
  }
}

}  // namespace tessaly::emf
