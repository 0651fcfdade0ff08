#include "emf/playback.h"

#include <QPaintDevice>
#include <QPainterPath>
#include <algorithm>
#include <cmath>
#include <limits>

#include "emf/dib_decoder.h"
#include "emf/record_types.h"

namespace tessaly::emf {

namespace {

constexpr std::size_t kMaxObjects = 65536;
constexpr std::size_t kMaxSaveDepth = 1024;
constexpr std::uint32_t kMaxPenEntries = 65536;
// Unions of arbitrary rectangles cost quadratic time; real regions hold few.
constexpr std::uint32_t kMaxRegionRects = 4096;
constexpr double kMaxCoordinate = 1e7;  // device px
constexpr double kMaxScale = 1e6;
constexpr std::int64_t kGlyphBudget = 4'000'000;
constexpr double kBlitBudgetPages = 200;  // blitted area in target areas

// The smallest size of each type's fixed part; records shorter than this
// are damaged. Types not listed are skipped whatever their size.
std::uint32_t FixedSize(std::uint32_t type) {
  switch (static_cast<RecordType>(type)) {
    case RecordType::kHeader:
    case RecordType::kEof:
    case RecordType::kSaveDc:
    case RecordType::kBeginPath:
    case RecordType::kEndPath:
    case RecordType::kCloseFigure:
    case RecordType::kAbortPath:
      return 8;
    case RecordType::kSetMapMode:
    case RecordType::kSetBkMode:
    case RecordType::kSetPolyFillMode:
    case RecordType::kSetRop2:
    case RecordType::kSetTextAlign:
    case RecordType::kSetTextColor:
    case RecordType::kSetBkColor:
    case RecordType::kRestoreDc:
    case RecordType::kSelectObject:
    case RecordType::kDeleteObject:
    case RecordType::kSetMiterLimit:
    case RecordType::kGdiComment:
    case RecordType::kSelectPalette:
    case RecordType::kSetIcmMode:
    case RecordType::kSelectClipPath:
      return 12;
    case RecordType::kSetWindowExtEx:
    case RecordType::kSetWindowOrgEx:
    case RecordType::kSetViewportExtEx:
    case RecordType::kSetViewportOrgEx:
    case RecordType::kMoveToEx:
    case RecordType::kLineTo:
    case RecordType::kExtSelectClipRgn:
      return 16;
    case RecordType::kIntersectClipRect:
    case RecordType::kRectangle:
    case RecordType::kCreateBrushIndirect:
    case RecordType::kFillPath:
    case RecordType::kStrokeAndFillPath:
    case RecordType::kStrokePath:
      return 24;
    case RecordType::kCreatePen:
    case RecordType::kPolygon:
    case RecordType::kPolyline:
    case RecordType::kPolygon16:
    case RecordType::kPolyline16:
    case RecordType::kPolyBezier:
    case RecordType::kPolyBezierTo:
    case RecordType::kPolylineTo:
    case RecordType::kPolyBezier16:
    case RecordType::kPolyBezierTo16:
    case RecordType::kPolylineTo16:
      return 28;
    case RecordType::kSetWorldTransform:
    case RecordType::kPolyPolyline16:
    case RecordType::kPolyPolygon16:
    case RecordType::kCreateMonoBrush:
      return 32;
    case RecordType::kModifyWorldTransform:
      return 36;
    case RecordType::kExtCreatePen:
      return 52;
    case RecordType::kExtTextOutW:
      return 76;
    case RecordType::kStretchDiBits:
      return 80;
    case RecordType::kBitBlt:
      return 100;
    case RecordType::kExtCreateFontIndirectW:
      return 104;
  }
  return 8;
}

QTransform ReadTransform(const ByteView& r, std::uint64_t offset) {
  return QTransform(r.F32(offset), r.F32(offset + 4), r.F32(offset + 8),
                    r.F32(offset + 12), r.F32(offset + 16), r.F32(offset + 20));
}

bool IsUsableTransform(const QTransform& t) {
  const double values[] = {t.m11(), t.m12(), t.m21(), t.m22(), t.dx(), t.dy()};
  for (double v : values) {
    if (!std::isfinite(v) || std::abs(v) > 1e9) return false;
  }
  const double det = t.m11() * t.m22() - t.m12() * t.m21();
  return std::abs(det) >= 1e-12 && std::abs(t.m11()) <= kMaxScale &&
         std::abs(t.m12()) <= kMaxScale && std::abs(t.m21()) <= kMaxScale &&
         std::abs(t.m22()) <= kMaxScale;
}

QPointF Clamp(QPointF p) {
  const auto clamp = [](double v) {
    if (!std::isfinite(v)) return 0.0;
    return std::clamp(v, -kMaxCoordinate, kMaxCoordinate);
  };
  return {clamp(p.x()), clamp(p.y())};
}

QPainter::CompositionMode Rop2Mode(std::uint32_t rop2) {
  switch (rop2) {
    case 2:
      return QPainter::RasterOp_NotSourceAndNotDestination;
    case 3:
      return QPainter::RasterOp_NotSourceAndDestination;
    case 4:
      return QPainter::RasterOp_NotSource;
    case 5:
      return QPainter::RasterOp_SourceAndNotDestination;
    case 6:
      return QPainter::RasterOp_NotDestination;
    case 7:
      return QPainter::RasterOp_SourceXorDestination;
    case 8:
      return QPainter::RasterOp_NotSourceOrNotDestination;
    case 9:
      return QPainter::RasterOp_SourceAndDestination;
    case 10:
      return QPainter::RasterOp_NotSourceXorDestination;
    case 12:
      return QPainter::RasterOp_NotSourceOrDestination;
    case 14:
      return QPainter::RasterOp_SourceOrNotDestination;
    case 15:
      return QPainter::RasterOp_SourceOrDestination;
    default:
      return QPainter::CompositionMode_SourceOver;
  }
}

}  // namespace

Playback::Playback(const EmfDocument& document, QPainter& painter,
                   const QRectF& target)
    : document_(document),
      painter_(painter),
      target_(target),
      glyph_budget_(kGlyphBudget) {
  const QPaintDevice* device = painter.device();
  dpr_ = device ? device->devicePixelRatioF() : 1.0;
  if (!(dpr_ > 0) || !std::isfinite(dpr_)) dpr_ = 1;
  const QTransform to_device =
      painter.worldTransform() * QTransform::fromScale(dpr_, dpr_);
  device_scale_ = QTransform::fromScale(1 / dpr_, 1 / dpr_);

  const EmfHeader& h = document.header();
  // The frame in reference pixels places the picture; without a usable
  // reference device, the bounds (already in reference pixels) stand in.
  QRectF frame_px;
  if (h.device_mm.cx > 0 && h.device_mm.cy > 0 && h.device_px.cx > 0 &&
      h.device_px.cy > 0) {
    const double sx = double(h.device_px.cx) / (h.device_mm.cx * 100.0);
    const double sy = double(h.device_px.cy) / (h.device_mm.cy * 100.0);
    frame_px = QRectF(QPointF(h.frame.left * sx, h.frame.top * sy),
                      QPointF(h.frame.right * sx, h.frame.bottom * sy));
    ref_px_per_mm_y_ = double(h.device_px.cy) / h.device_mm.cy;
    reference_rect_ = QRect(0, 0, h.device_px.cx, h.device_px.cy);
  }
  if (frame_px.width() <= 0 || frame_px.height() <= 0) {
    frame_px = QRectF(
        QPointF(h.bounds.left, h.bounds.top),
        QPointF(double(h.bounds.right) + 1, double(h.bounds.bottom) + 1));
  }
  if (frame_px.width() > 0 && frame_px.height() > 0 && !target.isEmpty()) {
    base_ = QTransform::fromTranslate(-frame_px.left(), -frame_px.top()) *
            QTransform::fromScale(target.width() / frame_px.width(),
                                  target.height() / frame_px.height()) *
            QTransform::fromTranslate(target.left(), target.top()) * to_device;
  } else {
    base_ = QTransform(0, 0, 0, 0, 0, 0);
  }
  reference_rect_ = reference_rect_.united(frame_px.toAlignedRect());
  target_device_ = to_device.mapRect(target).toAlignedRect();
  // A clip the caller set stays in force under every clip of the stream.
  if (painter.hasClipping()) caller_clip_ = to_device.map(painter.clipPath());
  blit_budget_ =
      kBlitBudgetPages *
      std::max(1.0, double(target_device_.width()) * target_device_.height());
  objects_.resize(std::min<std::size_t>(h.handles, kMaxObjects));
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

QColor Playback::ReadColor(const ByteView& r, std::uint64_t offset) const {
  const std::uint32_t value = r.U32(offset);
  if ((value >> 24) == 1)
    return QColor::fromRgb(DefaultPaletteColor(value & 0xFFFF));
  return QColor(value & 0xFF, (value >> 8) & 0xFF, (value >> 16) & 0xFF);
}

void Playback::PlayRecord(const EmfRecord& record) {
  const ByteView& r = record.bytes;
  if (r.size() < FixedSize(record.type)) {
    Fail(EmfErrorCode::kRecordTooShort);
    return;
  }
  const auto point_at = [&](std::uint64_t offset) {
    return QPointF(r.I32(offset), r.I32(offset + 4));
  };
  switch (static_cast<RecordType>(record.type)) {
    case RecordType::kSetMapMode:
      SetMapMode(r.U32(8));
      break;
    case RecordType::kSetWindowExtEx:
      SetExtent(dc_.window_ext, r);
      break;
    case RecordType::kSetViewportExtEx:
      SetExtent(dc_.viewport_ext, r);
      break;
    case RecordType::kSetWindowOrgEx:
      dc_.window_org = point_at(8);
      full_.reset();
      break;
    case RecordType::kSetViewportOrgEx:
      dc_.viewport_org = point_at(8);
      full_.reset();
      break;
    case RecordType::kSetWorldTransform:
      SetWorld(ReadTransform(r, 8));
      break;
    case RecordType::kModifyWorldTransform:
      ModifyWorld(r);
      break;
    case RecordType::kSaveDc:
      SaveDc();
      break;
    case RecordType::kRestoreDc:
      RestoreDc(r.I32(8));
      break;
    case RecordType::kSelectObject:
      SelectObject(r.U32(8));
      break;
    case RecordType::kDeleteObject:
      DeleteObject(r.U32(8));
      break;
    case RecordType::kCreatePen:
      CreatePen(r);
      break;
    case RecordType::kExtCreatePen:
      ExtCreatePen(r);
      break;
    case RecordType::kCreateBrushIndirect:
      CreateBrush(r);
      break;
    case RecordType::kCreateMonoBrush:
      CreateMonoBrush(r);
      break;
    case RecordType::kExtCreateFontIndirectW:
      CreateFont(r);
      break;
    case RecordType::kSetBkMode:
      dc_.bk_mode = r.U32(8);
      break;
    case RecordType::kSetBkColor:
      dc_.bk_color = ReadColor(r, 8);
      break;
    case RecordType::kSetTextColor:
      dc_.text_color = ReadColor(r, 8);
      break;
    case RecordType::kSetTextAlign:
      dc_.text_align = r.U32(8);
      break;
    case RecordType::kSetPolyFillMode:
      if (r.U32(8) == 1 || r.U32(8) == 2) dc_.fill_mode = r.U32(8);
      break;
    case RecordType::kSetRop2:
      if (r.U32(8) >= 1 && r.U32(8) <= 16) dc_.rop2 = r.U32(8);
      break;
    case RecordType::kSetMiterLimit: {
      // Windows writes a float where the published layout has an integer.
      const float as_float = r.F32(8);
      dc_.miter_limit =
          (std::isfinite(as_float) && as_float >= 1 && as_float <= 1000)
              ? as_float
              : std::clamp<double>(r.U32(8), 1, 1000);
      break;
    }
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
    case RecordType::kExtTextOutW:
      ExtTextOut(r);
      break;
    case RecordType::kHeader:
    case RecordType::kEof:
    case RecordType::kGdiComment:  // EMF+ and public comments: by size
    case RecordType::kSelectPalette:
    case RecordType::kSetIcmMode:
      break;
  }
}

// --- Mapping -------------------------------------------------------------

void Playback::SetMapMode(std::uint32_t mode) {
  if (mode < kMapModeText || mode > kMapModeAnisotropic) return;
  if (mode == kMapModeText) {
    dc_.window_ext = dc_.viewport_ext = QSizeF(1, 1);
  }
  dc_.map_mode = mode;
  full_.reset();
}

void Playback::SetExtent(QSizeF& extent, const ByteView& r) {
  // Extents count only in the two scalable modes; zero is refused.
  if (dc_.map_mode != kMapModeIsotropic && dc_.map_mode != kMapModeAnisotropic)
    return;
  const std::int32_t cx = r.I32(8);
  const std::int32_t cy = r.I32(12);
  if (cx == 0 || cy == 0) return;
  extent = QSizeF(cx, cy);
  full_.reset();
}

QTransform Playback::WindowToViewport() const {
  double sx = 1;
  double sy = 1;
  const EmfHeader& h = document_.header();
  switch (dc_.map_mode) {
    case kMapModeIsotropic:
    case kMapModeAnisotropic:
      sx = dc_.viewport_ext.width() / dc_.window_ext.width();
      sy = dc_.viewport_ext.height() / dc_.window_ext.height();
      if (dc_.map_mode == kMapModeIsotropic) {
        const double s = std::min(std::abs(sx), std::abs(sy));
        sx = std::copysign(s, sx);
        sy = std::copysign(s, sy);
      }
      break;
    case 2:
    case 3:
    case 4:
    case 5:
    case 6: {
      // Fixed physical units; y grows upwards.
      static constexpr double kUnitsPerMm[] = {10, 100, 100 / 25.4, 1000 / 25.4,
                                               1440 / 25.4};
      const double units = kUnitsPerMm[dc_.map_mode - 2];
      if (h.device_mm.cx > 0 && h.device_mm.cy > 0) {
        sx = h.device_px.cx / (h.device_mm.cx * units);
        sy = -h.device_px.cy / (h.device_mm.cy * units);
      }
      break;
    }
    default:
      break;
  }
  return QTransform(sx, 0, 0, sy,
                    dc_.viewport_org.x() - dc_.window_org.x() * sx,
                    dc_.viewport_org.y() - dc_.window_org.y() * sy);
}

const QTransform& Playback::Full() {
  if (!full_) full_ = dc_.world * WindowToViewport() * base_;
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

void Playback::SetWorld(const QTransform& world) {
  if (!IsUsableTransform(world)) return;
  dc_.world = world;
  full_.reset();
}

void Playback::ModifyWorld(const ByteView& r) {
  const QTransform x = ReadTransform(r, 8);
  switch (r.U32(32)) {
    case 1:
      SetWorld(QTransform());
      break;
    case 2:
      if (IsUsableTransform(x)) SetWorld(x * dc_.world);
      break;
    case 3:
      if (IsUsableTransform(x)) SetWorld(dc_.world * x);
      break;
    case 4:
      SetWorld(x);
      break;
    default:
      break;
  }
}

void Playback::SaveDc() {
  if (saved_.size() >= kMaxSaveDepth) return;
  saved_.push_back(dc_);
}

void Playback::RestoreDc(std::int32_t which) {
  const auto depth = static_cast<std::int64_t>(saved_.size());
  std::int64_t index = -1;  // into saved_
  if (which < 0) {
    index = depth + which;
  } else if (which > 0) {
    index = std::int64_t{which} - 1;
  }
  if (which == 0 || index < 0 || index >= depth) return;
  dc_ = saved_[static_cast<std::size_t>(index)];
  saved_.resize(static_cast<std::size_t>(index));
  full_.reset();
  clip_dirty_ = true;
}

// --- Clipping ------------------------------------------------------------

void Playback::IntersectClipRect(const ByteView& r) {
  const QRectF logical(QPointF(r.I32(8), r.I32(12)),
                       QPointF(r.I32(16), r.I32(20)));
  const QTransform to_ref = dc_.world * WindowToViewport();
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
  const std::uint32_t mode = r.U32(12);
  if (mode < 1 || mode > 5) return;
  if (cb == 0) {
    // Only a copy can go without data, and it removes the clip.
    if (mode == 5) {
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
  dc_.clip.Combine(region, static_cast<ClipRegion::Mode>(mode),
                   reference_rect_);
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

// --- Objects -------------------------------------------------------------

void Playback::StoreObject(std::uint32_t slot, GdiObject object) {
  if (slot == 0 || slot >= kMaxObjects) return;
  if (slot >= objects_.size()) objects_.resize(slot + 1);
  objects_[slot] = std::move(object);
}

void Playback::SelectObject(std::uint32_t index) {
  if (index & kStockObjectFlag) {
    const std::uint32_t n = index & ~kStockObjectFlag;
    static const QColor kBrushGreys[] = {Qt::white, QColor(0xC0, 0xC0, 0xC0),
                                         QColor(0x80, 0x80, 0x80),
                                         QColor(0x40, 0x40, 0x40), Qt::black};
    if (n <= 4) {
      dc_.brush = GdiBrush{GdiBrush::Kind::kSolid, kBrushGreys[n], 0, {}};
    } else if (n == 5) {
      dc_.brush = GdiBrush{GdiBrush::Kind::kNull, Qt::white, 0, {}};
    } else if (n == 6 || n == 7 || n == 19) {
      dc_.pen =
          GdiPen{0, 0, n == 6 ? QColor(Qt::white) : QColor(Qt::black), {}};
    } else if (n == 8) {
      dc_.pen = GdiPen{5, 0, Qt::black, {}};
    } else if ((n >= 10 && n <= 14) || n == 16 || n == 17) {
      dc_.font = std::make_shared<const GdiFont>();
    } else if (n == 18) {
      dc_.brush = GdiBrush{};
    }
    return;
  }
  if (index == 0 || index >= objects_.size() || !objects_[index]) return;
  const GdiObject& object = *objects_[index];
  if (const auto* pen = std::get_if<GdiPen>(&object)) {
    dc_.pen = *pen;
  } else if (const auto* brush = std::get_if<GdiBrush>(&object)) {
    dc_.brush = *brush;
  } else if (const auto* font =
                 std::get_if<std::shared_ptr<const GdiFont>>(&object)) {
    dc_.font = *font;
  }
}

void Playback::DeleteObject(std::uint32_t index) {
  // The selected value was copied into the state, so drawing is unchanged.
  if (index & kStockObjectFlag) return;
  if (index < objects_.size()) objects_[index].reset();
}

void Playback::CreatePen(const ByteView& r) {
  GdiPen pen;
  pen.style = r.U32(12) & 0xF;
  const std::int32_t width = r.I32(16);
  pen.color = ReadColor(r, 24);
  // A width above one is in logical units, which makes the pen geometric.
  if (width > 1) {
    pen.width = width;
    pen.style |= 0x10000;
  }
  StoreObject(r.U32(8), pen);
}

void Playback::ExtCreatePen(const ByteView& r) {
  GdiPen pen;
  pen.style = r.U32(28);
  pen.color = ReadColor(r, 40);
  if (r.U32(36) == 1) pen.style = (pen.style & ~0xFu) | 5;  // BS_NULL
  if (pen.IsGeometric()) pen.width = r.U32(32);
  const std::uint32_t entries = r.U32(48);
  if (entries > kMaxPenEntries || !r.Contains(52, std::uint64_t{entries} * 4)) {
    Fail(EmfErrorCode::kBadCount);
    return;
  }
  if ((pen.style & 0xF) == 7) {
    for (std::uint32_t i = 0; i < entries; ++i) {
      pen.user_dashes.push_back(r.U32(52 + 4 * i));
    }
  }
  StoreObject(r.U32(8), pen);
}

void Playback::CreateBrush(const ByteView& r) {
  GdiBrush brush;
  const std::uint32_t style = r.U32(12);
  brush.color = ReadColor(r, 16);
  brush.hatch = r.U32(20);
  if (style == 1) {
    brush.kind = GdiBrush::Kind::kNull;
  } else if (style == 2 && brush.hatch <= 5) {
    brush.kind = GdiBrush::Kind::kHatched;
  }
  StoreObject(r.U32(8), brush);
}

void Playback::CreateMonoBrush(const ByteView& r) {
  const std::uint32_t off_bmi = r.U32(16);
  const std::uint32_t cb_bmi = r.U32(20);
  const std::uint32_t off_bits = r.U32(24);
  const std::uint32_t cb_bits = r.U32(28);
  if (!r.Contains(off_bmi, cb_bmi) || !r.Contains(off_bits, cb_bits)) {
    Fail(EmfErrorCode::kFieldOutsideRecord);
    return;
  }
  const DecodedDib dib =
      DecodeDib(r.Sub(off_bmi, cb_bmi), r.Sub(off_bits, cb_bits), 0, true);
  if (dib.status == DibStatus::kMalformed) {
    Fail(EmfErrorCode::kBadBitmap);
    return;
  }
  GdiBrush brush;
  if (dib.status == DibStatus::kOk &&
      dib.image.format() == QImage::Format_Mono) {
    brush.kind = GdiBrush::Kind::kPattern;
    brush.pattern = std::make_shared<const QImage>(dib.image);
  } else {
    brush.kind = GdiBrush::Kind::kNull;
  }
  StoreObject(r.U32(8), brush);
}

void Playback::CreateFont(const ByteView& r) {
  auto font = std::make_shared<GdiFont>();
  font->height = r.I32(12);
  font->width = r.I32(16);
  font->escapement = r.I32(20);
  font->weight = r.I32(28);
  if (font->weight <= 0 || font->weight > 1000) font->weight = 400;
  font->italic = r.U8(32) != 0;
  font->underline = r.U8(33) != 0;
  font->strike_out = r.U8(34) != 0;
  font->charset = r.U8(35);
  std::u16string face;
  for (int i = 0; i < 32; ++i) {
    const char16_t c = r.U16(40 + 2 * i);
    if (c == 0) break;
    face.push_back(c);
  }
  font->face = QString::fromStdU16String(face);
  font->face_info = LookupFace(font->face, font->charset);
  StoreObject(r.U32(8), std::shared_ptr<const GdiFont>(std::move(font)));
}

// --- Pens, brushes, shapes -------------------------------------------------

QBrush Playback::MakeBrush(const GdiBrush& brush) const {
  switch (brush.kind) {
    case GdiBrush::Kind::kNull:
      return Qt::NoBrush;
    case GdiBrush::Kind::kSolid:
      return QBrush(brush.color);
    case GdiBrush::Kind::kHatched: {
      static constexpr Qt::BrushStyle kHatches[] = {
          Qt::HorPattern,   Qt::VerPattern,   Qt::FDiagPattern,
          Qt::BDiagPattern, Qt::CrossPattern, Qt::DiagCrossPattern};
      QBrush hatched(brush.color,
                     kHatches[std::min<std::uint32_t>(brush.hatch, 5)]);
      hatched.setTransform(QTransform::fromScale(dpr_, dpr_));
      return hatched;
    }
    case GdiBrush::Kind::kPattern: {
      QImage pattern = *brush.pattern;
      pattern.setColorTable({dc_.text_color.rgb(), dc_.bk_color.rgb()});
      QBrush textured(pattern);
      textured.setTransform(QTransform::fromScale(dpr_, dpr_));
      return textured;
    }
  }
  return Qt::NoBrush;
}

QPen Playback::MakePen() {
  const GdiPen& gdi = dc_.pen;
  if (gdi.IsNull()) return Qt::NoPen;
  QPen pen(gdi.color);
  const std::uint32_t style = gdi.style & 0xF;
  QVector<qreal> dashes;
  if (gdi.IsGeometric()) {
    const QTransform& t = Full();
    const double scale =
        std::sqrt(std::abs(t.m11() * t.m22() - t.m12() * t.m21()));
    pen.setWidthF(std::clamp(gdi.width * scale, 1.0, 4096.0));
    static constexpr Qt::PenCapStyle kCaps[] = {Qt::RoundCap, Qt::SquareCap,
                                                Qt::FlatCap};
    static constexpr Qt::PenJoinStyle kJoins[] = {Qt::RoundJoin, Qt::BevelJoin,
                                                  Qt::MiterJoin};
    pen.setCapStyle(kCaps[std::min<std::uint32_t>((gdi.style >> 8) & 0xF, 2)]);
    pen.setJoinStyle(
        kJoins[std::min<std::uint32_t>((gdi.style >> 12) & 0xF, 2)]);
    // GDI's limit is the miter length over the width; Qt's is half that.
    pen.setMiterLimit(dc_.miter_limit / 2);
    switch (style) {
      case 1:
        dashes = {3, 1};
        break;
      case 2:
        dashes = {1, 1};
        break;
      case 3:
        dashes = {3, 1, 1, 1};
        break;
      case 4:
        dashes = {3, 1, 1, 1, 1, 1};
        break;
      case 7:
        for (double d : gdi.user_dashes) {
          dashes.push_back(std::max(0.01, d * scale / pen.widthF()));
        }
        break;
      default:
        break;
    }
  } else {
    pen.setWidthF(0);  // one device pixel
    pen.setCapStyle(Qt::FlatCap);
    switch (style) {
      case 1:
        dashes = {18, 6};
        break;
      case 2:
        dashes = {3, 3};
        break;
      case 3:
        dashes = {9, 6, 3, 6};
        break;
      case 4:
        dashes = {9, 3, 3, 3, 3, 3};
        break;
      case 8:
        dashes = {1, 1};
        break;
      case 7:
        for (double d : gdi.user_dashes) dashes.push_back(std::max(1.0, d));
        break;
      default:
        break;
    }
  }
  if (dashes.size() >= 2 && dashes.size() % 2 == 0) pen.setDashPattern(dashes);
  return pen;
}

void Playback::PrepareShape(bool with_pen, bool with_brush) {
  ApplyClip();
  const bool raster_op = dc_.rop2 != 13;
  painter_.setRenderHint(QPainter::Antialiasing, !raster_op);
  painter_.setCompositionMode(Rop2Mode(dc_.rop2));
  painter_.setBackgroundMode(dc_.bk_mode == kOpaque ? Qt::OpaqueMode
                                                    : Qt::TransparentMode);
  painter_.setBackground(dc_.bk_color);
  QPen pen = with_pen ? MakePen() : QPen(Qt::NoPen);
  QBrush brush = with_brush ? MakeBrush(dc_.brush) : QBrush(Qt::NoBrush);
  // R2_BLACK and R2_WHITE draw in a fixed colour whatever the objects say.
  if (dc_.rop2 == 1 || dc_.rop2 == 16) {
    const QColor fixed = dc_.rop2 == 1 ? Qt::black : Qt::white;
    if (pen.style() != Qt::NoPen) pen.setColor(fixed);
    if (brush.style() != Qt::NoBrush) brush = QBrush(fixed);
  }
  painter_.setPen(pen);
  painter_.setBrush(brush);
}

namespace {

// A cosmetic pen draws whole pixels: put its points on pixel centres so
// that horizontal and vertical strokes cover one row, not two half rows.
QPolygonF OnPixelCentres(QPolygonF polygon) {
  for (QPointF& p : polygon) {
    p = QPointF(std::floor(p.x()) + 0.5, std::floor(p.y()) + 0.5);
  }
  return polygon;
}

}  // namespace

void Playback::DrawShape(const QPolygonF& logical, bool closed, bool fill) {
  DrawPolyPolygon({logical}, closed, fill);
}

void Playback::DrawPolyPolygon(const std::vector<QPolygonF>& logical,
                               bool closed, bool fill) {
  if (dc_.rop2 == 11 || logical.empty()) return;  // R2_NOP
  std::vector<QPolygonF> device;
  device.reserve(logical.size());
  for (const QPolygonF& poly : logical) device.push_back(Map(poly));
  if (fill && dc_.brush.kind != GdiBrush::Kind::kNull) {
    PrepareShape(false, true);
    if (device.size() == 1) {
      painter_.drawPolygon(
          device[0], dc_.fill_mode == 2 ? Qt::WindingFill : Qt::OddEvenFill);
    } else {
      QPainterPath path;
      path.setFillRule(dc_.fill_mode == 2 ? Qt::WindingFill : Qt::OddEvenFill);
      for (const QPolygonF& poly : device) {
        path.addPolygon(poly);
        path.closeSubpath();
      }
      painter_.drawPath(path);
    }
  }
  if (dc_.pen.IsNull()) return;
  PrepareShape(true, false);
  const bool cosmetic = !dc_.pen.IsGeometric();
  for (QPolygonF& poly : device) {
    if (cosmetic) poly = OnPixelCentres(poly);
    if (closed) {
      painter_.drawPolygon(poly);
    } else {
      painter_.drawPolyline(poly);
    }
  }
}

void Playback::PolyPoly16(const ByteView& r, bool closed) {
  const std::uint32_t polygons = r.U32(24);
  const std::uint32_t total = r.U32(28);
  const std::uint64_t room = r.size() - 32;
  if (polygons > room / 4 || total > (room - std::uint64_t{polygons} * 4) / 4) {
    Fail(EmfErrorCode::kBadCount);
    return;
  }
  std::uint64_t sum = 0;
  for (std::uint32_t i = 0; i < polygons; ++i) sum += r.U32(32 + 4 * i);
  if (sum != total) {
    Fail(EmfErrorCode::kBadCount);
    return;
  }
  std::vector<QPolygonF> shapes;
  shapes.reserve(polygons);
  std::uint64_t at = 32 + std::uint64_t{polygons} * 4;
  for (std::uint32_t i = 0; i < polygons; ++i) {
    const std::uint32_t n = r.U32(32 + 4 * i);
    QPolygonF poly(static_cast<qsizetype>(n));
    for (std::uint32_t k = 0; k < n; ++k, at += 4) {
      poly[k] = QPointF(r.I16(at), r.I16(at + 2));
    }
    shapes.push_back(std::move(poly));
  }
  DrawPolyPolygon(shapes, closed, closed);
}

void Playback::DrawRectangle(const ByteView& r) {
  const QRectF rect(QPointF(r.I32(8), r.I32(12)),
                    QPointF(r.I32(16), r.I32(20)));
  AddFigure(QPolygonF(rect.normalized()), PolyKind::kPolygon);
}

}  // namespace tessaly::emf
