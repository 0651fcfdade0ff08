// The paint engine behind EmfWriter: turns QPainter calls into EMF records.
// Fills become BITBLT (axis-aligned rectangles) or POLYGON16/POLYPOLYGON16,
// thin solid strokes POLYLINE16 with a one-pixel pen, other strokes their
// filled outline, text EXTTEXTOUTW with explicit advances, images
// STRETCHDIBITS, and clips SAVEDC + INTERSECTCLIPRECT ... RESTOREDC (the
// clip's bounding rectangle).
#ifndef TESSALY_EMF_WRITER_EMF_PAINT_ENGINE_H_
#define TESSALY_EMF_WRITER_EMF_PAINT_ENGINE_H_

#include <QBrush>
#include <QByteArray>
#include <QFont>
#include <QPaintEngine>
#include <QPen>
#include <QPolygonF>
#include <QRect>
#include <QSize>
#include <QTransform>
#include <array>
#include <cstdint>
#include <optional>
#include <vector>

#include "emf/writer/emf_stream.h"
#include "emf/writer/record_encoders.h"

namespace tessaly::emf {

class EmfPaintEngine : public QPaintEngine {
 public:
  // `frame` in 0.01 mm; `pixel_size` is its natural size.
  EmfPaintEngine(QSize frame, QSize pixel_size);

  bool begin(QPaintDevice* device) override;
  bool end() override;
  void updateState(const QPaintEngineState& state) override;
  void drawPath(const QPainterPath& path) override;
  void drawPolygon(const QPointF* points, int count,
                   PolygonDrawMode mode) override;
  void drawRects(const QRectF* rects, int count) override;
  void drawPixmap(const QRectF& target, const QPixmap& pixmap,
                  const QRectF& source) override;
  void drawImage(const QRectF& target, const QImage& image,
                 const QRectF& source, Qt::ImageConversionFlags flags) override;
  void drawTextItem(const QPointF& origin, const QTextItem& item) override;
  Type type() const override { return User; }

  QByteArray Finish() const { return stream_.Finish(); }

 private:
  enum ObjectKind { kPen, kBrush, kFont, kObjectKinds };
  // What the recorded device context currently holds, as far as we set it.
  struct DcCache {
    std::optional<std::uint32_t> pen;    // COLORREF, or kNoObject
    std::optional<std::uint32_t> brush;  // COLORREF, or kNoObject
    std::optional<LogFont> font;
    std::optional<std::uint32_t> text_color;
    std::optional<std::uint32_t> fill_mode;
    std::array<std::uint32_t, kObjectKinds> live_slots{};  // 0 = none
  };

  void Emit(const QByteArray& record) { stream_.Append(record); }
  void Select(std::uint32_t index);

  std::uint32_t AllocateSlot();
  void ReleaseObject(ObjectKind kind, std::uint32_t slot);
  void SelectPen(std::uint32_t key);
  void SelectBrush(std::uint32_t key);
  void SelectFont(const LogFont& key);
  void SetTextColor(std::uint32_t color);
  void SetFillMode(Qt::FillRule rule);
  void SyncClip();

  // In device pixels.
  void FillDevicePath(const QPainterPath& path, const QColor& color);
  void FillDeviceRect(const QRectF& rect, const QColor& color);
  void StrokePath(const QPainterPath& path);
  void EmitPolylines(const std::vector<QPolygonF>& polylines);

  QSize pixel_size_;
  EmfStream stream_;
  QPaintDevice* device_ = nullptr;
  bool started_ = false;

  QPen pen_;
  QBrush brush_;
  QTransform transform_;
  std::optional<QRect> wanted_clip_;  // logical units
  std::optional<QRect> active_clip_;

  DcCache dc_;
  DcCache saved_dc_;  // the state a pending RESTOREDC brings back
  std::vector<bool> slots_in_use_;
};

}  // namespace tessaly::emf

#endif  // TESSALY_EMF_WRITER_EMF_PAINT_ENGINE_H_
