// Text runs: reference point and alignment, dx arrays, clipping, opaque
// cells, escapement, fonts.
#include <gtest/gtest.h>

#include "tests/emf/render_helpers.h"
#include "tests/emf/stream_builder.h"

namespace tessaly::emf::testing {
namespace {

constexpr QRgb kRed = 0xFF0000;
constexpr QPoint kRef(48, 48);

// "HH" in Arial (Liberation Sans) of em 20 px: ascent 18.1, descent 4.2,
// cap height 14.3 px by the original metrics.
StreamBuilder Arial(std::uint32_t align, int bk_mode = 1) {
  StreamBuilder b;
  b.Font(1, -20, u"Arial").Select(1);
  b.Record(18, {bk_mode}).Record(22, {static_cast<std::int32_t>(align)});
  return b;
}

TEST(TextTest, AlignmentPlacesTheRunAroundTheReferencePoint) {
  struct Case {
    const char* name;
    std::uint32_t align;
    int left, right, top, bottom;  // expected ink edges, +-2 px
  };
  const Case cases[] = {
      {"left top", 0, 49, 75, 52, 66},
      {"left baseline", 24, 49, 75, 34, 48},
      {"left bottom", 8, 49, 75, 30, 44},
      {"right baseline", 2 | 24, 19, 45, 34, 48},
      {"centre baseline", 6 | 24, 34, 60, 34, 48},
  };
  for (const Case& c : cases) {
    StreamBuilder b = Arial(c.align);
    b.Text(kRef, u"HH", 15);
    const Rendered r = RenderBytes(b.Finish());
    ASSERT_FALSE(r.result.error) << c.name;
    const QRect ink = InkBox(r.image);
    EXPECT_NEAR(ink.left(), c.left, 2) << c.name;
    EXPECT_NEAR(ink.right() + 1, c.right, 2) << c.name;
    EXPECT_NEAR(ink.top(), c.top, 2) << c.name;
    EXPECT_NEAR(ink.bottom() + 1, c.bottom, 2) << c.name;
  }
}

TEST(TextTest, DxArrayPlacesGlyphsAndCurrentPositionAdvances) {
  StreamBuilder wide = Arial(24);
  wide.Text(QPoint(10, 48), u"HH", 40);
  const QRect wide_ink = InkBox(RenderBytes(wide.Finish()).image);
  StreamBuilder narrow = Arial(24);
  narrow.Text(QPoint(10, 48), u"HH", 15);
  const QRect narrow_ink = InkBox(RenderBytes(narrow.Finish()).image);
  EXPECT_EQ(wide_ink.left(), narrow_ink.left());
  EXPECT_EQ(wide_ink.width() - narrow_ink.width(), 25);

  // TA_UPDATECP: the second run starts where the first ended.
  StreamBuilder cp = Arial(24 | 1);
  cp.Record(27, {10, 48})
      .Text(QPoint(0, 0), u"H", 30)
      .Text(QPoint(0, 0), u"H", 30);
  EXPECT_EQ(InkBox(RenderBytes(cp.Finish()).image),
            wide_ink.adjusted(0, 0, -10, 0))
      << "two runs of one H each";
}

TEST(TextTest, PdyMovesGlyphsUp) {
  Payload p;
  p.I32(0).I32(0).I32(-1).I32(-1).U32(1).F32(1).F32(1);
  p.I32(10).I32(60).U32(2).U32(76).U32(0x2000).I32(0).I32(0).I32(-1).I32(-1);
  p.U32(80).U16(u'H').U16(u'H').I32(20).I32(20).I32(0).I32(0);
  StreamBuilder b = Arial(24);
  b.Record(84, p);
  const QImage image = RenderBytes(b.Finish()).image;
  // The second H stands 20 px higher than the first.
  const QRect first = InkBox(image.copy(0, 0, 30, 96));
  const QRect second = InkBox(image.copy(30, 0, 66, 96));
  EXPECT_NEAR(first.bottom() - second.bottom(), 20, 1);
}

TEST(TextTest, ClippedAndOpaqueRectangles) {
  StreamBuilder clipped = Arial(24);
  clipped.Text(QPoint(10, 48), u"HHHH", 15, 0x04, QRect(0, 0, 30, 96));
  EXPECT_LE(InkBox(RenderBytes(clipped.Finish()).image).right(), 29);

  // ETO_OPAQUE paints the rectangle with the background colour even in
  // transparent mode.
  StreamBuilder opaque = Arial(24);
  opaque.Record(25, {0x0000FF});
  opaque.Text(QPoint(10, 48), u"H", 15, 0x02, QRect(60, 60, 20, 20));
  const QImage image = RenderBytes(opaque.Finish()).image;
  EXPECT_EQ(Pixel(image, 70, 70), kRed);
  EXPECT_EQ(Pixel(image, 5, 5), 0xFFFFFFu);
}

TEST(TextTest, OpaqueModePaintsTheCellAndTransparentDoesNot) {
  for (const int mode : {1, 2}) {
    StreamBuilder b = Arial(0, mode);
    b.Record(25, {0x0000FF});
    b.Text(kRef, u"H", 15);
    const QImage image = RenderBytes(b.Finish()).image;
    // Just inside the cell's top-left corner, above the capital.
    EXPECT_EQ(Pixel(image, kRef.x() + 1, kRef.y() + 1),
              mode == 2 ? kRed : 0xFFFFFFu)
        << "mode " << mode;
    // Outside the cell.
    EXPECT_EQ(Pixel(image, kRef.x() + 1, kRef.y() - 3), 0xFFFFFFu);
  }
}

TEST(TextTest, TextStaysUprightUnderAFlippedMapping) {
  // y grows upwards; a top-aligned run still hangs below its reference
  // point on the page.
  StreamBuilder b;
  b.Record(17, {8})
      .Record(9, {96, 96})
      .Record(11, {96, -96})
      .Record(12, {0, 96});
  b.Font(1, -20, u"Arial").Select(1).Record(18, {1}).Record(22, {0});
  b.Text(QPoint(10, 60), u"H", 15);  // page y 36
  const QRect ink = InkBox(RenderBytes(b.Finish()).image);
  EXPECT_NEAR(ink.top(), 40, 2);
  EXPECT_NEAR(ink.bottom() + 1, 54, 2);
}

TEST(TextTest, EscapementTurnsTheRun) {
  StreamBuilder b;
  b.Font(1, -16, u"Arial", 400, 900).Select(1).Record(18, {1}).Record(22, {24});
  b.Text(QPoint(48, 90), u"HHHH", 14);
  const QRect ink = InkBox(RenderBytes(b.Finish()).image);
  EXPECT_GT(ink.height(), 2 * ink.width());
  EXPECT_LE(ink.bottom(), 90);
  EXPECT_LE(ink.right(), 48);  // glyphs lie left of a baseline going up
}

TEST(TextTest, LogfontWidthNarrowsGlyphs) {
  // Arial's average width is 0.441 em: width 4 at em 20 halves the glyphs.
  const auto ink_width = [](std::int32_t width) {
    Payload p;
    p.U32(1).I32(-20).I32(width).I32(0).I32(0).I32(400).U32(0);
    p.U8(0).U8(0).U8(0).U8(0);
    for (char16_t c : std::u16string(u"Arial")) p.U16(c);
    for (int i = 5; i < 32; ++i) p.U16(0);
    StreamBuilder b;
    b.Record(82, p).Select(1).Record(18, {1}).Record(22, {24});
    b.Text(QPoint(10, 48), u"H", 15);
    return InkBox(RenderBytes(b.Finish()).image).width();
  };
  EXPECT_NEAR(ink_width(4) * 2, ink_width(0), 2);
}

TEST(TextTest, FacesAndCharactersOfThePagesDraw) {
  struct Case {
    const char* name;
    std::u16string face;
    std::uint8_t charset;
    std::u16string text;
  };
  const Case cases[] = {
      {"SimSun CJK", u"宋体", 134, u"中文"},
      {"SimSun Latin", u"宋体", 134, u"Ab"},
      {"Times New Roman", u"Times New Roman", 0, u"Ab"},
      {"Microsoft Sans Serif", u"Microsoft Sans Serif", 0, u"Ab"},
      {"unknown face falls back", u"No Such Face", 0, u"Ab"},
      {"Marlett check mark", u"Marlett", 2, u"a"},
      {"Marlett private use", u"MARLETT", 2, u"\uF06E"},
  };
  for (const Case& c : cases) {
    StreamBuilder b;
    b.Font(1, -24, c.face, 400, 0, c.charset).Select(1).Record(18, {1});
    b.Record(22, {24}).Text(QPoint(10, 60), c.text, 26);
    const QRect ink = InkBox(RenderBytes(b.Finish()).image);
    EXPECT_GT(ink.width(), 5) << c.name;
    EXPECT_GT(ink.height(), 5) << c.name;
    EXPECT_LE(ink.bottom(), 62) << c.name;
  }
}

}  // namespace
}  // namespace tessaly::emf::testing
