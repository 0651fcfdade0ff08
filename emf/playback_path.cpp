// Shapes: pens and brushes made from the device context, polygons and
// rectangles, poly-records with and without the current position, Bézier
// curves, and the path bracket (BEGINPATH ... FILLPATH/STROKEPATH/
// SELECTCLIPPATH).
#include <QPainterPath>
#include <algorithm>
#include <cmath>

#include "emf/playback.h"
#include "emf/record_types.h"

namespace tessaly::emf {

namespace {

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

void Playback::Poly(const ByteView& r, bool wide_points, PolyKind kind) {
  const std::uint32_t count = r.U32(24);
  const std::uint64_t point_size = wide_points ? 8 : 4;
  if (count > (r.size() - 28) / point_size) {
    Fail(EmfErrorCode::kBadCount);
    return;
  }
  QPolygonF points(static_cast<qsizetype>(count));
  for (std::uint32_t i = 0; i < count; ++i) {
    const std::uint64_t at = 28 + point_size * i;
    points[i] = wide_points ? QPointF(r.I32(at), r.I32(at + 4))
                            : QPointF(r.I16(at), r.I16(at + 2));
  }
  AddFigure(points, kind);
}

void Playback::MoveTo(const QPointF& to) {
  dc_.current_position = to;
  if (path_open_) {
    path_.moveTo(Map(to));
    path_needs_move_ = false;
  }
}

void Playback::AddFigure(const QPolygonF& logical, PolyKind kind) {
  if (logical.isEmpty()) return;
  const bool from_current =
      kind == PolyKind::kPolylineTo || kind == PolyKind::kBezierTo;
  if (!path_open_ &&
      (kind == PolyKind::kPolygon || kind == PolyKind::kPolyline)) {
    // The common case: no path, straight edges; keeps pixel snapping.
    DrawShape(logical, kind == PolyKind::kPolygon, kind == PolyKind::kPolygon);
    return;
  }
  QPainterPath figure;
  qsizetype next = 0;
  if (from_current) {
    figure.moveTo(Map(dc_.current_position));
  } else {
    figure.moveTo(Map(logical[0]));
    next = 1;
  }
  const bool bezier = kind == PolyKind::kBezier || kind == PolyKind::kBezierTo;
  if (bezier) {
    // Whole triples only; a stray point or two at the end is dropped.
    for (; next + 3 <= logical.size(); next += 3) {
      figure.cubicTo(Map(logical[next]), Map(logical[next + 1]),
                     Map(logical[next + 2]));
    }
  } else {
    for (; next < logical.size(); ++next) figure.lineTo(Map(logical[next]));
  }
  if (kind == PolyKind::kPolygon) figure.closeSubpath();
  if (from_current && next > 0) dc_.current_position = logical[next - 1];

  if (path_open_) {
    if (from_current && !path_needs_move_ && !path_.isEmpty()) {
      // Continue the open figure rather than starting a new one.
      for (int i = 1; i < figure.elementCount(); ++i) {
        const QPainterPath::Element e = figure.elementAt(i);
        if (e.type == QPainterPath::LineToElement) {
          path_.lineTo(e.x, e.y);
        } else if (e.type == QPainterPath::CurveToElement) {
          const QPainterPath::Element c2 = figure.elementAt(i + 1);
          const QPainterPath::Element end = figure.elementAt(i + 2);
          path_.cubicTo(QPointF(e.x, e.y), QPointF(c2.x, c2.y),
                        QPointF(end.x, end.y));
          i += 2;
        }
      }
    } else {
      path_.addPath(figure);
    }
    path_needs_move_ = kind == PolyKind::kPolygon;
    return;
  }
  DrawDevicePath(figure, true, false);
}

void Playback::DrawDevicePath(const QPainterPath& device, bool stroke,
                              bool fill) {
  if (dc_.rop2 == Rop2::kNop || device.isEmpty()) return;
  if (fill && dc_.brush.kind != GdiBrush::Kind::kNull) {
    QPainterPath filled = device;
    filled.setFillRule(ToQtFillRule(dc_.fill_mode));
    PrepareShape(false, true);
    painter_.drawPath(filled);
  }
  if (stroke && !dc_.pen.IsNull()) {
    PrepareShape(true, false);
    painter_.setBrush(Qt::NoBrush);
    // Cosmetic strokes on pixel centres, as for polylines.
    painter_.drawPath(dc_.pen.IsGeometric() ? device
                                            : device.translated(0.5, 0.5));
  }
}

void Playback::PathRecord(std::uint32_t type, const ByteView& r) {
  switch (static_cast<RecordType>(type)) {
    case RecordType::kBeginPath:
      path_ = QPainterPath();
      path_open_ = true;
      path_needs_move_ = true;
      return;
    case RecordType::kEndPath:
      path_open_ = false;
      return;
    case RecordType::kAbortPath:
      path_ = QPainterPath();
      path_open_ = false;
      return;
    case RecordType::kCloseFigure:
      if (path_open_) {
        path_.closeSubpath();
        path_needs_move_ = true;
      }
      return;
    case RecordType::kFillPath:
    case RecordType::kStrokeAndFillPath:
    case RecordType::kStrokePath:
      path_open_ = false;
      DrawDevicePath(
          path_, type != static_cast<std::uint32_t>(RecordType::kFillPath),
          type != static_cast<std::uint32_t>(RecordType::kStrokePath));
      path_ = QPainterPath();
      return;
    case RecordType::kSelectClipPath: {
      const std::optional<RegionMode> mode = ToRegionMode(r.U32(8));
      path_open_ = false;
      if (mode && base_.isInvertible()) {
        QPainterPath region = base_.inverted().map(path_);
        region.setFillRule(ToQtFillRule(dc_.fill_mode));
        dc_.clip.Combine(
            ClipRegion::FromPath(region.simplified(), reference_rect_), *mode,
            reference_rect_);
        clip_dirty_ = true;
      }
      path_ = QPainterPath();
      return;
    }
    default:
      return;
  }
}

}  // namespace tessaly::emf
