#include "emf/writer/record_encoders.h"

#include "emf/writer/record_builder.h"

namespace tessaly::emf {

namespace {

constexpr std::uint32_t kNoColor = 0;

// The record's fixed part ends where its variable data starts.
constexpr std::uint32_t FixedPart(RecordType type) {
  return MinimumRecordSize(type);
}

// The inclusive bounds of a shape, as records carry them.
RecordBuilder& Bounds(RecordBuilder& record, const QRect& r) {
  return record.Rect(r.left(), r.top(), r.right(), r.bottom());
}

}  // namespace

QByteArray ValueRecord(RecordType type, std::uint32_t value) {
  return RecordBuilder(type).U32(value).Take();
}

QByteArray PairRecord(RecordType type, std::int32_t x, std::int32_t y) {
  return RecordBuilder(type).I32(x).I32(y).Take();
}

QByteArray SaveDcRecord() { return RecordBuilder(RecordType::kSaveDc).Take(); }

QByteArray IntersectClipRectRecord(const QRect& r) {
  return RecordBuilder(RecordType::kIntersectClipRect)
      .Rect(r.left(), r.top(), r.left() + r.width(), r.top() + r.height())
      .Take();
}

QByteArray CreatePenRecord(std::uint32_t slot, PenStyle style,
                           std::uint32_t color) {
  // Width 0 as a POINT: one device pixel at any scale.
  return RecordBuilder(RecordType::kCreatePen)
      .U32(slot)
      .U32(static_cast<std::uint32_t>(style))
      .I32(0)
      .I32(0)
      .U32(color)
      .Take();
}

QByteArray CreateSolidBrushRecord(std::uint32_t slot, std::uint32_t color) {
  return RecordBuilder(RecordType::kCreateBrushIndirect)
      .U32(slot)
      .U32(static_cast<std::uint32_t>(BrushStyle::kSolid))
      .U32(color)
      .U32(0)  // hatch: unused
      .Take();
}

QByteArray CreateFontRecord(std::uint32_t slot, const LogFont& font) {
  RecordBuilder record(RecordType::kExtCreateFontIndirectW);
  record.U32(slot)
      .I32(font.height)
      .I32(0)  // width: the face's own
      .I32(0)  // escapement
      .I32(0)  // orientation
      .I32(font.weight)
      .U8(font.italic)
      .U8(font.underline)
      .U8(font.strike_out)
      .U8(static_cast<std::uint8_t>(font.charset))
      .U8(0)   // out precision: default
      .U8(0)   // clip precision: default
      .U8(0)   // quality: default
      .U8(0);  // pitch and family: default
  const QString face = font.face.left(31);
  record.Utf16(face);
  for (qsizetype i = face.size(); i < 32; ++i) record.U16(0);
  return record.Take();
}

QByteArray PatBltRecord(const QRect& r) {
  RecordBuilder record(RecordType::kBitBlt);
  Bounds(record, r)
      .I32(r.left())
      .I32(r.top())
      .I32(r.width())
      .I32(r.height())
      .U32(static_cast<std::uint32_t>(Rop3::kPatCopy))
      .I32(0)  // source origin
      .I32(0)
      .F32(1)  // source transform: identity
      .F32(0)
      .F32(0)
      .F32(1)
      .F32(0)
      .F32(0)
      .U32(kNoColor)  // source background colour
      .U32(static_cast<std::uint32_t>(ColorUsage::kRgbColors))
      .U32(0)  // no bitmap: offsets and sizes 0
      .U32(0)
      .U32(0)
      .U32(0);
  return record.Take();
}

QByteArray Poly16Record(std::span<const QPolygon> polygons, bool closed) {
  const bool single = polygons.size() == 1;
  const RecordType type =
      closed ? (single ? RecordType::kPolygon16 : RecordType::kPolyPolygon16)
             : (single ? RecordType::kPolyline16 : RecordType::kPolyPolyline16);
  QRect bounds;
  std::uint32_t total = 0;
  for (const QPolygon& polygon : polygons) {
    bounds |= polygon.boundingRect();
    total += static_cast<std::uint32_t>(polygon.size());
  }
  RecordBuilder record(type);
  Bounds(record, bounds);
  if (!single) record.U32(static_cast<std::uint32_t>(polygons.size()));
  record.U32(total);
  if (!single) {
    for (const QPolygon& polygon : polygons) {
      record.U32(static_cast<std::uint32_t>(polygon.size()));
    }
  }
  for (const QPolygon& polygon : polygons) {
    for (const QPoint& point : polygon) {
      record.I16(static_cast<std::int16_t>(point.x()))
          .I16(static_cast<std::int16_t>(point.y()));
    }
  }
  return record.Take();
}

QByteArray StretchDiBitsRecord(const QRect& dest, QSize source,
                               const EncodedDib& dib) {
  constexpr std::uint32_t kFixed = FixedPart(RecordType::kStretchDiBits);
  const auto info_size = static_cast<std::uint32_t>(dib.info.size());
  RecordBuilder record(RecordType::kStretchDiBits);
  Bounds(record, dest)
      .I32(dest.left())
      .I32(dest.top())
      .I32(0)  // source rectangle: the whole bitmap
      .I32(0)
      .I32(source.width())
      .I32(source.height())
      .U32(kFixed)
      .U32(info_size)
      .U32(kFixed + info_size)
      .U32(static_cast<std::uint32_t>(dib.bits.size()))
      .U32(static_cast<std::uint32_t>(ColorUsage::kRgbColors))
      .U32(static_cast<std::uint32_t>(Rop3::kSrcCopy))
      .I32(dest.width())
      .I32(dest.height())
      .Bytes(dib.info)
      .Bytes(dib.bits);
  return record.Take();
}

QByteArray ExtTextOutWRecord(QPoint reference, const QString& text,
                             std::span<const std::int32_t> dx) {
  constexpr std::uint32_t kFixed = FixedPart(RecordType::kExtTextOutW);
  const auto units = static_cast<std::uint32_t>(text.size());
  const std::uint32_t string_bytes = (2 * units + 3) / 4 * 4;
  RecordBuilder record(RecordType::kExtTextOutW);
  // An empty rectangle rather than NO_RECT, which some readers misparse.
  record.Rect(0, 0, -1, -1)
      .U32(static_cast<std::uint32_t>(GraphicsMode::kCompatible))
      .F32(0)  // scales: unused in compatible mode
      .F32(0)
      .I32(reference.x())
      .I32(reference.y())
      .U32(units)
      .U32(kFixed)
      .U32(0)  // options
      .Rect(0, 0, -1, -1)
      .U32(kFixed + string_bytes)
      .Utf16(text)
      .PadTo4();
  for (const std::int32_t advance : dx) record.I32(advance);
  return record.Take();
}

}  // namespace tessaly::emf
