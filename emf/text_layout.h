// Text records in two pure steps: parse (EXTTEXTOUTW/EXTTEXTOUTA bytes to
// values) and lay out (values and the device context to glyph origins and
// character cells). The player draws from the lay-out and the text layer
// reports it, so what a reader selects is where the glyphs are.
#ifndef TESSALY_EMF_TEXT_LAYOUT_H_
#define TESSALY_EMF_TEXT_LAYOUT_H_

#include <QPointF>
#include <QPolygonF>
#include <QRectF>
#include <QTransform>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <variant>
#include <vector>

#include "emf/byte_view.h"
#include "emf/emf_error.h"
#include "emf/gdi_constants.h"
#include "emf/gdi_objects.h"
#include "emf/record_types.h"

namespace tessaly::emf {

// Longest string of one record we accept.
inline constexpr std::uint32_t kMaxTextChars = 65536;

// The text part of a record (MS-EMF 2.2.5 EmrText) and its graphics mode.
struct TextRecord {
  GraphicsMode graphics_mode = GraphicsMode::kCompatible;
  QPointF reference;           // logical
  std::uint32_t options = 0;   // TextOption flags
  std::optional<QRectF> rect;  // logical; absent with NO_RECT
  std::u16string text;         // UTF-16, whatever the record's encoding
  // Advances and, with PDY, upward moves in logical units, one per unit of
  // `text`; empty when the record has no usable dx array.
  std::vector<double> dx;
  std::vector<double> dy;
};

// EXTTEXTOUTW, or EXTTEXTOUTA whose bytes are read in the font's character
// set (GB2312 as double-byte pairs whose two dx entries add up, others one
// byte per character). An error for strings or counts outside the record.
std::variant<TextRecord, EmfErrorCode> ParseTextRecord(RecordType type,
                                                       const ByteView& r,
                                                       std::uint8_t charset);

// What the device context says at the record.
struct TextSetting {
  QTransform to_device;  // logical -> device pixels
  std::uint32_t text_align = 0;
  QPointF current_position;  // logical
  // Em of a font of height 0 (12 points on the reference device) and the
  // largest em drawn, device pixels.
  double default_em = 16;
  double max_em = 2048;
};

// The font's em height in device pixels; 0 when the text cannot be seen.
double TextEm(const GdiFont& font, const TextSetting& setting);

struct TextLayout {
  double em = 0;  // device pixels, as are all lengths below
  double ascent = 0;
  double descent = 0;
  QPointF origin;       // the reference point (or current position) mapped
  QPointF dir;          // unit vector along which the advances run
  QPointF gx;           // the glyphs' right and down: escapement and, in the
  QPointF gy;           // advanced mode, the world's rotation turn them
  double stretch = 1;   // horizontal scale of the glyphs (LOGFONT width)
  double start = 0;     // where the run starts, along `dir` from `origin`
  double baseline = 0;  // where the baseline is, along `gy` from `origin`
  double width = 0;     // the run's length along `dir`
  std::vector<QPointF> origins;  // glyph origin of each unit of the text
  std::vector<double> advances;  // each unit's advance along `dir`
  // Where the current position moves when the alignment says to update it.
  std::optional<QPointF> next_current_position;  // logical

  // The quadrilateral between `from` and `to` along the run and `top` and
  // `bottom` across it (measured as `start` and `baseline` are).
  QPolygonF Band(double from, double to, double top, double bottom) const;
  // The cell of units [first, first + count): from the first origin by
  // their advances, ascent above the baseline to descent below; corners
  // top-left, top-right, bottom-right, bottom-left in reading order.
  QPolygonF Cell(std::size_t first, std::size_t count) const;
};

// Places the text by the reference point, alignment and dx arrays (without
// them, by `natural_advances`: device pixels per unit from the substitute
// font). `em` comes from TextEm. Pure: same input, same output.
TextLayout LayOutText(const TextRecord& record, const GdiFont& font,
                      const TextSetting& setting, double em,
                      std::span<const double> natural_advances);

}  // namespace tessaly::emf

#endif  // TESSALY_EMF_TEXT_LAYOUT_H_
