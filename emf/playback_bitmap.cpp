// BITBLT and STRETCHDIBITS: fills by raster operation and bitmaps.
#include <QPainterPath>
#include <algorithm>
#include <cmath>

#include "emf/dib_decoder.h"
#include "emf/playback.h"
#include "emf/record_types.h"

namespace tessaly::emf {

namespace {

// Whether a ternary raster operation reads the source: its truth table
// (bits 16-23, indexed by P<<2 | S<<1 | D) differs between S = 0 and S = 1.
bool UsesSource(std::uint32_t rop) {
  const std::uint32_t table = (rop >> 16) & 0xFF;
  return ((table >> 2) & 0x33) != (table & 0x33);
}

// How a bitmap combines with the destination; the brush-only and constant
// operations never get here, and codes we do not know are drawn as copies.
QPainter::CompositionMode SourceMode(std::uint32_t rop) {
  const std::optional<Rop3> known = ToRop3(rop);
  if (!known) return QPainter::CompositionMode_SourceOver;
  switch (*known) {
    case Rop3::kSrcAnd:
      return QPainter::RasterOp_SourceAndDestination;
    case Rop3::kSrcPaint:
      return QPainter::RasterOp_SourceOrDestination;
    case Rop3::kSrcInvert:
      return QPainter::RasterOp_SourceXorDestination;
    case Rop3::kNotSrcCopy:
      return QPainter::RasterOp_NotSource;
    case Rop3::kSrcErase:
      return QPainter::RasterOp_SourceAndNotDestination;
    case Rop3::kNotSrcErase:
      return QPainter::RasterOp_NotSourceAndNotDestination;
    case Rop3::kMergePaint:
      return QPainter::RasterOp_NotSourceOrDestination;
    case Rop3::kSrcCopy:
    case Rop3::kMergeCopy:
    case Rop3::kBlackness:
    case Rop3::kWhiteness:
    case Rop3::kDstInvert:
    case Rop3::kPatInvert:
    case Rop3::kPatCopy:
    case Rop3::kNoOp:
      return QPainter::CompositionMode_SourceOver;
  }
  return QPainter::CompositionMode_SourceOver;
}

}  // namespace

std::optional<QImage> Playback::ReadBitmap(
    const ByteView& r, std::uint32_t off_bmi, std::uint32_t cb_bmi,
    std::uint32_t off_bits, std::uint32_t cb_bits, std::uint32_t usage) {
  if (!r.Contains(off_bmi, cb_bmi) || !r.Contains(off_bits, cb_bits)) {
    Fail(EmfErrorCode::kFieldOutsideRecord);
    return std::nullopt;
  }
  const DecodedDib dib =
      DecodeDib(r.Sub(off_bmi, cb_bmi), r.Sub(off_bits, cb_bits), usage);
  if (dib.status == DibStatus::kMalformed) {
    Fail(EmfErrorCode::kBadBitmap);
    return std::nullopt;
  }
  if (dib.status != DibStatus::kOk) return std::nullopt;
  return dib.image;
}

void Playback::FillByRop(const QRectF& logical, std::uint32_t rop) {
  const std::optional<Rop3> known = ToRop3(rop);
  if (known == Rop3::kNoOp || logical.isEmpty()) return;
  ApplyClip();
  QBrush brush = MakeBrush(dc_.brush);
  painter_.setCompositionMode(QPainter::CompositionMode_SourceOver);
  // PATCOPY and codes we do not know paint the brush.
  switch (known.value_or(Rop3::kPatCopy)) {
    case Rop3::kBlackness:
      brush = QBrush(Qt::black);
      break;
    case Rop3::kWhiteness:
      brush = QBrush(Qt::white);
      break;
    case Rop3::kDstInvert:
      brush = QBrush(Qt::black);
      painter_.setCompositionMode(QPainter::RasterOp_NotDestination);
      break;
    case Rop3::kPatInvert:
      painter_.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
      break;
    case Rop3::kPatCopy:
    case Rop3::kNoOp:
    case Rop3::kNotSrcErase:
    case Rop3::kNotSrcCopy:
    case Rop3::kSrcErase:
    case Rop3::kSrcInvert:
    case Rop3::kSrcAnd:
    case Rop3::kMergePaint:
    case Rop3::kMergeCopy:
    case Rop3::kSrcCopy:
    case Rop3::kSrcPaint:
      break;
  }
  if (brush.style() == Qt::NoBrush) return;
  painter_.setBackgroundMode(dc_.bk_mode == BackgroundMode::kOpaque
                                 ? Qt::OpaqueMode
                                 : Qt::TransparentMode);
  painter_.setBackground(dc_.bk_color);
  painter_.setRenderHint(QPainter::Antialiasing, false);
  if (FullIsAxisAligned()) {
    const QRectF device =
        SnapRect(QRectF(Map(logical.topLeft()), Map(logical.bottomRight())));
    blit_budget_ -= device.width() * device.height();
    if (blit_budget_ < 0) {
      Fail(EmfErrorCode::kBudgetExceeded);
      return;
    }
    painter_.fillRect(device, brush);
  } else {
    painter_.setPen(Qt::NoPen);
    painter_.setBrush(brush);
    painter_.drawPolygon(Map(QPolygonF(logical)));
  }
}

void Playback::DrawImageByRop(const QImage& image, const QRectF& source,
                              const QRectF& logical_dest, std::uint32_t rop) {
  const std::optional<Rop3> known = ToRop3(rop);
  if (known == Rop3::kNoOp || image.isNull() || source.isEmpty()) return;
  ApplyClip();
  if (known == Rop3::kMergeCopy && dc_.brush.kind == GdiBrush::Kind::kSolid) {
    // Source AND brush, then copied.
    QImage merged = image.copy(source.toAlignedRect());
    const QRgb mask = dc_.brush.color.rgb() | 0xFF000000;
    for (int y = 0; y < merged.height(); ++y) {
      auto* line = reinterpret_cast<QRgb*>(merged.scanLine(y));
      for (int x = 0; x < merged.width(); ++x) line[x] &= mask;
    }
    DrawImageByRop(merged, QRectF(QPointF(0, 0), merged.size()), logical_dest,
                   static_cast<std::uint32_t>(Rop3::kSrcCopy));
    return;
  }
  painter_.setCompositionMode(SourceMode(rop));
  painter_.setRenderHint(QPainter::Antialiasing, false);

  const QPointF p0 = Map(logical_dest.topLeft());
  const QPointF px = Map(logical_dest.topRight());
  const QPointF py = Map(logical_dest.bottomLeft());
  const double area = std::abs((px.x() - p0.x()) * (py.y() - p0.y()) -
                               (px.y() - p0.y()) * (py.x() - p0.x()));
  blit_budget_ -= area;
  if (blit_budget_ < 0) {
    Fail(EmfErrorCode::kBudgetExceeded);
    return;
  }
  if (FullIsAxisAligned()) {
    QRectF device(p0, QPointF(px.x(), py.y()));
    const bool flip_x = device.width() < 0;
    const bool flip_y = device.height() < 0;
    device = SnapRect(device);
    // Smooth scaling only when shrinking, so upscaled pixel art stays crisp.
    const bool shrink =
        device.width() < source.width() || device.height() < source.height();
    painter_.setRenderHint(QPainter::SmoothPixmapTransform, shrink);
    if (flip_x || flip_y) {
      const QImage part =
          image.copy(source.toAlignedRect()).mirrored(flip_x, flip_y);
      painter_.drawImage(device, part);
    } else {
      painter_.drawImage(device, image, source);
    }
    return;
  }
  // Rotated or sheared: map the source rectangle onto the device quad.
  const QTransform to_dest((px.x() - p0.x()) / source.width(),
                           (px.y() - p0.y()) / source.width(),
                           (py.x() - p0.x()) / source.height(),
                           (py.y() - p0.y()) / source.height(), p0.x(), p0.y());
  painter_.save();
  painter_.setTransform(
      QTransform::fromTranslate(-source.left(), -source.top()) * to_dest *
      device_scale_);
  painter_.setRenderHint(QPainter::SmoothPixmapTransform, true);
  painter_.drawImage(source, image, source);
  painter_.restore();
}

void Playback::BitBlt(const ByteView& r) {
  const QRectF dest(r.I32(24), r.I32(28), r.I32(32), r.I32(36));
  const std::uint32_t rop = r.U32(40);
  const std::uint32_t off_bmi = r.U32(84);
  const std::uint32_t cb_bmi = r.U32(88);
  if (off_bmi == 0 || cb_bmi == 0 || !UsesSource(rop)) {
    FillByRop(dest, rop);
    return;
  }
  const std::optional<QImage> image =
      ReadBitmap(r, off_bmi, cb_bmi, r.U32(92), r.U32(96), r.U32(80));
  if (!image) return;
  QTransform xform(r.F32(52), r.F32(56), r.F32(60), r.F32(64), r.F32(68),
                   r.F32(72));
  if (!xform.isInvertible() || !std::isfinite(xform.m11()) ||
      !std::isfinite(xform.dx()) || !std::isfinite(xform.dy()) ||
      !std::isfinite(xform.m22())) {
    xform = QTransform();
  }
  const QRectF source =
      xform.mapRect(QRectF(r.I32(44), r.I32(48), dest.width(), dest.height()))
          .intersected(QRectF(QPointF(0, 0), image->size()));
  DrawImageByRop(*image, source, dest, rop);
}

void Playback::StretchDiBits(const ByteView& r) {
  const QRectF dest(r.I32(8 + 16), r.I32(8 + 20), r.I32(72), r.I32(76));
  const std::uint32_t rop = r.U32(68);
  if (!UsesSource(rop)) {
    FillByRop(dest, rop);
    return;
  }
  const std::optional<QImage> image =
      ReadBitmap(r, r.U32(48), r.U32(52), r.U32(56), r.U32(60), r.U32(64));
  if (!image) return;
  // For a bottom-up bitmap the source y counts from its bottom row.
  const ByteView info = r.Sub(r.U32(48), r.U32(52));
  const bool bottom_up = info.U32(0) == 12 ? info.I16(6) > 0 : info.I32(8) > 0;
  const double src_x = r.I32(32);
  const double src_y = r.I32(36);
  const double src_w = r.I32(40);
  const double src_h = r.I32(44);
  const double top = bottom_up ? image->height() - src_y - src_h : src_y;
  const QRectF source = QRectF(src_x, top, src_w, src_h)
                            .intersected(QRectF(QPointF(0, 0), image->size()));
  DrawImageByRop(*image, source, dest, rop);
}

}  // namespace tessaly::emf
