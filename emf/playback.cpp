#include "emf/playback.h"

#include <QPaintDevice>
#include <QPainterPath>
#include <algorithm>
#include <cmath>
#include <limits>

#include "emf/dib_decoder.h"
#include "emf/page_placement.h"
#include "emf/record_types.h"

namespace tessaly::emf {

namespace {

// Unions of arbitrary rectangles cost quadratic time; real regions hold few.
constexpr std::uint32_t kMaxRegionRects = 4096;
constexpr double kMaxCoordinate = 1e7;  // device px
constexpr std::int64_t kGlyphBudget = 4'000'000;
constexpr double kBlitBudgetPages = 200;  // blitted area in target areas

QPointF Clamp(QPointF p) {
  const auto clamp = [](double v) {
    if (!std::isfinite(v)) return 0.0;
    return std::clamp(v, -kMaxCoordinate, kMaxCoordinate);
  };
  return {clamp(p.x()), clamp(p.y())};
}

}  // namespace

Qt::FillRule ToQtFillRule(PolygonFillMode mode) {
  switch (mode) {
    case PolygonFillMode::kAlternate:
      return Qt::OddEvenFill;
    case PolygonFillMode::kWinding:
      return Qt::WindingFill;
  }
  return Qt::OddEvenFill;
}

Playback::Playback(const EmfDocument& document, QPainter& painter,
                   const QRectF& target)
    : document_(document),
      painter_(painter),
      target_(target),
      context_(document.header()),
      glyph_budget_(kGlyphBudget),
      fonts_(painter.device() ? painter.device()->logicalDpiY() : 96) {
  const QPaintDevice* device = painter.device();
  dpr_ = device ? device->devicePixelRatioF() : 1.0;
  if (!(dpr_ > 0) || !std::isfinite(dpr_)) dpr_ = 1;
  const QTransform to_device =
      painter.worldTransform() * QTransform::fromScale(dpr_, dpr_);
  device_scale_ = QTransform::fromScale(1 / dpr_, 1 / dpr_);

  const PagePlacement placement =
      PlacePage(document.header(), target, to_device);
  base_ = placement.base;
  reference_rect_ = placement.reference_rect;
  default_em_ = placement.DefaultEm();
  target_device_ = to_device.mapRect(target).toAlignedRect();
  // A clip the caller set stays in force under every clip of the stream.
  if (painter.hasClipping()) caller_clip_ = to_device.map(painter.clipPath());
  blit_budget_ =
      kBlitBudgetPages *
      std::max(1.0, double(target_device_.width()) * target_device_.height());
}

PlayResult Playback::Run() {
  if (!document_.valid()) return {0, document_.error()};
  if (!IsUsableTransform(base_) || target_device_.isEmpty()) {
    // Nothing can be seen, but the stream is not at fault.
    return {static_cast<int>(document_.records().size()), document_.error()};
  }
  painter_.save();
  painter_.setTransform(device_scale_);
  painter_.setRenderHint(QPainter::Antialiasing, true);
  painter_.setRenderHint(QPainter::SmoothPixmapTransform, true);
  clip_dirty_ = true;
  ApplyClip();

  int drawn = 0;
  for (const EmfRecord& record : document_.records()) {
    PlayRecord(record);
    if (error_) break;
    ++drawn;
    ++record_index_;
  }
  painter_.restore();
  return {drawn, error_ ? error_ : document_.error()};
}

void Playback::Fail(EmfErrorCode code) {
  if (!error_) error_ = EmfError{code, record_index_};
}

void Playback::PlayRecord(const EmfRecord& record) {
  const ByteView& r = record.bytes;
  const auto type = static_cast<RecordType>(record.type);
  if (r.size() < MinimumRecordSize(type)) {
    Fail(EmfErrorCode::kRecordTooShort);
    return;
  }
  std::optional<EmfErrorCode> error;
  switch (context_.Apply(type, r, error)) {
    case DeviceContext::Change::kNone:
      break;
    case DeviceContext::Change::kState:
      if (error) Fail(*error);
      return;
    case DeviceContext::Change::kMapping:
      full_.reset();
      return;
    case DeviceContext::Change::kRestored:
      full_.reset();
      clip_dirty_ = true;
      return;
  }
  const auto point_at = [&](std::uint64_t offset) {
    return QPointF(r.I32(offset), r.I32(offset + 4));
  };
  switch (type) {
    case RecordType::kIntersectClipRect:
      IntersectClipRect(r);
      break;
    case RecordType::kExtSelectClipRgn:
      ExtSelectClipRgn(r);
      break;
    case RecordType::kMoveToEx:
      MoveTo(point_at(8));
      break;
    case RecordType::kLineTo:
      AddFigure(QPolygonF({point_at(8)}), PolyKind::kPolylineTo);
      break;
    case RecordType::kPolygon16:
      Poly(r, false, PolyKind::kPolygon);
      break;
    case RecordType::kPolyline16:
      Poly(r, false, PolyKind::kPolyline);
      break;
    case RecordType::kPolylineTo16:
      Poly(r, false, PolyKind::kPolylineTo);
      break;
    case RecordType::kPolyBezier16:
      Poly(r, false, PolyKind::kBezier);
      break;
    case RecordType::kPolyBezierTo16:
      Poly(r, false, PolyKind::kBezierTo);
      break;
    case RecordType::kPolygon:
      Poly(r, true, PolyKind::kPolygon);
      break;
    case RecordType::kPolyline:
      Poly(r, true, PolyKind::kPolyline);
      break;
    case RecordType::kPolylineTo:
      Poly(r, true, PolyKind::kPolylineTo);
      break;
    case RecordType::kPolyBezier:
      Poly(r, true, PolyKind::kBezier);
      break;
    case RecordType::kPolyBezierTo:
      Poly(r, true, PolyKind::kBezierTo);
      break;
    case RecordType::kBeginPath:
    case RecordType::kEndPath:
    case RecordType::kCloseFigure:
    case RecordType::kAbortPath:
    case RecordType::kFillPath:
    case RecordType::kStrokeAndFillPath:
    case RecordType::kStrokePath:
    case RecordType::kSelectClipPath:
      PathRecord(record.type, r);
      break;
    case RecordType::kPolyPolygon16:
      PolyPoly16(r, true);
      break;
    case RecordType::kPolyPolyline16:
      PolyPoly16(r, false);
      break;
    case RecordType::kRectangle:
      DrawRectangle(r);
      break;
    case RecordType::kBitBlt:
      BitBlt(r);
      break;
    case RecordType::kStretchDiBits:
      StretchDiBits(r);
      break;
    case RecordType::kExtTextOutA:
    case RecordType::kExtTextOutW:
      ExtTextOut(type, r);
      break;
    // The device context took these.
    case RecordType::kSetMapMode:
    case RecordType::kSetWindowExtEx:
    case RecordType::kSetViewportExtEx:
    case RecordType::kSetWindowOrgEx:
    case RecordType::kSetViewportOrgEx:
    case RecordType::kSetWorldTransform:
    case RecordType::kModifyWorldTransform:
    case RecordType::kSaveDc:
    case RecordType::kRestoreDc:
    case RecordType::kSelectObject:
    case RecordType::kDeleteObject:
    case RecordType::kCreatePen:
    case RecordType::kExtCreatePen:
    case RecordType::kCreateBrushIndirect:
    case RecordType::kCreateMonoBrush:
    case RecordType::kExtCreateFontIndirectW:
    case RecordType::kSetBkMode:
    case RecordType::kSetBkColor:
    case RecordType::kSetTextColor:
    case RecordType::kSetTextAlign:
    case RecordType::kSetPolyFillMode:
    case RecordType::kSetRop2:
    case RecordType::kSetMiterLimit:
    case RecordType::kHeader:
    case RecordType::kEof:
    case RecordType::kGdiComment:  // EMF+ and public comments: by size
    case RecordType::kSelectPalette:
    case RecordType::kSetIcmMode:
      break;
  }
}

// --- Mapping -------------------------------------------------------------

const QTransform& Playback::Full() {
  if (!full_) full_ = dc_.mapping.ToReference() * base_;
  return *full_;
}

QPointF Playback::Map(const QPointF& logical) {
  return Clamp(Full().map(logical));
}

QPolygonF Playback::Map(const QPolygonF& logical) {
  QPolygonF out = Full().map(logical);
  for (QPointF& p : out) p = Clamp(p);
  return out;
}

bool Playback::FullIsAxisAligned() {
  const QTransform& t = Full();
  return t.m12() == 0 && t.m21() == 0;
}

QRectF Playback::SnapRect(const QRectF& device) const {
  // Whole pixels, at least one: thin rules must neither blur nor vanish.
  const QRectF r = device.normalized();
  double left = std::round(r.left());
  double top = std::round(r.top());
  double right = std::round(r.right());
  double bottom = std::round(r.bottom());
  if (right <= left && r.width() > 0) right = left + 1;
  if (bottom <= top && r.height() > 0) bottom = top + 1;
  return QRectF(QPointF(left, top), QPointF(right, bottom));
}

// --- Clipping ------------------------------------------------------------

void Playback::IntersectClipRect(const ByteView& r) {
  const QRectF logical(QPointF(r.I32(8), r.I32(12)),
                       QPointF(r.I32(16), r.I32(20)));
  const QTransform to_ref = dc_.mapping.ToReference();
  const ClipRegion clip =
      (to_ref.m12() == 0 && to_ref.m21() == 0)
          ? ClipRegion::FromRect(to_ref.mapRect(logical))
          : ClipRegion::FromPolygon(to_ref.map(QPolygonF(logical)),
                                    reference_rect_);
  dc_.clip.Combine(clip, ClipRegion::Mode::kAnd, reference_rect_);
  clip_dirty_ = true;
}

void Playback::ExtSelectClipRgn(const ByteView& r) {
  const std::uint32_t cb = r.U32(8);
  const std::optional<RegionMode> mode = ToRegionMode(r.U32(12));
  if (!mode) return;
  if (cb == 0) {
    // Only a copy can go without data, and it removes the clip.
    if (*mode == RegionMode::kCopy) {
      dc_.clip = ClipRegion::None();
      clip_dirty_ = true;
    }
    return;
  }
  const ByteView data = r.Sub(16, cb);
  const std::uint32_t count = data.U32(8);
  if (count > kMaxRegionRects) {
    Fail(EmfErrorCode::kBadCount);
    return;
  }
  if (!data.ok() || data.size() < 32 ||
      32 + std::uint64_t{count} * 16 > data.size()) {
    Fail(EmfErrorCode::kFieldOutsideRecord);
    return;
  }
  QRegion rects;
  for (std::uint32_t i = 0; i < count; ++i) {
    const std::uint64_t at = 32 + 16 * std::uint64_t{i};
    const QRect rect =
        QRect(QPoint(data.I32(at), data.I32(at + 4)),
              QPoint(data.I32(at + 8) - 1, data.I32(at + 12) - 1))
            .normalized();
    // Region rectangles do not overlap, so a union of bands is cheap.
    rects += rect;
  }
  const ClipRegion region = ClipRegion::FromRegion(rects);
  dc_.clip.Combine(region, *mode, reference_rect_);
  clip_dirty_ = true;
}

void Playback::ApplyClip() {
  if (!clip_dirty_) return;
  clip_dirty_ = false;
  const ClipRegion& clip = dc_.clip;
  const auto clamp = [](double v) {
    return static_cast<int>(
        std::round(std::clamp(v, -kMaxCoordinate, kMaxCoordinate)));
  };
  if (clip.is_none()) {
    painter_.setClipRect(target_device_);
  } else if (clip.region().rectCount() <= 1 && base_.m12() == 0 &&
             base_.m21() == 0) {
    const QRectF device = base_.mapRect(QRectF(clip.region().boundingRect()));
    const QRect snapped(
        QPoint(clamp(device.left()), clamp(device.top())),
        QPoint(clamp(device.right()) - 1, clamp(device.bottom()) - 1));
    painter_.setClipRect(snapped.intersected(target_device_));
  } else {
    painter_.setClipRegion(
        base_.map(clip.region()).intersected(target_device_));
  }
  if (caller_clip_) painter_.setClipPath(*caller_clip_, Qt::IntersectClip);
}

}  // namespace tessaly::emf
