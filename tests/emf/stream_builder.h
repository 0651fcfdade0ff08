// Builds small EMF streams byte by byte for tests: a header, then records.
#ifndef TESSALY_TESTS_EMF_STREAM_BUILDER_H_
#define TESSALY_TESTS_EMF_STREAM_BUILDER_H_

#include <QByteArray>
#include <QImage>
#include <QPoint>
#include <QRect>
#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

namespace tessaly::emf::testing {

// Little-endian payload writer for one record.
class Payload {
 public:
  Payload& U32(std::uint32_t v);
  Payload& I32(std::int32_t v) { return U32(static_cast<std::uint32_t>(v)); }
  Payload& U16(std::uint16_t v);
  Payload& I16(std::int16_t v) { return U16(static_cast<std::uint16_t>(v)); }
  Payload& U8(std::uint8_t v);
  Payload& F32(float v);
  Payload& Rect(const QRect& r);  // l, t, r, b
  Payload& Bytes(const QByteArray& bytes);
  Payload& Pad4();
  const QByteArray& data() const { return data_; }
  int size() const { return static_cast<int>(data_.size()); }

 private:
  QByteArray data_;
};

// By default the reference device is 96 dpi (960 px on 254 mm), so one
// reference pixel is one pixel at natural size, and MM_TEXT logical units
// are pixels: shapes land where the test says.
class StreamBuilder {
 public:
  explicit StreamBuilder(int width_px = 96, int height_px = 96);
  // A header with an explicit frame (0.01 mm; left, top, width, height) and
  // reference device.
  StreamBuilder(QRect frame, QSize device_px, QSize device_mm);

  // Appends a record; `payload` follows the type and size words.
  StreamBuilder& Record(std::uint32_t type, const Payload& payload = {});
  StreamBuilder& Record(std::uint32_t type,
                        std::initializer_list<std::int32_t> words);
  // Raw bytes appended as they are (to build damaged streams).
  StreamBuilder& Raw(const QByteArray& bytes);

  // Common records.
  StreamBuilder& SolidBrush(std::uint32_t slot, QRgb color);
  StreamBuilder& Pen(std::uint32_t slot, std::uint32_t style, int width,
                     QRgb color);
  StreamBuilder& Select(std::uint32_t index);
  StreamBuilder& Polygon16(const std::vector<QPoint>& points);
  StreamBuilder& FillRect(const QRect& rect);  // BITBLT PATCOPY
  StreamBuilder& Font(std::uint32_t slot, int height,
                      const std::u16string& face, int weight = 400,
                      int escapement = 0, std::uint8_t charset = 0);
  // EXTTEXTOUTW at `ref` with a dx array (every entry `advance`, 0 = none).
  StreamBuilder& Text(QPoint ref, const std::u16string& text, int advance,
                      std::uint32_t options = 0, QRect rect = QRect(),
                      int graphics_mode = 1);

  // The stream with EOF appended and the header's counts filled in.
  QByteArray Finish(bool add_eof = true) const;

 private:
  QByteArray data_;
  int records_ = 1;
};

// A bitmap info header plus colour table and the bits, for STRETCHDIBITS.
struct Dib {
  QByteArray info;
  QByteArray bits;
};
// Encodes `image` (RGB values, no alpha) as an uncompressed DIB of `bpp`
// (1, 4, 8: palette of the image's distinct colours; 16: 5-5-5 or, with
// `bitfields`, 5-6-5; 24; 32), bottom-up unless `top_down`.
Dib MakeDib(const QImage& image, int bpp, bool top_down = false,
            bool bitfields = false);
// A STRETCHDIBITS record payload drawing the whole DIB into `dest`.
Payload StretchDiBits(const Dib& dib, const QRect& dest,
                      std::uint32_t rop = 0x00CC0020);

}  // namespace tessaly::emf::testing

#endif  // TESSALY_TESTS_EMF_STREAM_BUILDER_H_
