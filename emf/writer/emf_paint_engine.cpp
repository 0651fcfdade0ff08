#include "emf/writer/emf_paint_engine.h"

#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPainterPathStroker>
#include <QPixmap>
#include <QTextLayout>
#include <algorithm>
#include <cmath>

#include "emf/record_types.h"
#include "emf/writer/record_builder.h"

namespace tessaly::emf {
namespace {

// One logical unit is 1/15 pixel: fine enough for text advances, and a
// 2184-pixel page still fits the 16-bit records.
constexpr double kUnitsPerPixel = 15;
constexpr std::uint32_t kNoObject = 0xFFFFFFFF;
constexpr std::uint32_t kStockNullPen = kStockObjectFlag | kNullPen;
constexpr std::uint32_t kStockBlackPen = kStockObjectFlag | kBlackPen;
constexpr std::uint32_t kStockWhiteBrush = kStockObjectFlag | kWhiteBrush;
constexpr std::uint32_t kStockDefaultFont = kStockObjectFlag | 13;
constexpr std::uint32_t kPolyFillAlternate = 1;
constexpr std::uint32_t kPolyFillWinding = 2;

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

void AppendPointBounds(RecordBuilder& record,
                       const std::vector<QPolygonF>& polygons) {
  QRectF bounds;
  for (const QPolygonF& polygon : polygons) {
    bounds = bounds.united(polygon.boundingRect());
  }
  record.Rect(ToLogical16(bounds.left()), ToLogical16(bounds.top()),
              ToLogical16(bounds.right()), ToLogical16(bounds.bottom()));
}

bool IsCjkFace(const QString& face) {
  return face == u"宋体" || face.compare(u"SimSun", Qt::CaseInsensitive) == 0 ||
         face == u"新宋体";
}

// The image as a device-independent bitmap: its header with colour table,
// and its rows. Rows of QImage are 32-bit aligned like a DIB's, so they go
// in unchanged; the DIB is top-down (negative height).
struct Dib {
  QByteArray info;
  QByteArray bits;
};

Dib MakeDib(const QImage& source) {
  QImage image;
  int bpp = 32;
  QList<QRgb> colors;
  const auto opaque_table = [](const QList<QRgb>& table) {
    return std::all_of(table.begin(), table.end(),
                       [](QRgb c) { return qAlpha(c) == 255; });
  };
  switch (source.format()) {
    case QImage::Format_Mono:
    case QImage::Format_MonoLSB:
      if (opaque_table(source.colorTable()) && source.colorCount() == 2) {
        image = source.convertToFormat(QImage::Format_Mono);
        bpp = 1;
      }
      break;
    case QImage::Format_Indexed8:
      if (opaque_table(source.colorTable()) && source.colorCount() > 0) {
        image = source;
        bpp = 8;
      }
      break;
    case QImage::Format_RGB888:
    case QImage::Format_BGR888:
      image = source.convertToFormat(QImage::Format_BGR888);
      bpp = 24;
      break;
    default:
      break;
  }
  if (image.isNull()) {
    bpp = 32;
    if (source.hasAlphaChannel()) {
      image = QImage(source.size(), QImage::Format_RGB32);
      image.fill(Qt::white);
      QPainter painter(&image);
      painter.drawImage(0, 0, source);
    } else {
      image = source.convertToFormat(QImage::Format_RGB32);
    }
  }
  if (bpp <= 8) colors = image.colorTable();

  const int stride = ((image.width() * bpp + 31) / 32) * 4;
  QByteArray info;
  {
    RecordBuilder bytes(RecordType::kHeader);
    bytes.U32(40)
        .I32(image.width())
        .I32(-image.height())
        .U16(1)
        .U16(static_cast<std::uint16_t>(bpp))
        .U32(0)
        .U32(static_cast<std::uint32_t>(stride * image.height()))
        .I32(3780)
        .I32(3780)
        .U32(static_cast<std::uint32_t>(colors.size()))
        .U32(0);
    for (const QRgb c : colors) {
      bytes.U8(static_cast<std::uint8_t>(qBlue(c)))
          .U8(static_cast<std::uint8_t>(qGreen(c)))
          .U8(static_cast<std::uint8_t>(qRed(c)))
          .U8(0);
    }
    info = bytes.Take().mid(8);
  }
  QByteArray bits;
  bits.reserve(static_cast<qsizetype>(stride) * image.height());
  for (int y = 0; y < image.height(); ++y) {
    bits.append(reinterpret_cast<const char*>(image.constScanLine(y)), stride);
  }
  if (bpp == 32) {
    // The fourth byte of a 32-bit DIB pixel is reserved, not alpha.
    for (qsizetype i = 3; i < bits.size(); i += 4) bits[i] = 0;
  }
  return {info, bits};
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
    EmitValue(static_cast<std::uint32_t>(RecordType::kSetMapMode),
              kMapModeAnisotropic);
    Emit(RecordBuilder(RecordType::kSetWindowOrgEx).I32(0).I32(0).Take());
    Emit(RecordBuilder(RecordType::kSetWindowExtEx)
             .I32(ToLogical(pixel_size_.width()))
             .I32(ToLogical(pixel_size_.height()))
             .Take());
    Emit(RecordBuilder(RecordType::kSetViewportOrgEx).I32(0).I32(0).Take());
    Emit(RecordBuilder(RecordType::kSetViewportExtEx)
             .I32(stream_.ReferenceFrame().width())
             .I32(stream_.ReferenceFrame().height())
             .Take());
    EmitValue(static_cast<std::uint32_t>(RecordType::kSetBkMode), kTransparent);
    EmitValue(static_cast<std::uint32_t>(RecordType::kSetTextAlign),
              kTaBaseline);
  }
  setActive(true);
  return true;
}

bool EmfPaintEngine::end() {
  wanted_clip_.reset();
  SyncClip();
  // Nothing may stay selected that is deleted.
  if (dc_.live_slots[kBrush] != 0) {
    EmitValue(static_cast<std::uint32_t>(RecordType::kSelectObject),
              kStockWhiteBrush);
    dc_.brush.reset();
    ReleaseObject(kBrush, dc_.live_slots[kBrush]);
  }
  if (dc_.live_slots[kFont] != 0) {
    EmitValue(static_cast<std::uint32_t>(RecordType::kSelectObject),
              kStockDefaultFont);
    dc_.font.reset();
    ReleaseObject(kFont, dc_.live_slots[kFont]);
  }
  if (dc_.live_slots[kPen] != 0) {
    EmitValue(static_cast<std::uint32_t>(RecordType::kSelectObject),
              kStockBlackPen);
    dc_.pen.reset();
    ReleaseObject(kPen, dc_.live_slots[kPen]);
  }
  dc_.live_slots = {};
  setActive(false);
  return true;
}

void EmfPaintEngine::EmitValue(std::uint32_t type, std::uint32_t value) {
  Emit(RecordBuilder(static_cast<RecordType>(type)).U32(value).Take());
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
  EmitValue(static_cast<std::uint32_t>(RecordType::kDeleteObject), slot);
  slots_in_use_[slot] = false;
}

void EmfPaintEngine::SelectPen(std::uint32_t key) {
  if (dc_.pen == key) return;
  dc_.pen = key;
  if (key == kNoObject) {
    EmitValue(static_cast<std::uint32_t>(RecordType::kSelectObject),
              kStockNullPen);
    return;
  }
  const std::uint32_t slot = AllocateSlot();
  // Width 0: a cosmetic pen, one device pixel wide at any scale.
  Emit(RecordBuilder(RecordType::kCreatePen)
           .U32(slot)
           .U32(0)
           .I32(0)
           .I32(0)
           .U32(key)
           .Take());
  EmitValue(static_cast<std::uint32_t>(RecordType::kSelectObject), slot);
  ReleaseObject(kPen, dc_.live_slots[kPen]);
  dc_.live_slots[kPen] = slot;
}

void EmfPaintEngine::SelectBrush(std::uint32_t key) {
  if (dc_.brush == key) return;
  dc_.brush = key;
  const std::uint32_t slot = AllocateSlot();
  Emit(RecordBuilder(RecordType::kCreateBrushIndirect)
           .U32(slot)
           .U32(0)  // solid
           .U32(key)
           .U32(0)
           .Take());
  EmitValue(static_cast<std::uint32_t>(RecordType::kSelectObject), slot);
  ReleaseObject(kBrush, dc_.live_slots[kBrush]);
  dc_.live_slots[kBrush] = slot;
}

void EmfPaintEngine::SelectFont(const FontKey& key) {
  if (dc_.font == key) return;
  dc_.font = key;
  const std::uint32_t slot = AllocateSlot();
  RecordBuilder record(RecordType::kExtCreateFontIndirectW);
  record.U32(slot)
      .I32(key.height)
      .I32(0)
      .I32(0)
      .I32(0)
      .I32(key.weight)
      .U8(key.italic)
      .U8(key.underline)
      .U8(key.strike_out)
      .U8(key.charset)
      .U8(0)   // out precision: default
      .U8(0)   // clip precision: default
      .U8(0)   // quality: default
      .U8(0);  // pitch and family: default
  const QString face = key.face.left(31);
  record.Utf16(face);
  for (qsizetype i = face.size(); i < 32; ++i) record.U16(0);
  Emit(record.Take());
  EmitValue(static_cast<std::uint32_t>(RecordType::kSelectObject), slot);
  ReleaseObject(kFont, dc_.live_slots[kFont]);
  dc_.live_slots[kFont] = slot;
}

void EmfPaintEngine::SetTextColor(std::uint32_t color) {
  if (dc_.text_color == color) return;
  dc_.text_color = color;
  EmitValue(static_cast<std::uint32_t>(RecordType::kSetTextColor), color);
}

void EmfPaintEngine::SetFillMode(Qt::FillRule rule) {
  const std::uint32_t mode =
      rule == Qt::WindingFill ? kPolyFillWinding : kPolyFillAlternate;
  if (dc_.fill_mode == mode) return;
  dc_.fill_mode = mode;
  EmitValue(static_cast<std::uint32_t>(RecordType::kSetPolyFillMode), mode);
}

void EmfPaintEngine::SyncClip() {
  if (wanted_clip_ == active_clip_) return;
  if (active_clip_) {
    Emit(RecordBuilder(RecordType::kRestoreDc).I32(-1).Take());
    // Objects made inside the clipped section are no longer selected now.
    for (int kind = 0; kind < kObjectKinds; ++kind) {
      const std::uint32_t slot = dc_.live_slots[kind];
      if (slot != 0 && slot != saved_dc_.live_slots[kind]) {
        EmitValue(static_cast<std::uint32_t>(RecordType::kDeleteObject), slot);
        slots_in_use_[slot] = false;
      }
    }
    dc_ = saved_dc_;
    active_clip_.reset();
  }
  if (wanted_clip_) {
    Emit(RecordBuilder(RecordType::kSaveDc).Take());
    saved_dc_ = dc_;
    const QRect& r = *wanted_clip_;
    Emit(
        RecordBuilder(RecordType::kIntersectClipRect)
            .Rect(r.left(), r.top(), r.left() + r.width(), r.top() + r.height())
            .Take());
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
  Emit(RecordBuilder(RecordType::kBitBlt)
           .Rect(x, y, x + cx - 1, y + cy - 1)
           .I32(x)
           .I32(y)
           .I32(cx)
           .I32(cy)
           .U32(kPatCopy)
           .I32(0)
           .I32(0)
           .F32(1)
           .F32(0)
           .F32(0)
           .F32(1)
           .F32(0)
           .F32(0)
           .U32(0)  // source background colour
           .U32(0)  // usage
           .U32(0)  // no bitmap
           .U32(0)
           .U32(0)
           .U32(0)
           .Take());
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
  qsizetype total = 0;
  for (const QPolygonF& polygon : polygons) total += polygon.size();
  RecordBuilder record(polygons.size() == 1 ? RecordType::kPolygon16
                                            : RecordType::kPolyPolygon16);
  AppendPointBounds(record, polygons);
  if (polygons.size() > 1) {
    record.U32(static_cast<std::uint32_t>(polygons.size()));
  }
  record.U32(static_cast<std::uint32_t>(total));
  if (polygons.size() > 1) {
    for (const QPolygonF& polygon : polygons) {
      record.U32(static_cast<std::uint32_t>(polygon.size()));
    }
  }
  for (const QPolygonF& polygon : polygons) {
    for (const QPointF& point : polygon) {
      record.I16(ToLogical16(point.x())).I16(ToLogical16(point.y()));
    }
  }
  Emit(record.Take());
}

void EmfPaintEngine::EmitPolylines(const std::vector<QPolygonF>& polylines) {
  std::vector<QPolygonF> lines;
  for (const QPolygonF& line : polylines) {
    if (line.size() >= 2) lines.push_back(line);
  }
  if (lines.empty()) return;
  qsizetype total = 0;
  for (const QPolygonF& line : lines) total += line.size();
  RecordBuilder record(lines.size() == 1 ? RecordType::kPolyline16
                                         : RecordType::kPolyPolyline16);
  AppendPointBounds(record, lines);
  if (lines.size() > 1) record.U32(static_cast<std::uint32_t>(lines.size()));
  record.U32(static_cast<std::uint32_t>(total));
  if (lines.size() > 1) {
    for (const QPolygonF& line : lines) {
      record.U32(static_cast<std::uint32_t>(line.size()));
    }
  }
  for (const QPolygonF& line : lines) {
    for (const QPointF& point : line) {
      record.I16(ToLogical16(point.x())).I16(ToLogical16(point.y()));
    }
  }
  Emit(record.Take());
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
  const Dib dib = MakeDib(cropped);
  const QRectF device = transform_.mapRect(target);
  const std::int32_t x = ToLogical(device.left());
  const std::int32_t y = ToLogical(device.top());
  const std::int32_t cx = ToLogical(device.right()) - x;
  const std::int32_t cy = ToLogical(device.bottom()) - y;
  if (cx <= 0 || cy <= 0) return;
  SyncClip();
  constexpr std::uint32_t kFixedSize = 80;
  const auto info_size = static_cast<std::uint32_t>(dib.info.size());
  Emit(RecordBuilder(RecordType::kStretchDiBits)
           .Rect(x, y, x + cx - 1, y + cy - 1)
           .I32(x)
           .I32(y)
           .I32(0)
           .I32(0)
           .I32(cropped.width())
           .I32(cropped.height())
           .U32(kFixedSize)
           .U32(info_size)
           .U32(kFixedSize + info_size)
           .U32(static_cast<std::uint32_t>(dib.bits.size()))
           .U32(0)  // colours are RGB values
           .U32(kSrcCopy)
           .I32(cx)
           .I32(cy)
           .Bytes(dib.info)
           .Bytes(dib.bits)
           .Take());
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

  FontKey key;
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
  key.charset = cjk ? 134 : 0;

  SyncClip();
  SelectFont(key);
  SetTextColor(ColorRef(color));

  constexpr std::uint32_t kFixedSize = 76;
  const auto string_bytes = static_cast<std::uint32_t>((2 * n + 3) / 4 * 4);
  RecordBuilder record(RecordType::kExtTextOutW);
  record.Rect(0, 0, -1, -1)
      .U32(1)  // compatible graphics mode
      .F32(0)
      .F32(0)
      .I32(ToLogical(device_origin.x()))
      .I32(ToLogical(device_origin.y()))
      .U32(static_cast<std::uint32_t>(n))
      .U32(kFixedSize)
      .U32(0)
      .Rect(0, 0, -1, -1)
      .U32(kFixedSize + string_bytes)
      .Utf16(text)
      .PadTo4();
  for (const std::int32_t advance : dx) record.I32(advance);
  Emit(record.Take());
}

}  // namespace tessaly::emf
