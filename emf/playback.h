// One run of the player over a document: the device context, the object
// table and the mapping to the painter's device pixels.
#ifndef TESSALY_EMF_PLAYBACK_H_
#define TESSALY_EMF_PLAYBACK_H_

#include <QFont>
#include <QHash>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QRawFont>
#include <QRectF>
#include <QTransform>
#include <cstdint>
#include <optional>
#include <vector>

#include "emf/byte_view.h"
#include "emf/dc_state.h"
#include "emf/device_context.h"
#include "emf/emf_document.h"
#include "emf/emf_player.h"
#include "emf/font_faces.h"
#include "emf/gdi_objects.h"
#include "emf/real_fonts.h"
#include "emf/text_layout.h"

namespace tessaly::emf {

Qt::FillRule ToQtFillRule(PolygonFillMode mode);

// All drawing happens in device pixels of the painter's device: the painter's
// world transform is set to undo the device pixel ratio, and every point is
// mapped by Full() (logical -> reference pixels -> device pixels) here. That
// keeps cosmetic pens one pixel wide and lets fills snap to whole pixels.
class Playback {
 public:
  Playback(const EmfDocument& document, QPainter& painter,
           const QRectF& target);
  PlayResult Run();

 private:
  void PlayRecord(const EmfRecord& record);
  void Fail(EmfErrorCode code);

  // Clipping.
  void IntersectClipRect(const ByteView& r);
  void ExtSelectClipRgn(const ByteView& r);

  // Shapes and path brackets (playback_path.cpp).
  enum class PolyKind { kPolygon, kPolyline, kPolylineTo, kBezier, kBezierTo };
  void Poly(const ByteView& r, bool wide_points, PolyKind kind);
  void AddFigure(const QPolygonF& logical, PolyKind kind);
  void MoveTo(const QPointF& to);
  void PathRecord(std::uint32_t type, const ByteView& r);
  void DrawDevicePath(const QPainterPath& device, bool stroke, bool fill);
  void PolyPoly16(const ByteView& r, bool closed);
  void DrawRectangle(const ByteView& r);
  void DrawShape(const QPolygonF& logical, bool closed, bool fill);
  void DrawPolyPolygon(const std::vector<QPolygonF>& logical, bool closed,
                       bool fill);

  // Bitmaps (playback_bitmap.cpp).
  void BitBlt(const ByteView& r);
  void StretchDiBits(const ByteView& r);
  std::optional<QImage> ReadBitmap(const ByteView& r, std::uint32_t off_bmi,
                                   std::uint32_t cb_bmi, std::uint32_t off_bits,
                                   std::uint32_t cb_bits, std::uint32_t usage);
  void FillByRop(const QRectF& logical, std::uint32_t rop);
  void DrawImageByRop(const QImage& image, const QRectF& source,
                      const QRectF& logical_dest, std::uint32_t rop);

  // Text (playback_text.cpp).
  void ExtTextOut(RecordType type, const ByteView& r);
  void DrawGlyphs(const TextRecord& text, const TextLayout& layout,
                  const RealFont& real, const QVector<quint32>& glyphs);

  // Mapping and painter set-up.
  const QTransform& Full();
  QPointF Map(const QPointF& logical);
  QPolygonF Map(const QPolygonF& logical);
  bool FullIsAxisAligned();
  QRectF SnapRect(const QRectF& device) const;
  void ApplyClip();
  void PrepareShape(bool with_pen, bool with_brush);
  QPen MakePen();
  QBrush MakeBrush(const GdiBrush& brush) const;

  const EmfDocument& document_;
  QPainter& painter_;
  QRectF target_;

  qreal dpr_ = 1;
  QTransform device_scale_;  // painter world transform: device px -> logical
  QTransform base_;          // reference px -> device px
  QRect target_device_;      // output bounds in device px
  std::optional<QPainterPath> caller_clip_;  // device px
  QRect reference_rect_;    // the reference device, for "no clip" combines
  double default_em_ = 16;  // device px

  DeviceContext context_;
  DcState& dc_ = context_.state();

  std::optional<QTransform> full_;  // cached World * WinToVp * base_
  QPainterPath path_;               // device px
  bool path_open_ = false;
  bool path_needs_move_ = true;
  bool clip_dirty_ = true;
  std::optional<EmfError> error_;
  int record_index_ = 0;
  std::int64_t glyph_budget_;
  double blit_budget_;

  RealFonts fonts_;
};

}  // namespace tessaly::emf

#endif  // TESSALY_EMF_PLAYBACK_H_
