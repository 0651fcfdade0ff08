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

// Raster operations need a raster device and no antialiasing; R2_BLACK,
// R2_WHITE and R2_NOP are drawn by fixing the colour or skipping the shape.
QPainter::CompositionMode Rop2Mode(Rop2 rop2) {
  switch (rop2) {
    case Rop2::kBlack:
    case Rop2::kWhite:
    case Rop2::kNop:
    case Rop2::kCopyPen:
      return QPainter::CompositionMode_SourceOver;
    case Rop2::kNotMergePen:
      return QPainter::RasterOp_NotSourceAndNotDestination;
    case Rop2::kMaskNotPen:
      return QPainter::RasterOp_NotSourceAndDestination;
    case Rop2::kNotCopyPen:
      return QPainter::RasterOp_NotSource;
    case Rop2::kMaskPenNot:
      return QPainter::RasterOp_SourceAndNotDestination;
    case Rop2::kNot:
      return QPainter::RasterOp_NotDestination;
    case Rop2::kXorPen:
      return QPainter::RasterOp_SourceXorDestination;
    case Rop2::kNotMaskPen:
      return QPainter::RasterOp_NotSourceOrNotDestination;
    case Rop2::kMaskPen:
      return QPainter::RasterOp_SourceAndDestination;
    case Rop2::kNotXorPen:
      return QPainter::RasterOp_NotSourceXorDestination;
    case Rop2::kMergeNotPen:
      return QPainter::RasterOp_NotSourceOrDestination;
    case Rop2::kMergePenNot:
      return QPainter::RasterOp_SourceOrNotDestination;
    case Rop2::kMergePen:
      return QPainter::RasterOp_SourceOrDestination;
  }
  return QPainter::CompositionMode_SourceOver;
}

Qt::BrushStyle HatchPattern(HatchStyle hatch) {
  switch (hatch) {
    case HatchStyle::kHorizontal:
      return Qt::HorPattern;
    case HatchStyle::kVertical:
      return Qt::VerPattern;
    case HatchStyle::kFDiagonal:
      return Qt::FDiagPattern;
    case HatchStyle::kBDiagonal:
      return Qt::BDiagPattern;
    case HatchStyle::kCross:
      return Qt::CrossPattern;
    case HatchStyle::kDiagCross:
      return Qt::DiagCrossPattern;
  }
  return Qt::HorPattern;
}

Qt::PenCapStyle CapStyle(std::uint32_t style) {
  switch (static_cast<PenEndCap>(style & kPenEndCapMask)) {
    case PenEndCap::kRound:
      return Qt::RoundCap;
    case PenEndCap::kSquare:
      return Qt::SquareCap;
    case PenEndCap::kFlat:
      return Qt::FlatCap;
  }
  return Qt::FlatCap;  // undefined cap values
}

Qt::PenJoinStyle JoinStyle(std::uint32_t style) {
  switch (static_cast<PenJoin>(style & kPenJoinMask)) {
    case PenJoin::kRound:
      return Qt::RoundJoin;
    case PenJoin::kBevel:
      return Qt::BevelJoin;
    case PenJoin::kMiter:
      return Qt::MiterJoin;
  }
  return Qt::MiterJoin;  // undefined join values
}

