#include "emf/writer/emf_paint_engine.h"

#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPainterPathStroker>
#include <QPixmap>
#include <QTextLayout>
#include <algorithm>
#include <cmath>

#include "emf/dib_encoder.h"
#include "emf/record_types.h"

namespace tessaly::emf {
namespace {

// One logical unit is 1/15 pixel: fine enough for text advances, and a
// 2184-pixel page still fits the 16-bit records.
constexpr double kUnitsPerPixel = 15;
constexpr std::uint32_t kNoObject = 0xFFFFFFFF;

std::int32_t ToLogical(double pixels) {
  const double units = std::round(pixels * kUnitsPerPixel);
  return static_cast<std::int32_t>(std::clamp(units, -1e9, 1e9));
}

// 16-bit records: anything this far off the page is clamped.
std::int16_t ToLogical16(double pixels) {
  return static_cast<std::int16_t>(
      std::clamp(ToLogical(pixels), -32768, 32767));
}

std::uint32_t ColorRef(const QColor& color) {
  const QRgb rgb = color.rgb();
  return static_cast<std::uint32_t>(qRed(rgb)) |
         static_cast<std::uint32_t>(qGreen(rgb)) << 8 |
         static_cast<std::uint32_t>(qBlue(rgb)) << 16;
}

QColor BrushColor(const QBrush& brush) {
  if (const QGradient* gradient = brush.gradient();
      gradient && !gradient->stops().isEmpty()) {
    return gradient->stops().front().second;
  }
  return brush.color();
}

bool IsAxisAlignedRect(const QPolygonF& polygon, QRectF* rect) {
  qsizetype n = polygon.size();
  if (n == 5 && polygon.front() == polygon.back()) n = 4;
  if (n != 4) return false;
  for (qsizetype i = 0; i < 4; ++i) {
    const QPointF a = polygon[i];
    const QPointF b = polygon[(i + 1) % 4];
    if (a.x() != b.x() && a.y() != b.y()) return false;
  }
  *rect = polygon.boundingRect();
  return true;
}

// Device pixels to the 16-bit logical points of the poly-records.
std::vector<QPolygon> ToLogical16(const std::vector<QPolygonF>& polygons) {
  std::vector<QPolygon> out;
  out.reserve(polygons.size());
  for (const QPolygonF& polygon : polygons) {
    QPolygon logical(polygon.size());
    for (qsizetype i = 0; i < polygon.size(); ++i) {
      logical[i] =
          QPoint(ToLogical16(polygon[i].x()), ToLogical16(polygon[i].y()));
    }
    out.push_back(std::move(logical));
  }
  return out;
}

bool IsCjkFace(const QString& face) {
  return face == u"宋体" || face.compare(u"SimSun", Qt::CaseInsensitive) == 0 ||
         face == u"新宋体";
}

}  // namespace

EmfPaintEngine::EmfPaintEngine(QSize frame, QSize pixel_size)
    : QPaintEngine(AllFeatures), pixel_size_(pixel_size), stream_(frame) {
  slots_in_use_.assign(1, true);  // slot 0 is the picture itself
}

bool EmfPaintEngine::begin(QPaintDevice* device) {
  device_ = device;
  if (!started_) {
    started_ = true;
    Emit(ValueRecord(RecordType::kSetMapMode,
                     static_cast<std::uint32_t>(MapMode::kAnisotropic)));
    Emit(PairRecord(RecordType::kSetWindowOrgEx, 0, 0));
    Emit(PairRecord(RecordType::kSetWindowExtEx, ToLogical(pixel_size_.width()),
                    ToLogical(pixel_size_.height())));
    Emit(PairRecord(RecordType::kSetViewportOrgEx, 0, 0));
    Emit(PairRecord(RecordType::kSetViewportExtEx,
                    stream_.ReferenceFrame().width(),
                    stream_.ReferenceFrame().height()));
    Emit(ValueRecord(RecordType::kSetBkMode,
                     static_cast<std::uint32_t>(BackgroundMode::kTransparent)));
    Emit(ValueRecord(RecordType::kSetTextAlign,
                     static_cast<std::uint32_t>(TextAlign::kBaseline)));
  }
  setActive(true);
  return true;
}

bool EmfPaintEngine::end() {
  wanted_clip_.reset();
  SyncClip();
  // Nothing may stay selected that is deleted.
  if (dc_.live_slots[kBrush] != 0) {
    Select(StockIndex(StockObject::kWhiteBrush));
    dc_.brush.reset();
    ReleaseObject(kBrush, dc_.live_slots[kBrush]);
  }
  if (dc_.live_slots[kFont] != 0) {
    Select(StockIndex(StockObject::kSystemFont));
    dc_.font.reset();
    ReleaseObject(kFont, dc_.live_slots[kFont]);
  }
  if (dc_.live_slots[kPen] != 0) {
    Select(StockIndex(StockObject::kBlackPen));
    dc_.pen.reset();
    ReleaseObject(kPen, dc_.live_slots[kPen]);
  }
  dc_.live_slots = {};
  setActive(false);
  return true;
}

void EmfPaintEngine::Select(std::uint32_t index) {
  Emit(ValueRecord(RecordType::kSelectObject, index));
}

std::uint32_t EmfPaintEngine::AllocateSlot() {
  const auto free_slot =
      std::find(slots_in_use_.begin() + 1, slots_in_use_.end(), false);
  const auto slot =
      static_cast<std::uint32_t>(free_slot - slots_in_use_.begin());
  if (free_slot == slots_in_use_.end()) {
    slots_in_use_.push_back(true);
  } else {
    *free_slot = true;
  }
  stream_.NoteHandle(slot);
  return slot;
}

void EmfPaintEngine::ReleaseObject(ObjectKind kind, std::uint32_t slot) {
  if (slot == 0) return;
  // An object the saved state still selects must outlive the RESTOREDC.
  if (active_clip_ && saved_dc_.live_slots[kind] == slot) return;
  Emit(ValueRecord(RecordType::kDeleteObject, slot));
  slots_in_use_[slot] = false;
}

void EmfPaintEngine::SelectPen(std::uint32_t key) {
  if (dc_.pen == key) return;
  dc_.pen = key;
  if (key == kNoObject) {
    Select(StockIndex(StockObject::kNullPen));
    return;
  }
  const std::uint32_t slot = AllocateSlot();
  Emit(CreatePenRecord(slot, PenStyle::kSolid, key));
  Select(slot);
  ReleaseObject(kPen, dc_.live_slots[kPen]);
  dc_.live_slots[kPen] = slot;
}

void EmfPaintEngine::SelectBrush(std::uint32_t key) {
  if (dc_.brush == key) return;
  dc_.brush = key;
  const std::uint32_t slot = AllocateSlot();
  Emit(CreateSolidBrushRecord(slot, key));
  Select(slot);
  ReleaseObject(kBrush, dc_.live_slots[kBrush]);
  dc_.live_slots[kBrush] = slot;
}

void EmfPaintEngine::SelectFont(const LogFont& key) {
  if (dc_.font == key) return;
  dc_.font = key;
  const std::uint32_t slot = AllocateSlot();
  Emit(CreateFontRecord(slot, key));
  Select(slot);
  ReleaseObject(kFont, dc_.live_slots[kFont]);
  dc_.live_slots[kFont] = slot;
}

void EmfPaintEngine::SetTextColor(std::uint32_t color) {
  if (dc_.text_color == color) return;
  dc_.text_color = color;
  Emit(ValueRecord(RecordType::kSetTextColor, color));
}

void EmfPaintEngine::SetFillMode(Qt::FillRule rule) {
  const auto mode = static_cast<std::uint32_t>(
      rule == Qt::WindingFill ? PolygonFillMode::kWinding
                              : PolygonFillMode::kAlternate);
  if (dc_.fill_mode == mode) return;
  dc_.fill_mode = mode;
  Emit(ValueRecord(RecordType::kSetPolyFillMode, mode));
}

void EmfPaintEngine::SyncClip() {
  if (wanted_clip_ == active_clip_) return;
  if (active_clip_) {
    Emit(ValueRecord(RecordType::kRestoreDc, static_cast<std::uint32_t>(-1)));
    // Objects made inside the clipped section are no longer selected now.
    for (int kind = 0; kind < kObjectKinds; ++kind) {
      const std::uint32_t slot = dc_.live_slots[kind];
      if (slot != 0 && slot != saved_dc_.live_slots[kind]) {
        Emit(ValueRecord(RecordType::kDeleteObject, slot));
        slots_in_use_[slot] = false;
      }
    }
    dc_ = saved_dc_;
    active_clip_.reset();
  }
  if (wanted_clip_) {
    Emit(SaveDcRecord());
    saved_dc_ = dc_;
    Emit(IntersectClipRectRecord(*wanted_clip_));
    active_clip_ = wanted_clip_;
  }
}

void EmfPaintEngine::updateState(const QPaintEngineState& state) {
  const DirtyFlags flags = state.state();
  if (flags & DirtyPen) pen_ = state.pen();
  if (flags & DirtyBrush) brush_ = state.brush();
  if (flags & DirtyTransform) transform_ = state.transform();
  if (flags &
      (DirtyClipEnabled | DirtyClipPath | DirtyClipRegion | DirtyTransform)) {
    QPainter* p = painter();
    if (p && p->hasClipping()) {
      const QRectF device =
          p->combinedTransform()
              .mapRect(p->clipBoundingRect())
              .intersected(QRectF(QPointF(0, 0), QSizeF(pixel_size_)));
      const int left = ToLogical(device.left());
      const int top = ToLogical(device.top());
      wanted_clip_ =
          QRect(left, top, std::max(0, ToLogical(device.right()) - left),
                std::max(0, ToLogical(device.bottom()) - top));
    } else {
      wanted_clip_.reset();
    }
  }
}

void EmfPaintEngine::FillDeviceRect(const QRectF& rect, const QColor& color) {
  SyncClip();
  SelectBrush(ColorRef(color));
  const std::int32_t x = ToLogical(rect.left());
  const std::int32_t y = ToLogical(rect.top());
  const std::int32_t cx = ToLogical(rect.right()) - x;
  const std::int32_t cy = ToLogical(rect.bottom()) - y;
  if (cx <= 0 || cy <= 0) return;
  Emit(PatBltRecord(QRect(x, y, cx, cy)));
}

void EmfPaintEngine::FillDevicePath(const QPainterPath& path,
                                    const QColor& color) {
  if (color.alpha() == 0 || path.isEmpty()) return;
  std::vector<QPolygonF> polygons;
  for (const QPolygonF& polygon : path.toSubpathPolygons()) {
    if (polygon.size() >= 3) polygons.push_back(polygon);
  }
  if (polygons.empty()) return;
  QRectF rect;
  if (polygons.size() == 1 && IsAxisAlignedRect(polygons.front(), &rect)) {
    FillDeviceRect(rect, color);
    return;
  }
  SyncClip();
  SelectBrush(ColorRef(color));
  SelectPen(kNoObject);
  SetFillMode(path.fillRule());
  Emit(Poly16Record(ToLogical16(polygons), true));
}

void EmfPaintEngine::EmitPolylines(const std::vector<QPolygonF>& polylines) {
  std::vector<QPolygonF> lines;
  for (const QPolygonF& line : polylines) {
    if (line.size() >= 2) lines.push_back(line);
  }
  if (lines.empty()) return;
  Emit(Poly16Record(ToLogical16(lines), false));
}

void EmfPaintEngine::StrokePath(const QPainterPath& path) {
  if (pen_.style() == Qt::NoPen) return;
  const QColor color = BrushColor(pen_.brush());
  if (color.alpha() == 0) return;
  const double scale = std::sqrt(std::abs(transform_.determinant()));
  const double width = pen_.widthF();
  const double device_width =
      pen_.isCosmetic() ? std::max(width, 1.0) : width * scale;
  if (pen_.style() == Qt::SolidLine && device_width <= 1.0) {
    SyncClip();
    SelectPen(ColorRef(color));
    std::vector<QPolygonF> lines;
    for (const QPolygonF& polygon : transform_.map(path).toSubpathPolygons()) {
      lines.push_back(polygon);
    }
    EmitPolylines(lines);
    return;
  }
  // Wide or dashed: the outline, filled, so caps, joins and dashes come out
  // exactly as Qt draws them.
  QPainterPathStroker stroker(pen_);
  QPainterPath outline;
  if (pen_.isCosmetic()) {
    stroker.setWidth(device_width);
    outline = stroker.createStroke(transform_.map(path));
  } else {
    stroker.setWidth(std::max(width, 1e-3));
    outline = transform_.map(stroker.createStroke(path));
  }
  outline.setFillRule(Qt::WindingFill);
  FillDevicePath(outline, color);
}

void EmfPaintEngine::drawPath(const QPainterPath& path) {
  if (brush_.style() != Qt::NoBrush) {
    FillDevicePath(transform_.map(path), BrushColor(brush_));
  }
  StrokePath(path);
}

void EmfPaintEngine::drawPolygon(const QPointF* points, int count,
                                 PolygonDrawMode mode) {
  if (count < 2) return;
  QPainterPath path;
  path.moveTo(points[0]);
  for (int i = 1; i < count; ++i) path.lineTo(points[i]);
  if (mode == PolylineMode) {
    StrokePath(path);
    return;
  }
  path.closeSubpath();
  path.setFillRule(mode == WindingMode ? Qt::WindingFill : Qt::OddEvenFill);
  drawPath(path);
}

void EmfPaintEngine::drawRects(const QRectF* rects, int count) {
  for (int i = 0; i < count; ++i) {
    QPainterPath path;
    path.addRect(rects[i]);
    drawPath(path);
  }
}

void EmfPaintEngine::drawPixmap(const QRectF& target, const QPixmap& pixmap,
                                const QRectF& source) {
  drawImage(target, pixmap.toImage(), source, Qt::AutoColor);
}

void EmfPaintEngine::drawImage(const QRectF& target, const QImage& image,
                               const QRectF& source, Qt::ImageConversionFlags) {
  const QRect source_rect = source.toAlignedRect().intersected(image.rect());
  if (source_rect.isEmpty()) return;
  const QImage cropped =
      source_rect == image.rect() ? image : image.copy(source_rect);
  const EncodedDib dib = EncodeDib(cropped);
  const QRectF device = transform_.mapRect(target);
  const std::int32_t x = ToLogical(device.left());
  const std::int32_t y = ToLogical(device.top());
  const std::int32_t cx = ToLogical(device.right()) - x;
  const std::int32_t cy = ToLogical(device.bottom()) - y;
  if (cx <= 0 || cy <= 0) return;
  SyncClip();
  Emit(StretchDiBitsRecord(QRect(x, y, cx, cy), cropped.size(), dib));
}

void EmfPaintEngine::drawTextItem(const QPointF& origin,
                                  const QTextItem& item) {
  const QString text = item.text();
  if (text.isEmpty()) return;
  const QColor color = BrushColor(pen_.brush());
  if (pen_.style() == Qt::NoPen || color.alpha() == 0) return;
  const QFont font = item.font();

  // QTextItem does not expose its glyph positions; laying the same run out
  // again with the same font gives the same advances.
  QTextLayout layout(text, font, device_);
  layout.beginLayout();
  QTextLine line = layout.createLine();
  layout.endLayout();
  if (!line.isValid()) return;

  // FIXME: under a rotated or sheared transform only the start of the run
  // moves; the advances stay horizontal and the glyphs upright, as neither
  // an escapement nor a world transform is written. Our pages have no
  // rotated text.
  const double sx = std::hypot(transform_.m11(), transform_.m12());
  const double sy = std::hypot(transform_.m21(), transform_.m22());
  const QPointF device_origin = transform_.map(origin);
  const double pixel_size =
      font.pixelSize() > 0 ? font.pixelSize()
                           : font.pointSizeF() * device_->logicalDpiY() / 72.0;

  const qsizetype n = text.size();
  std::vector<std::int32_t> dx(static_cast<std::size_t>(n), 0);
  const auto unit_x = [&](qsizetype index) {
    const double x = index >= n ? line.naturalTextWidth()
                                : line.cursorToX(static_cast<int>(index));
    return ToLogical(device_origin.x() + x * sx);
  };
  qsizetype i = 0;
  std::int32_t x_here = unit_x(0);
  while (i < n) {
    qsizetype next = i + 1;
    if (next < n && text[next].isLowSurrogate()) ++next;
    const std::int32_t x_next = unit_x(next);
    dx[static_cast<std::size_t>(i)] = x_next - x_here;
    x_here = x_next;
    i = next;
  }

  LogFont key;
  key.face =
      font.families().isEmpty() ? font.family() : font.families().front();
  key.height = -std::max(1, ToLogical(pixel_size * sy));
  key.weight = font.weight();
  key.italic = font.italic();
  key.underline = font.underline();
  key.strike_out = font.strikeOut();
  const bool cjk = IsCjkFace(key.face) ||
                   std::any_of(text.begin(), text.end(),
                               [](QChar c) { return c.unicode() >= 0x2E80; });
  key.charset = cjk ? Charset::kGb2312 : Charset::kAnsi;

  SyncClip();
  SelectFont(key);
  SetTextColor(ColorRef(color));

  Emit(ExtTextOutWRecord(
      QPoint(ToLogical(device_origin.x()), ToLogical(device_origin.y())), text,
      dx));
}

}  // namespace tessaly::emf
