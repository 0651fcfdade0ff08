#include "tests/emf/stream_builder.h"

#include <QSet>
#include <cstring>

namespace tessaly::emf::testing {

Payload& Payload::U32(std::uint32_t v) {
  for (int i = 0; i < 4; ++i)
    data_.append(static_cast<char>((v >> (8 * i)) & 0xFF));
  return *this;
}
Payload& Payload::U16(std::uint16_t v) {
  data_.append(static_cast<char>(v & 0xFF));
  data_.append(static_cast<char>(v >> 8));
  return *this;
}
Payload& Payload::U8(std::uint8_t v) {
  data_.append(static_cast<char>(v));
  return *this;
}
Payload& Payload::F32(float v) {
  std::uint32_t bits = 0;
  std::memcpy(&bits, &v, 4);
  return U32(bits);
}
Payload& Payload::Rect(const QRect& r) {
  return I32(r.left()).I32(r.top()).I32(r.right() + 1).I32(r.bottom() + 1);
}
Payload& Payload::Bytes(const QByteArray& bytes) {
  data_.append(bytes);
  return *this;
}
Payload& Payload::Pad4() {
  while (data_.size() % 4 != 0) data_.append('\0');
  return *this;
}

namespace {

QByteArray Header(QRect frame, QSize device_px, QSize device_mm) {
  Payload p;
  p.I32(0)
      .I32(0)
      .I32(device_px.width() - 1)
      .I32(device_px.height() - 1);  // bounds
  p.I32(frame.left()).I32(frame.top());
  p.I32(frame.left() + frame.width()).I32(frame.top() + frame.height());
  p.U32(0x464D4520)
      .U32(0x10000)
      .U32(0)
      .U32(0);  // signature, version, bytes, records
  p.U16(1).U16(0).U32(0).U32(0).U32(
      0);  // handles, reserved, description, palette
  p.I32(device_px.width()).I32(device_px.height());
  p.I32(device_mm.width()).I32(device_mm.height());
  Payload record;
  record.U32(1).U32(8 + p.size()).Bytes(p.data());
  return record.data();
}

}  // namespace

StreamBuilder::StreamBuilder(int width_px, int height_px)
    : data_(Header(QRect(0, 0, width_px * 2540 / 96, height_px * 2540 / 96),
                   QSize(960, 960), QSize(254, 254))) {}

StreamBuilder::StreamBuilder(QRect frame, QSize device_px, QSize device_mm)
    : data_(Header(frame, device_px, device_mm)) {}

StreamBuilder& StreamBuilder::Record(std::uint32_t type,
                                     const Payload& payload) {
  Payload padded = payload;
  padded.Pad4();
  Payload record;
  record.U32(type).U32(8 + padded.size()).Bytes(padded.data());
  data_.append(record.data());
  ++records_;
  return *this;
}

StreamBuilder& StreamBuilder::Record(
    std::uint32_t type, std::initializer_list<std::int32_t> words) {
  Payload p;
  for (std::int32_t w : words) p.I32(w);
  return Record(type, p);
}

StreamBuilder& StreamBuilder::Raw(const QByteArray& bytes) {
  data_.append(bytes);
  return *this;
}

namespace {
std::uint32_t ColorRef(QRgb c) {
  return qRed(c) | (qGreen(c) << 8) | (qBlue(c) << 16);
}
}  // namespace

StreamBuilder& StreamBuilder::SolidBrush(std::uint32_t slot, QRgb color) {
  return Record(39, {static_cast<std::int32_t>(slot), 0,
                     static_cast<std::int32_t>(ColorRef(color)), 0});
}

StreamBuilder& StreamBuilder::Pen(std::uint32_t slot, std::uint32_t style,
                                  int width, QRgb color) {
  return Record(
      38, {static_cast<std::int32_t>(slot), static_cast<std::int32_t>(style),
           width, 0, static_cast<std::int32_t>(ColorRef(color))});
}

StreamBuilder& StreamBuilder::Select(std::uint32_t index) {
  return Record(37, {static_cast<std::int32_t>(index)});
}

StreamBuilder& StreamBuilder::Polygon16(const std::vector<QPoint>& points) {
  Payload p;
  p.I32(0).I32(0).I32(0).I32(0).U32(static_cast<std::uint32_t>(points.size()));
  for (const QPoint& pt : points) {
    p.I16(static_cast<std::int16_t>(pt.x()))
        .I16(static_cast<std::int16_t>(pt.y()));
  }
  return Record(86, p);
}

StreamBuilder& StreamBuilder::FillRect(const QRect& rect) {
  Payload p;
  p.Rect(rect);
  p.I32(rect.left()).I32(rect.top()).I32(rect.width()).I32(rect.height());
  p.U32(0x00F00021);
  p.I32(0).I32(0);                              // src x, y
  p.F32(1).F32(0).F32(0).F32(1).F32(0).F32(0);  // src xform
  p.U32(0).U32(0).U32(0).U32(0).U32(0).U32(0);  // bk, usage, bitmap
  return Record(76, p);
}

StreamBuilder& StreamBuilder::Font(std::uint32_t slot, int height,
                                   const std::u16string& face, int weight,
                                   int escapement, std::uint8_t charset) {
  Payload p;
  p.U32(slot).I32(height).I32(0).I32(escapement).I32(escapement).I32(weight);
  p.U8(0).U8(0).U8(0).U8(charset).U8(0).U8(0).U8(0).U8(0);
  for (int i = 0; i < 32; ++i) {
    p.U16(i < static_cast<int>(face.size()) ? face[i] : 0);
  }
  // The rest of a LOGFONTEXDV, as recorders write it.
  for (int i = 0; i < 80; ++i) p.U32(0);
  return Record(82, p);
}

StreamBuilder& StreamBuilder::Text(QPoint ref, const std::u16string& text,
                                   int advance, std::uint32_t options,
                                   QRect rect, int graphics_mode) {
  const std::uint32_t n = static_cast<std::uint32_t>(text.size());
  const std::uint32_t off_string = 76;
  const std::uint32_t string_bytes = (n * 2 + 3) / 4 * 4;
  const std::uint32_t off_dx = advance != 0 ? off_string + string_bytes : 0;
  Payload p;
  p.I32(0).I32(0).I32(-1).I32(-1);     // bounds
  p.U32(graphics_mode).F32(1).F32(1);  // mode, scales
  p.I32(ref.x()).I32(ref.y()).U32(n).U32(off_string).U32(options);
  if (rect.isNull()) {
    p.I32(0).I32(0).I32(-1).I32(-1);
  } else {
    p.Rect(rect);
  }
  p.U32(off_dx);
  for (char16_t c : text) p.U16(c);
  p.Pad4();
  if (advance != 0) {
    for (std::uint32_t i = 0; i < n; ++i) p.I32(advance);
  }
  return Record(84, p);
}

QByteArray StreamBuilder::Finish(bool add_eof) const {
  StreamBuilder copy = *this;
  if (add_eof) copy.Record(14, {0, 16, 20});
  QByteArray out = copy.data_;
  const auto put = [&](int at, std::uint32_t v) {
    for (int i = 0; i < 4; ++i)
      out[at + i] = static_cast<char>((v >> (8 * i)) & 0xFF);
  };
  put(48, static_cast<std::uint32_t>(out.size()));
  put(52, static_cast<std::uint32_t>(copy.records_));
  return out;
}

Dib MakeDib(const QImage& source, int bpp, bool top_down, bool bitfields) {
  const QImage image = source.convertToFormat(QImage::Format_RGB32);
  const int w = image.width();
  const int h = image.height();
  QVector<QRgb> palette;
  if (bpp <= 8) {
    for (int y = 0; y < h; ++y) {
      for (int x = 0; x < w; ++x) {
        const QRgb c = image.pixel(x, y) | 0xFF000000;
        if (!palette.contains(c)) palette.push_back(c);
      }
    }
  }
  Payload info;
  info.U32(40)
      .I32(w)
      .I32(top_down ? -h : h)
      .U16(1)
      .U16(static_cast<std::uint16_t>(bpp));
  info.U32(bitfields ? 3 : 0).U32(0).I32(3780).I32(3780);
  info.U32(static_cast<std::uint32_t>(palette.size())).U32(0);
  if (bitfields) info.U32(0xF800).U32(0x07E0).U32(0x001F);
  for (QRgb c : palette) info.U8(qBlue(c)).U8(qGreen(c)).U8(qRed(c)).U8(0);

  const int stride = ((w * bpp + 31) / 32) * 4;
  QByteArray bits(stride * h, '\0');
  for (int row = 0; row < h; ++row) {
    const int y = top_down ? row : h - 1 - row;
    auto* out = reinterpret_cast<unsigned char*>(bits.data()) + row * stride;
    for (int x = 0; x < w; ++x) {
      const QRgb c = image.pixel(x, y) | 0xFF000000;
      switch (bpp) {
        case 1:
          if (palette.indexOf(c) == 1) out[x / 8] |= 0x80 >> (x % 8);
          break;
        case 4:
          out[x / 2] |= palette.indexOf(c) << (x % 2 == 0 ? 4 : 0);
          break;
        case 8:
          out[x] = static_cast<unsigned char>(palette.indexOf(c));
          break;
        case 16: {
          const std::uint16_t v =
              bitfields ? ((qRed(c) >> 3) << 11) | ((qGreen(c) >> 2) << 5) |
                              (qBlue(c) >> 3)
                        : ((qRed(c) >> 3) << 10) | ((qGreen(c) >> 3) << 5) |
                              (qBlue(c) >> 3);
          out[2 * x] = v & 0xFF;
          out[2 * x + 1] = v >> 8;
          break;
        }
        case 24:
          out[3 * x] = qBlue(c), out[3 * x + 1] = qGreen(c),
                  out[3 * x + 2] = qRed(c);
          break;
        case 32:
          // The reserved byte is left 0: it must not be taken for alpha.
          out[4 * x] = qBlue(c), out[4 * x + 1] = qGreen(c),
                  out[4 * x + 2] = qRed(c);
          break;
        default:
          break;
      }
    }
  }
  return {info.data(), bits};
}

Payload StretchDiBits(const Dib& dib, const QRect& dest, std::uint32_t rop) {
  const std::int32_t w =
      *reinterpret_cast<const std::int32_t*>(dib.info.data() + 4);
  std::int32_t h = *reinterpret_cast<const std::int32_t*>(dib.info.data() + 8);
  if (h < 0) h = -h;
  const std::uint32_t off_bmi = 80;
  const std::uint32_t off_bits =
      off_bmi + static_cast<std::uint32_t>(dib.info.size());
  Payload p;
  p.Rect(dest);
  p.I32(dest.left()).I32(dest.top()).I32(0).I32(0).I32(w).I32(h);
  p.U32(off_bmi).U32(static_cast<std::uint32_t>(dib.info.size()));
  p.U32(off_bits).U32(static_cast<std::uint32_t>(dib.bits.size()));
  p.U32(0).U32(rop).I32(dest.width()).I32(dest.height());
  p.Bytes(dib.info).Bytes(dib.bits);
  return p;
}

}  // namespace tessaly::emf::testing
