// One free function per record the writer emits: values in, the finished
// record out. Coordinates are logical units of the writer's pages.
#ifndef TESSALY_EMF_WRITER_RECORD_ENCODERS_H_
#define TESSALY_EMF_WRITER_RECORD_ENCODERS_H_

#include <QByteArray>
#include <QPolygon>
#include <QRect>
#include <QSize>
#include <QString>
#include <cstdint>
#include <span>

#include "emf/dib_encoder.h"
#include "emf/gdi_constants.h"
#include "emf/record_types.h"

namespace tessaly::emf {

// SETMAPMODE, SETBKMODE, SETTEXTALIGN, SETTEXTCOLOR, SETPOLYFILLMODE,
// SELECTOBJECT, DELETEOBJECT, RESTOREDC: the type and one 32-bit value.
QByteArray ValueRecord(RecordType type, std::uint32_t value);
// SETWINDOWORGEX, SETWINDOWEXTEX, SETVIEWPORTORGEX, SETVIEWPORTEXTEX.
QByteArray PairRecord(RecordType type, std::int32_t x, std::int32_t y);
QByteArray SaveDcRecord();
// INTERSECTCLIPRECT; `rect` right and bottom exclusive.
QByteArray IntersectClipRectRecord(const QRect& rect);

// CREATEPEN of a cosmetic (one device pixel) pen.
QByteArray CreatePenRecord(std::uint32_t slot, PenStyle style,
                           std::uint32_t color);
// CREATEBRUSHINDIRECT of a solid brush.
QByteArray CreateSolidBrushRecord(std::uint32_t slot, std::uint32_t color);

struct LogFont {
  QString face;             // at most 31 UTF-16 units are kept
  std::int32_t height = 0;  // negative: the em height
  std::int32_t weight = 400;
  bool italic = false;
  bool underline = false;
  bool strike_out = false;
  Charset charset = Charset::kAnsi;
  bool operator==(const LogFont&) const = default;
};
// EXTCREATEFONTINDIRECTW with a plain LOGFONT.
QByteArray CreateFontRecord(std::uint32_t slot, const LogFont& font);

// BITBLT without a bitmap: the rectangle painted with the brush (PATCOPY).
QByteArray PatBltRecord(const QRect& rect);
// POLYGON16 / POLYPOLYGON16 (`closed`) or POLYLINE16 / POLYPOLYLINE16: one
// polygon makes the single form. Points must fit 16 bits.
QByteArray Poly16Record(std::span<const QPolygon> polygons, bool closed);
// STRETCHDIBITS of a whole bitmap of `source` pixels into `dest`, copied.
QByteArray StretchDiBitsRecord(const QRect& dest, QSize source,
                               const EncodedDib& dib);
// EXTTEXTOUTW in compatible mode with an empty rectangle and one advance
// per UTF-16 unit.
QByteArray ExtTextOutWRecord(QPoint reference, const QString& text,
                             std::span<const std::int32_t> dx);

}  // namespace tessaly::emf

#endif  // TESSALY_EMF_WRITER_RECORD_ENCODERS_H_
