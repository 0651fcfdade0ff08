// Polygons, pens, raster operations and brush fills.
#include <gtest/gtest.h>

#include "tests/emf/render_helpers.h"
#include "tests/emf/stream_builder.h"

namespace tessaly::emf::testing {
namespace {

constexpr QRgb kRed = 0xFF0000;
constexpr std::int32_t kStock = static_cast<std::int32_t>(0x80000000);

Payload PolyPolygon(const std::vector<std::vector<QPoint>>& polygons) {
  Payload p;
  std::uint32_t total = 0;
  for (const auto& poly : polygons)
    total += static_cast<std::uint32_t>(poly.size());
  p.I32(0).I32(0).I32(0).I32(0);
  p.U32(static_cast<std::uint32_t>(polygons.size())).U32(total);
  for (const auto& poly : polygons)
    p.U32(static_cast<std::uint32_t>(poly.size()));
  for (const auto& poly : polygons) {
    for (const QPoint& pt : poly) {
      p.I16(static_cast<std::int16_t>(pt.x()))
          .I16(static_cast<std::int16_t>(pt.y()));
    }
  }
  return p;
}

TEST(PolygonTest, FillModeDecidesTheInnerSquare) {
  // Two squares wound the same way: ALTERNATE leaves the inner one empty,
  // WINDING fills it. Same for one self-overlapping POLYGON16.
  const std::vector<QPoint> outer = {{10, 10}, {80, 10}, {80, 80}, {10, 80}};
  const std::vector<QPoint> inner = {{30, 30}, {60, 30}, {60, 60}, {30, 60}};
  std::vector<QPoint> both = outer;
  both.push_back(outer[0]);
  both.insert(both.end(), inner.begin(), inner.end());
  both.push_back(inner[0]);
  for (const bool poly_poly : {true, false}) {
    for (const std::uint32_t mode : {1u, 2u}) {
      StreamBuilder b;
      b.SolidBrush(1, kRed).Select(1).Record(37, {kStock | 8});
      b.Record(19, {static_cast<std::int32_t>(mode)});
      if (poly_poly) {
        b.Record(91, PolyPolygon({outer, inner}));
      } else {
        b.Polygon16(both);
      }
      const Rendered r = RenderBytes(b.Finish());
      EXPECT_FALSE(r.result.error);
      EXPECT_EQ(Pixel(r.image, 20, 20), kRed) << poly_poly << mode;
      EXPECT_EQ(Pixel(r.image, 45, 45), mode == 2 ? kRed : 0xFFFFFFu)
          << "poly-poly " << poly_poly << " mode " << mode;
    }
  }
}

TEST(PenTest, CosmeticPenStaysOnePixelAndGeometricPenScales) {
  // Under a 4x mapping a cosmetic pen is still one pixel wide, while a
  // geometric pen of 2 logical units becomes 8 pixels.
  for (const bool geometric : {false, true}) {
    StreamBuilder b;
    b.Record(17, {8}).Record(9, {1, 1}).Record(11, {4, 4});
    Payload pen;
    pen.U32(1).U32(0).U32(0).U32(0).U32(0);    // slot, bitmap fields
    pen.U32(geometric ? 0x10000 | 0x200 : 0);  // style (flat caps)
    pen.U32(geometric ? 2 : 1).U32(0).U32(0).U32(0).U32(0);
    b.Record(95, pen).Select(1);
    b.Record(87, [] {
      Payload p;
      p.I32(0).I32(0).I32(0).I32(0).U32(2).I16(2).I16(10).I16(20).I16(10);
      return p;
    }());
    const QRect ink = InkBox(RenderBytes(b.Finish()).image, 500);
    EXPECT_EQ(ink.height(), geometric ? 8 : 1) << geometric;
    EXPECT_NEAR(ink.center().y(), 40, 1) << geometric;
  }
}

TEST(RasterOpTest, Rop2AndBitBltRops) {
  // A black square, then a red fill over the left half of it and the white
  // around it, by ROP2 (polygon) or ROP3 (BITBLT without a bitmap).
  struct Case {
    const char* name;
    std::int32_t rop2;  // 0: use BITBLT with rop3
    std::uint32_t rop3;
    QRgb on_black;
    QRgb on_white;
  };
  const Case cases[] = {
      {"R2_COPYPEN", 13, 0, kRed, kRed},
      {"R2_XORPEN", 7, 0, kRed, 0x00FFFF},
      {"R2_MASKPEN", 9, 0, 0x000000, kRed},
      {"R2_MERGEPEN", 15, 0, kRed, 0xFFFFFF},
      {"R2_NOT", 6, 0, 0xFFFFFF, 0x000000},
      {"R2_NOP", 11, 0, 0x000000, 0xFFFFFF},
      {"R2_WHITE", 16, 0, 0xFFFFFF, 0xFFFFFF},
      {"PATCOPY", 0, 0x00F00021, kRed, kRed},
      {"BLACKNESS", 0, 0x00000042, 0x000000, 0x000000},
      {"DSTINVERT", 0, 0x00550009, 0xFFFFFF, 0x000000},
      {"PATINVERT", 0, 0x005A0049, kRed, 0x00FFFF},
      {"NOP", 0, 0x00AA0029, 0x000000, 0xFFFFFF},
  };
  for (const Case& c : cases) {
    StreamBuilder b;
    b.Record(37, {kStock | 4}).Record(37, {kStock | 8});
    b.FillRect(QRect(0, 0, 40, 40));
    b.SolidBrush(1, kRed).Select(1);
    if (c.rop2 != 0) {
      b.Record(20, {c.rop2});
      b.Polygon16({{20, 20}, {60, 20}, {60, 60}, {20, 60}});
    } else {
      Payload p;
      p.Rect(QRect(20, 20, 40, 40)).I32(20).I32(20).I32(40).I32(40).U32(c.rop3);
      p.I32(0).I32(0).F32(1).F32(0).F32(0).F32(1).F32(0).F32(0);
      p.U32(0).U32(0).U32(0).U32(0).U32(0).U32(0);
      b.Record(76, p);
    }
    const Rendered r = RenderBytes(b.Finish());
    EXPECT_EQ(Pixel(r.image, 30, 30), c.on_black) << c.name;
    EXPECT_EQ(Pixel(r.image, 50, 50), c.on_white) << c.name;
  }
}

TEST(BrushTest, HatchAndMonoBrushesUseTheirColours) {
  // A mono brush: 0 bits take the text colour, 1 bits the background colour.
  Payload info;
  info.U32(40)
      .I32(8)
      .I32(8)
      .U16(1)
      .U16(1)
      .U32(0)
      .U32(0)
      .I32(0)
      .I32(0)
      .U32(2)
      .U32(0);
  info.U32(0x00FF00).U32(0x0000FF);  // a colour table that must be ignored
  QByteArray bits;
  for (int row = 0; row < 8; ++row) bits.append(QByteArray("\xF0\0\0\0", 4));
  Payload mono;
  mono.U32(1).U32(0).U32(32).U32(static_cast<std::uint32_t>(info.size()));
  mono.U32(32 + static_cast<std::uint32_t>(info.size())).U32(32);
  mono.Bytes(info.data()).Bytes(bits);
  StreamBuilder b;
  b.Record(24, {0x0000FF}).Record(25, {0x00FF00});  // text red, bk green
  b.Record(93, mono).Select(1);
  b.FillRect(QRect(0, 0, 32, 32));
  const Rendered r = RenderBytes(b.Finish());
  EXPECT_FALSE(r.result.error);
  // Bits 1111 0000: columns 0-3 background, 4-7 text.
  EXPECT_EQ(Pixel(r.image, 1, 1), 0x00FF00u);
  EXPECT_EQ(Pixel(r.image, 5, 1), kRed);
  EXPECT_EQ(Pixel(r.image, 9, 9), 0x00FF00u);

  // Horizontal hatch, transparent mode: lines in the brush colour, white gaps.
  StreamBuilder h;
  h.Record(18, {1}).Record(39, {1, 2, static_cast<std::int32_t>(0x0000FF), 0});
  h.Select(1).FillRect(QRect(0, 0, 32, 32));
  const QImage hatched = RenderBytes(h.Finish()).image;
  int red_rows = 0;
  for (int y = 0; y < 32; ++y) red_rows += Pixel(hatched, 10, y) == kRed;
  EXPECT_GT(red_rows, 1);
  EXPECT_LT(red_rows, 16);
}

TEST(PathTest, BracketFillsStrokesOrClips) {
  // A square 20..60 built from MOVETOEX, LINETO and a straight Bezier.
  const auto square = [](StreamBuilder& b) {
    b.Record(59).Record(27, {20, 20}).Record(54, {60, 20});
    Payload bezier;
    bezier.I32(0).I32(0).I32(0).I32(0).U32(3);
    bezier.I16(60).I16(30).I16(60).I16(50).I16(60).I16(60);
    b.Record(88, bezier).Record(54, {20, 60}).Record(61).Record(60);
  };
  struct Case {
    const char* name;
    std::uint32_t type;  // FILLPATH, STROKEPATH or SELECTCLIPPATH
    QRgb inside;
    QRgb on_edge;
  };
  const Case cases[] = {
      {"fill", 62, kRed, kRed},
      {"stroke", 64, 0xFFFFFF, 0x000000},
      {"stroke and fill", 63, kRed, 0x000000},
      {"clip", 67, kRed, kRed},
  };
  for (const Case& c : cases) {
    StreamBuilder b;
    b.SolidBrush(1, kRed).Select(1);
    square(b);
    b.Record(c.type, c.type == 67 ? Payload().U32(5) : Payload().Rect(QRect()));
    // Shapes drawn outside the bracket must not join the path.
    if (c.type == 67) b.FillRect(QRect(0, 0, 96, 96));
    const Rendered r = RenderBytes(b.Finish());
    EXPECT_FALSE(r.result.error) << c.name;
    EXPECT_EQ(Pixel(r.image, 40, 40), c.inside) << c.name;
    EXPECT_EQ(Pixel(r.image, 20, 40), c.on_edge) << c.name;
    EXPECT_EQ(Pixel(r.image, 10, 10), 0xFFFFFFu) << c.name;
    EXPECT_EQ(Pixel(r.image, 70, 70), 0xFFFFFFu) << c.name;
  }
}

}  // namespace
}  // namespace tessaly::emf::testing