// Dash patterns of the line styles: geometric pens in units of their width,
// cosmetic ones in device pixels. Solid and user styles have none here.
QVector<qreal> StyleDashes(PenStyle style, bool geometric) {
  switch (style) {
    case PenStyle::kDash:
      return geometric ? QVector<qreal>{3, 1} : QVector<qreal>{18, 6};
    case PenStyle::kDot:
      return geometric ? QVector<qreal>{1, 1} : QVector<qreal>{3, 3};
    case PenStyle::kDashDot:
      return geometric ? QVector<qreal>{3, 1, 1, 1}
                       : QVector<qreal>{9, 6, 3, 6};
    case PenStyle::kDashDotDot:
      return geometric ? QVector<qreal>{3, 1, 1, 1, 1, 1}
                       : QVector<qreal>{9, 3, 3, 3, 3, 3};
    case PenStyle::kAlternate:
      return geometric ? QVector<qreal>{} : QVector<qreal>{1, 1};
    case PenStyle::kSolid:
    case PenStyle::kNull:
    case PenStyle::kInsideFrame:
    case PenStyle::kUserStyle:
      return {};
  }
  return {};
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

// --- Pens, brushes, shapes -------------------------------------------------

QBrush Playback::MakeBrush(const GdiBrush& brush) const {
  switch (brush.kind) {
    case GdiBrush::Kind::kNull:
      return Qt::NoBrush;
    case GdiBrush::Kind::kSolid:
      return QBrush(brush.color);
    case GdiBrush::Kind::kHatched: {
      QBrush hatched(brush.color, HatchPattern(brush.hatch));
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
  const PenStyle style = ToPenStyle(gdi.style).value_or(PenStyle::kSolid);
  const bool user = style == PenStyle::kUserStyle;
  QVector<qreal> dashes = StyleDashes(style, gdi.IsGeometric());
  if (gdi.IsGeometric()) {
    const QTransform& t = Full();
    const double scale =
        std::sqrt(std::abs(t.m11() * t.m22() - t.m12() * t.m21()));
    pen.setWidthF(std::clamp(gdi.width * scale, 1.0, 4096.0));
    pen.setCapStyle(CapStyle(gdi.style));
    pen.setJoinStyle(JoinStyle(gdi.style));
    // GDI's limit is the miter length over the width; Qt's is half that.
    pen.setMiterLimit(dc_.miter_limit / 2);
    if (user) {
      for (double d : gdi.user_dashes) {
        dashes.push_back(std::max(0.01, d * scale / pen.widthF()));
      }
    }
  } else {
    pen.setWidthF(0);  // one device pixel
    pen.setCapStyle(Qt::FlatCap);
    if (user) {
      for (double d : gdi.user_dashes) dashes.push_back(std::max(1.0, d));
    }
  }
  if (dashes.size() >= 2 && dashes.size() % 2 == 0) pen.setDashPattern(dashes);
  return pen;
}

void Playback::PrepareShape(bool with_pen, bool with_brush) {
  ApplyClip();
  const bool raster_op = dc_.rop2 != Rop2::kCopyPen;
  painter_.setRenderHint(QPainter::Antialiasing, !raster_op);
  painter_.setCompositionMode(Rop2Mode(dc_.rop2));
  painter_.setBackgroundMode(dc_.bk_mode == BackgroundMode::kOpaque
                                 ? Qt::OpaqueMode
                                 : Qt::TransparentMode);
  painter_.setBackground(dc_.bk_color);
  QPen pen = with_pen ? MakePen() : QPen(Qt::NoPen);
  QBrush brush = with_brush ? MakeBrush(dc_.brush) : QBrush(Qt::NoBrush);
  // R2_BLACK and R2_WHITE draw in a fixed colour whatever the objects say.
  if (dc_.rop2 == Rop2::kBlack || dc_.rop2 == Rop2::kWhite) {
    const QColor fixed = dc_.rop2 == Rop2::kBlack ? Qt::black : Qt::white;
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
  if (dc_.rop2 == Rop2::kNop || logical.empty()) return;
  std::vector<QPolygonF> device;
  device.reserve(logical.size());
  for (const QPolygonF& poly : logical) device.push_back(Map(poly));
  if (fill && dc_.brush.kind != GdiBrush::Kind::kNull) {
    PrepareShape(false, true);
    if (device.size() == 1) {
      painter_.drawPolygon(device[0], ToQtFillRule(dc_.fill_mode));
    } else {
      QPainterPath path;
      path.setFillRule(ToQtFillRule(dc_.fill_mode));
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
