// The DIB encoder and decoder round trip: each kind of image the writer
// meets comes back pixel for pixel (alpha composited over white).
#include <gtest/gtest.h>

#include <QPainter>

#include "emf/dib_decoder.h"
#include "emf/dib_encoder.h"

namespace tessaly::emf {
namespace {

ByteView View(const QByteArray& bytes) {
  return ByteView(std::as_bytes(std::span(bytes.constData(), bytes.size())));
}

// 13 x 7: odd widths make every row padded.
QImage Pattern(QImage::Format format) {
  QImage image(13, 7, QImage::Format_ARGB32);
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      image.setPixel(
          x, y,
          qRgba(x * 19, y * 36, (x + y) % 2 ? 250 : 10, x < 3 ? 128 : 255));
    }
  }
  if (format == QImage::Format_Mono || format == QImage::Format_Indexed8) {
    return image.convertToFormat(QImage::Format_RGB32)
        .convertToFormat(format, Qt::ThresholdDither);
  }
  return image.convertToFormat(format);
}

TEST(DibCodecTest, EncodedImagesDecodeToTheSamePixels) {
  struct Case {
    const char* name;
    QImage::Format format;
    int bpp;
  };
  const Case cases[] = {
      {"two colours", QImage::Format_Mono, 1},
      {"indexed", QImage::Format_Indexed8, 8},
      {"24-bit", QImage::Format_RGB888, 24},
      {"32-bit", QImage::Format_RGB32, 32},
      {"alpha over white", QImage::Format_ARGB32, 32},
  };
  for (const Case& c : cases) {
    const QImage source = Pattern(c.format);
    const EncodedDib dib = EncodeDib(source);
    EXPECT_EQ(View(dib.info).U16(14), c.bpp) << c.name;
    const DecodedDib decoded = DecodeDib(View(dib.info), View(dib.bits), 0);
    ASSERT_EQ(decoded.status, DibStatus::kOk) << c.name;
    QImage expected(source.size(), QImage::Format_RGB32);
    expected.fill(Qt::white);
    QPainter(&expected).drawImage(0, 0, source);
    ASSERT_EQ(decoded.image.size(), source.size()) << c.name;
    const QImage got = decoded.image.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < source.height(); ++y) {
      for (int x = 0; x < source.width(); ++x) {
        ASSERT_EQ(got.pixel(x, y), expected.pixel(x, y))
            << c.name << " at " << x << "," << y;
      }
    }
  }
}

}  // namespace
}  // namespace tessaly::emf
