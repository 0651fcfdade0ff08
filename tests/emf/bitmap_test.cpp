// Bitmaps: every bit depth, orientation, source rectangles, raster ops.
#include <gtest/gtest.h>

#include "tests/emf/render_helpers.h"
#include "tests/emf/stream_builder.h"

namespace tessaly::emf::testing {
namespace {

// 2x2 quadrants: top-left red, top-right green, bottom-left blue, bottom-
// right black (two colours only for 1 bpp: red and black).
QImage Quadrants(bool two_colours) {
  QImage image(2, 2, QImage::Format_RGB32);
  image.setPixel(0, 0, qRgb(255, 0, 0));
  image.setPixel(1, 0, two_colours ? qRgb(0, 0, 0) : qRgb(0, 255, 0));
  image.setPixel(0, 1, two_colours ? qRgb(0, 0, 0) : qRgb(0, 0, 255));
  image.setPixel(1, 1, qRgb(0, 0, 0));
  return image;
}

TEST(BitmapTest, EveryBitDepthAndOrientationDraws) {
  struct Case {
    int bpp;
    bool bitfields;
  };
  const Case cases[] = {{1, false}, {4, false},  {8, false}, {16, false},
                        {16, true}, {24, false}, {32, false}};
  for (const Case& c : cases) {
    for (const bool top_down : {false, true}) {
      const QImage source = Quadrants(c.bpp == 1);
      const Dib dib = MakeDib(source, c.bpp, top_down, c.bitfields);
      StreamBuilder b;
      b.Record(81, StretchDiBits(dib, QRect(8, 8, 80, 80)));
      const Rendered r = RenderBytes(b.Finish());
      ASSERT_FALSE(r.result.error) << c.bpp;
      for (const auto& [x, y] : {std::pair{0, 0}, {1, 0}, {0, 1}, {1, 1}}) {
        EXPECT_EQ(Pixel(r.image, 28 + 40 * x, 28 + 40 * y),
                  source.pixel(x, y) & 0xFFFFFF)
            << c.bpp << " bpp" << (c.bitfields ? " 565" : "")
            << (top_down ? " top-down" : " bottom-up") << " at " << x << ","
            << y;
      }
    }
  }
}

TEST(BitmapTest, PartialSourceOfABottomUpBitmapCountsFromTheBottom) {
  const QImage source = Quadrants(false);
  const Dib dib = MakeDib(source, 24);
  Payload p = StretchDiBits(dib, QRect(0, 0, 40, 40));
  // Source (0, 0) size 1x1 is the bottom-left pixel: blue.
  QByteArray data = p.data();
  const auto put = [&](int at, std::int32_t v) {
    for (int i = 0; i < 4; ++i)
      data[at - 8 + i] = static_cast<char>((v >> (8 * i)) & 0xFF);
  };
  put(40, 1);
  put(44, 1);
  Payload patched;
  patched.Bytes(data);
  const Rendered r = RenderBytes(StreamBuilder().Record(81, patched).Finish());
  EXPECT_EQ(Pixel(r.image, 20, 20), 0x0000FFu);
}

TEST(BitmapTest, NegativeDestinationWidthMirrors) {
  const Dib dib = MakeDib(Quadrants(false), 32);
  Payload p = StretchDiBits(dib, QRect(8, 8, 80, 80));
  QByteArray data = p.data();
  // Destination x at the right edge, width negative.
  const auto put = [&](int at, std::int32_t v) {
    for (int i = 0; i < 4; ++i)
      data[at - 8 + i] = static_cast<char>((v >> (8 * i)) & 0xFF);
  };
  put(24, 88);
  put(72, -80);
  Payload patched;
  patched.Bytes(data);
  const Rendered r = RenderBytes(StreamBuilder().Record(81, patched).Finish());
  EXPECT_EQ(Pixel(r.image, 28, 28), 0x00FF00u);
  EXPECT_EQ(Pixel(r.image, 68, 28), 0xFF0000u);
}

TEST(BitmapTest, MaskPairDrawsATransparentImage) {
  // The old way to draw a transparent picture: AND a mask (white where
  // transparent), then OR the image (black where transparent).
  QImage mask(2, 1, QImage::Format_RGB32);
  mask.setPixel(0, 0, qRgb(0, 0, 0));
  mask.setPixel(1, 0, qRgb(255, 255, 255));
  QImage picture(2, 1, QImage::Format_RGB32);
  picture.setPixel(0, 0, qRgb(255, 0, 0));
  picture.setPixel(1, 0, qRgb(0, 0, 0));
  StreamBuilder b;
  b.SolidBrush(1, qRgb(0, 0, 255)).Select(1).FillRect(QRect(0, 0, 96, 96));
  b.Record(81,
           StretchDiBits(MakeDib(mask, 24), QRect(0, 0, 96, 48), 0x008800C6));
  b.Record(
      81, StretchDiBits(MakeDib(picture, 24), QRect(0, 0, 96, 48), 0x00EE0086));
  const Rendered r = RenderBytes(b.Finish());
  EXPECT_EQ(Pixel(r.image, 20, 20), 0xFF0000u);
  EXPECT_EQ(Pixel(r.image, 70, 20), 0x0000FFu);
}

TEST(BitmapTest, RasterOpsCombineSourceDestinationAndBrush) {
  // Magenta source over a cyan page, with a cyan brush selected.
  QImage magenta(1, 1, QImage::Format_RGB32);
  magenta.fill(qRgb(255, 0, 255));
  struct Case {
    const char* name;
    std::uint32_t rop;
    QRgb expected;
  };
  const Case cases[] = {
      {"SRCCOPY", 0x00CC0020, 0xFF00FF},   {"NOTSRCCOPY", 0x00330008, 0x00FF00},
      {"SRCINVERT", 0x00660046, 0xFFFF00}, {"SRCAND", 0x008800C6, 0x0000FF},
      {"SRCERASE", 0x00440328, 0xFF0000},  {"MERGECOPY", 0x00C000CA, 0x0000FF},
  };
  for (const Case& c : cases) {
    StreamBuilder b;
    b.SolidBrush(1, qRgb(0, 255, 255)).Select(1).FillRect(QRect(0, 0, 96, 96));
    b.Record(81,
             StretchDiBits(MakeDib(magenta, 24), QRect(10, 10, 20, 20), c.rop));
    const Rendered r = RenderBytes(b.Finish());
    EXPECT_EQ(Pixel(r.image, 20, 20), c.expected) << c.name;
  }
}

TEST(BitmapTest, BitBltWithBitmapAndSourceOffset) {
  const Dib dib = MakeDib(Quadrants(false), 24);
  const std::uint32_t off_bmi = 100;
  const std::uint32_t off_bits =
      off_bmi + static_cast<std::uint32_t>(dib.info.size());
  Payload p;
  p.Rect(QRect(10, 10, 1, 1)).I32(10).I32(10).I32(1).I32(1).U32(0x00CC0020);
  p.I32(1).I32(1);  // source pixel (1, 1): black
  p.F32(1).F32(0).F32(0).F32(1).F32(0).F32(0);
  p.U32(0).U32(0).U32(off_bmi).U32(static_cast<std::uint32_t>(dib.info.size()));
  p.U32(off_bits).U32(static_cast<std::uint32_t>(dib.bits.size()));
  p.Bytes(dib.info).Bytes(dib.bits);
  const Rendered r = RenderBytes(StreamBuilder().Record(76, p).Finish());
  EXPECT_FALSE(r.result.error);
  EXPECT_EQ(InkBox(r.image), QRect(10, 10, 1, 1));
}

TEST(BitmapTest, PageIsCrispAtAHigherPixelRatio) {
  // A one-pixel rule stays one logical pixel: two device rows at ratio 2.
  StreamBuilder b;
  b.Record(37, {static_cast<std::int32_t>(0x80000004)})
      .FillRect(QRect(0, 10, 96, 1));
  const Rendered r = RenderBytes(b.Finish(), 2);
  EXPECT_EQ(r.image.size(), QSize(192, 192));
  EXPECT_EQ(r.image.devicePixelRatio(), 2);
  EXPECT_EQ(r.image.format(), QImage::Format_RGB32);
  EXPECT_EQ(InkBox(r.image), QRect(0, 20, 192, 2));
}

}  // namespace
}  // namespace tessaly::emf::testing
