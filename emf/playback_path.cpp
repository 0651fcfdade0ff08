// Poly-records with and without the current position, Bézier curves, and the
// path bracket (BEGINPATH ... FILLPATH/STROKEPATH/SELECTCLIPPATH).
#include <QPainterPath>

#include "emf/playback.h"
#include "emf/record_types.h"

namespace tessaly::emf {

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
