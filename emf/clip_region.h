// The clip of a device context in reference-device pixels, with GDI's
// combine modes (Qt's own clips only replace or intersect).
#ifndef TESSALY_EMF_CLIP_REGION_H_
#define TESSALY_EMF_CLIP_REGION_H_

#include <QPainterPath>
#include <QPolygonF>
#include <QRectF>
#include <QRegion>

#include "emf/gdi_constants.h"

namespace tessaly::emf {

// GDI clips whole device pixels, so a banded QRegion of reference pixels is
// exact for region records, and its set operations stay fast for regions of
// thousands of rectangles where path operations would crawl.
class ClipRegion {
 public:
  using Mode = RegionMode;

  // No clip at all (the whole device).
  static ClipRegion None() { return {}; }
  static ClipRegion FromRect(const QRectF& rect);
  // Polygons and paths are cut to `bounds` (the reference device) first:
  // a slanted edge costs one rectangle per pixel row.
  static ClipRegion FromPolygon(const QPolygonF& polygon, const QRect& bounds);
  static ClipRegion FromPath(const QPainterPath& path, const QRect& bounds);
  static ClipRegion FromRegion(const QRegion& region);

  bool is_none() const { return none_; }
  const QRegion& region() const { return region_; }

  // Combines `other` into this clip. `device` stands in for "no clip" on
  // either side, since GDI treats a missing clip as the whole device.
  void Combine(const ClipRegion& other, Mode mode, const QRect& device);

 private:
  bool none_ = true;
  QRegion region_;
};

}  // namespace tessaly::emf

#endif  // TESSALY_EMF_CLIP_REGION_H_
