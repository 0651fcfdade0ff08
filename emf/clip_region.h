// The clip of a device context in reference-device pixels, with GDI's
// combine modes (Qt's own clips only replace or intersect).
#ifndef TESSALY_EMF_CLIP_REGION_H_
#define TESSALY_EMF_CLIP_REGION_H_

#include <QPainterPath>
#include <QRectF>
#include <optional>

namespace tessaly::emf {

class ClipRegion {
 public:
  enum class Mode { kAnd = 1, kOr = 2, kXor = 3, kDiff = 4, kCopy = 5 };

  // No clip at all (the whole device).
  static ClipRegion None() { return {}; }
  static ClipRegion FromRect(const QRectF& rect);
  static ClipRegion FromPath(const QPainterPath& path);

  bool is_none() const { return none_; }
  // Set when the clip is one axis-aligned rectangle: the cheap common case.
  const std::optional<QRectF>& rect() const { return rect_; }
  QPainterPath path() const;

  // Combines `other` into this clip. `device` stands in for "no clip" on
  // either side, since GDI treats a missing clip as the whole device.
  void Combine(const ClipRegion& other, Mode mode, const QRectF& device);

 private:
  bool none_ = true;
  std::optional<QRectF> rect_;
  QPainterPath path_;
};

}  // namespace tessaly::emf

#endif  // TESSALY_EMF_CLIP_REGION_H_
