#include "emf/text_layout.h"

#include <QStringDecoder>
#include <algorithm>
#include <cmath>
#include <numbers>

namespace tessaly::emf {

namespace {

constexpr double kMaxCoordinate = 1e7;  // device px

double Length(const QPointF& v) { return std::hypot(v.x(), v.y()); }

// Keeps runs with absurd advances inside what the rasteriser handles.
QPointF Clamped(const QPointF& p) {
  const auto clamp = [](double v) {
    if (!std::isfinite(v)) return 0.0;
    return std::clamp(v, -kMaxCoordinate, kMaxCoordinate);
  };
  return {clamp(p.x()), clamp(p.y())};
}

// One character of an EXTTEXTOUTA string: the UTF-16 it reads as and how
// many bytes it took.
struct AnsiChar {
  std::u16string text;
  std::uint32_t bytes = 1;
};

AnsiChar DecodeAnsi(const ByteView& r, std::uint64_t at, std::uint64_t end,
                    std::uint8_t charset) {
  const std::uint8_t lead = r.U8(at);
  if (charset == static_cast<std::uint8_t>(Charset::kGb2312) && lead >= 0x81 &&
      lead <= 0xFE && at + 1 < end) {
    const std::uint8_t trail = r.U8(at + 1);
    const char pair[2] = {static_cast<char>(lead), static_cast<char>(trail)};
    QStringDecoder gbk("GB18030");
    if (gbk.isValid()) {
      const QString decoded = gbk.decode(QByteArrayView(pair, 2));
      if (!gbk.hasError() && !decoded.isEmpty()) {
        return {decoded.toStdU16String(), 2};
      }
    }
  }
  // FIXME: other double-byte code pages (Shift-JIS, Big5, Korean) come out
  // as Latin-1 bytes.
  return {std::u16string(1, char16_t{lead}), 1};
}

}  // namespace

std::variant<TextRecord, EmfErrorCode> ParseTextRecord(RecordType type,
                                                       const ByteView& r,
                                                       std::uint8_t charset) {
  const bool wide = type == RecordType::kExtTextOutW;
  TextRecord record;
  if (r.U32(24) == static_cast<std::uint32_t>(GraphicsMode::kAdvanced)) {
    record.graphics_mode = GraphicsMode::kAdvanced;
  }
  record.reference = QPointF(r.I32(36), r.I32(40));
  const std::uint32_t count = r.U32(44);
  const std::uint32_t off_string = r.U32(48);
  record.options = r.U32(52);
  const bool has_rect = !Has(record.options, TextOption::kNoRect);
  if (has_rect) {
    record.rect =
        QRectF(QPointF(r.I32(56), r.I32(60)), QPointF(r.I32(64), r.I32(68)));
  }
  const std::uint32_t off_dx = has_rect ? r.U32(72) : r.U32(56);
  const bool pdy = Has(record.options, TextOption::kPdy);
  const std::uint64_t unit = wide ? 2 : 1;
  if (count > kMaxTextChars || !r.Contains(off_string, count * unit)) {
    return EmfErrorCode::kFieldOutsideRecord;
  }
  const std::uint64_t stride = pdy ? 8 : 4;
  const bool has_dx =
      off_dx != 0 && r.Contains(off_dx, std::uint64_t{count} * stride);
  const auto dx_at = [&](std::uint64_t i) {
    return double(r.I32(off_dx + stride * i));
  };
  const auto dy_at = [&](std::uint64_t i) {
    return pdy ? double(r.I32(off_dx + stride * i + 4)) : 0.0;
  };

  if (wide) {
    record.text.resize(count);
    for (std::uint32_t i = 0; i < count; ++i) {
      record.text[i] = r.U16(off_string + 2 * std::uint64_t{i});
    }
    if (has_dx) {
      record.dx.resize(count);
      record.dy.resize(count);
      for (std::uint32_t i = 0; i < count; ++i) {
        record.dx[i] = dx_at(i);
        record.dy[i] = dy_at(i);
      }
    }
    return record;
  }
  // One dx entry per byte: a double-byte character advances by both.
  const std::uint64_t end = std::uint64_t{off_string} + count;
  for (std::uint64_t at = off_string, i = 0; at < end;) {
    const AnsiChar c = DecodeAnsi(r, at, end, charset);
    double dx = 0;
    double dy = 0;
    for (std::uint32_t k = 0; k < c.bytes && has_dx; ++k) {
      dx += dx_at(i + k);
      dy += dy_at(i + k);
    }
    for (std::size_t u = 0; u < c.text.size(); ++u) {
      record.text.push_back(c.text[u]);
      if (has_dx) {
        record.dx.push_back(u == 0 ? dx : 0);
        record.dy.push_back(u == 0 ? dy : 0);
      }
    }
    at += c.bytes;
    i += c.bytes;
  }
  return record;
}

double TextEm(const GdiFont& font, const TextSetting& setting) {
  const QTransform& t = setting.to_device;
  const double sx = std::hypot(t.m11(), t.m12());
  const double sy = std::hypot(t.m21(), t.m22());
  if (!(sx > 0) || !(sy > 0)) return 0;
  const FaceInfo& face = font.face_info;
  double em = 0;
  if (font.height < 0 && font.height != INT32_MIN) {
    em = -double(font.height) * sy;
  } else if (font.height > 0) {
    // A positive height is the cell: ascent plus descent of the original.
    em = font.height / (face.ascent + face.descent) * sy;
  } else if (font.height == 0) {
    em = setting.default_em;
  }
  if (!(em > 0) || !std::isfinite(em)) return 0;
  return std::min(em, setting.max_em);
}

QPolygonF TextLayout::Band(double from, double to, double top,
                           double bottom) const {
  const auto along = [&](double a, double b) {
    return origin + a * dir + b * gy;
  };
  return QPolygonF({along(from, top), along(to, top), along(to, bottom),
                    along(from, bottom)});
}

QPolygonF TextLayout::Cell(std::size_t first, std::size_t count) const {
  if (first >= origins.size()) return {};
  count = std::min(count, origins.size() - first);
  double advance = 0;
  for (std::size_t i = first; i < first + count; ++i) advance += advances[i];
  const QPointF o = origins[first];
  const QPointF end = o + advance * dir;
  return QPolygonF({o - ascent * gy, end - ascent * gy, end + descent * gy,
                    o + descent * gy});
}

TextLayout LayOutText(const TextRecord& record, const GdiFont& font,
                      const TextSetting& setting, double em,
                      std::span<const double> natural_advances) {
  TextLayout out;
  const QTransform& t = setting.to_device;
  const QPointF ux(t.m11(), t.m12());  // image of the logical x unit
  const QPointF uy(t.m21(), t.m22());
  const double sx = Length(ux);
  const double sy = Length(uy);
  const std::size_t n = record.text.size();
  const FaceInfo& face = font.face_info;
  out.em = em;
  out.ascent = face.ascent * em;
  out.descent = face.descent * em;

  // Glyph frame: upright on the device, turned by the escapement; in
  // advanced mode it also turns with the mapped x axis. Advances run along
  // `dir`, which in compatible mode follows a mirrored x axis while the
  // glyphs themselves stay unmirrored.
  const double escapement = font.escapement / 10.0 * std::numbers::pi / 180.0;
  double glyph_angle = escapement;  // counter-clockwise on the device
  if (record.graphics_mode == GraphicsMode::kAdvanced) {
    glyph_angle += std::atan2(-ux.y(), ux.x());
  }
  out.gx = QPointF(std::cos(glyph_angle), -std::sin(glyph_angle));
  out.gy = QPointF(-out.gx.y(), out.gx.x());
  out.dir = (record.graphics_mode != GraphicsMode::kAdvanced && ux.x() < 0)
                ? -out.gx
                : out.gx;

  // Advances in logical units: the record's, else the substitute's.
  std::vector<double> dx(n, 0);
  if (record.dx.size() == n) {
    dx = record.dx;
  } else if (sx > 0) {
    for (std::size_t i = 0; i < n && i < natural_advances.size(); ++i) {
      dx[i] = natural_advances[i] / sx;
    }
  }
  double width_logical = 0;
  for (double d : dx) width_logical += d;
  out.width = width_logical * sx;

  const bool update_cp = Has(setting.text_align, TextAlign::kUpdateCp);
  const QPointF reference =
      update_cp ? setting.current_position : record.reference;
  out.origin = Clamped(t.map(reference));
  const std::uint32_t horizontal =
      setting.text_align & kTextAlignHorizontalMask;
  const std::uint32_t vertical = setting.text_align & kTextAlignVerticalMask;
  const bool centre =
      horizontal == static_cast<std::uint32_t>(TextAlign::kCenter);
  const bool right =
      horizontal == static_cast<std::uint32_t>(TextAlign::kRight);
  if (centre) {
    out.start = -out.width / 2;
  } else if (right) {
    out.start = -out.width;
  }
  if (vertical == static_cast<std::uint32_t>(TextAlign::kBaseline)) {
    out.baseline = 0;
  } else if (vertical == static_cast<std::uint32_t>(TextAlign::kBottom)) {
    out.baseline = -out.descent;
  } else {
    out.baseline = out.ascent;
  }
  if (update_cp && !centre) {
    out.next_current_position =
        reference + QPointF(right ? -width_logical : width_logical, 0);
  }

  // A LOGFONT width narrows or widens the glyphs against the face's
  // average width; the dx array keeps the positions anyway.
  if (font.width > 0 && em > 0) {
    out.stretch =
        std::clamp(font.width * sx / (face.average_width * em), 0.05, 20.0);
  }

  out.origins.resize(n);
  out.advances.resize(n);
  double x = out.start;
  double y = out.baseline;
  const bool pdy = record.dy.size() == n;
  for (std::size_t i = 0; i < n; ++i) {
    out.origins[i] = Clamped(out.origin + x * out.dir + y * out.gy);
    out.advances[i] = dx[i] * sx;
    x += dx[i] * sx;
    if (pdy) y -= record.dy[i] * sy;
  }
  return out;
}

}  // namespace tessaly::emf
