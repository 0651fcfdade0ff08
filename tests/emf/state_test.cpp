// Device-context state: mapping, world transform, SAVEDC/RESTOREDC, clips
// and the object table, each seen through where a fill lands.
#include <gtest/gtest.h>

#include <QPainter>

#include "tests/emf/render_helpers.h"
#include "tests/emf/stream_builder.h"

namespace tessaly::emf::testing {
namespace {

constexpr QRgb kRed = 0xFF0000;
constexpr QRgb kBlue = 0x0000FF;
constexpr QRgb kGreen = 0x00FF00;

constexpr std::int32_t kStock = static_cast<std::int32_t>(0x80000000);

StreamBuilder RedBrush() {
  StreamBuilder b;
  b.SolidBrush(1, kRed).Select(1);
  return b;
}

Payload Xform(float m11, float m12, float m21, float m22, float dx, float dy) {
  Payload p;
  p.F32(m11).F32(m12).F32(m21).F32(m22).F32(dx).F32(dy);
  return p;
}

TEST(MappingTest, WindowAndViewportPlaceLogicalUnits) {
  struct Case {
    const char* name;
    std::vector<std::pair<std::uint32_t, std::vector<std::int32_t>>> records;
    QRect expected;  // where logical (0,0)-(40,40) lands
  };
  const Case cases[] = {
      {"MM_TEXT is pixels", {}, QRect(0, 0, 40, 40)},
      {"anisotropic halves",
       {{17, {8}}, {9, {200, 200}}, {11, {100, 100}}},
       QRect(0, 0, 20, 20)},
      {"extents before SETMAPMODE are lost",
       {{9, {200, 200}}, {11, {100, 100}}, {17, {8}}},
       QRect(0, 0, 40, 40)},
      {"MM_TEXT resets extents",
       {{17, {8}}, {9, {200, 200}}, {17, {1}}, {17, {8}}},
       QRect(0, 0, 40, 40)},
      {"zero extent ignored",
       {{17, {8}}, {9, {100, 100}}, {11, {50, 50}}, {11, {0, 100}}},
       QRect(0, 0, 20, 20)},
      {"window origin", {{10, {-10, -20}}}, QRect(10, 20, 40, 40)},
      {"viewport origin", {{12, {5, 6}}}, QRect(5, 6, 40, 40)},
      {"negative extent flips",
       {{17, {8}}, {9, {100, 100}}, {11, {100, -100}}, {12, {0, 96}}},
       QRect(0, 56, 40, 40)},
      {"isotropic keeps the smaller scale",
       {{17, {7}}, {9, {100, 100}}, {11, {50, 100}}},
       QRect(0, 0, 20, 20)},
  };
  for (const Case& c : cases) {
    StreamBuilder b = RedBrush();
    for (const auto& [type, words] : c.records) {
      Payload p;
      for (std::int32_t w : words) p.I32(w);
      b.Record(type, p);
    }
    b.FillRect(QRect(0, 0, 40, 40));
    const Rendered r = RenderBytes(b.Finish());
    EXPECT_FALSE(r.result.error) << c.name;
    EXPECT_EQ(InkBox(r.image, 700), c.expected) << c.name;
  }
}

TEST(WorldTransformTest, ModesComposeInGdiOrder) {
  struct Case {
    const char* name;
    Payload xform;
    std::uint32_t mode;
    QRect expected;  // where logical (0,0)-(10,10) lands under scale 2 first
  };
  const Case cases[] = {
      {"identity", Xform(1, 0, 0, 1, 0, 0), 1, QRect(0, 0, 10, 10)},
      {"left multiply acts first", Xform(1, 0, 0, 1, 5, 0), 2,
       QRect(10, 0, 20, 20)},
      {"right multiply acts last", Xform(1, 0, 0, 1, 5, 0), 3,
       QRect(5, 0, 20, 20)},
      {"set replaces", Xform(1, 0, 0, 1, 5, 0), 4, QRect(5, 0, 10, 10)},
      {"NaN keeps the old", Xform(std::nanf(""), 0, 0, 1, 0, 0), 4,
       QRect(0, 0, 20, 20)},
      {"singular keeps the old", Xform(0, 0, 0, 0, 0, 0), 4,
       QRect(0, 0, 20, 20)},
  };
  for (const Case& c : cases) {
    StreamBuilder b = RedBrush();
    b.Record(35, Xform(2, 0, 0, 2, 0, 0));
    Payload modify = c.xform;
    modify.U32(c.mode);
    b.Record(36, modify);
    b.FillRect(QRect(0, 0, 10, 10));
    const Rendered r = RenderBytes(b.Finish());
    EXPECT_EQ(InkBox(r.image, 700), c.expected) << c.name;
  }
}

TEST(SaveRestoreTest, RestoresRelativeAndAbsoluteLevels) {
  struct Case {
    std::int32_t restore;
    QRgb expected;
  };
  // Brush red at save 1, blue at save 2, green when restoring.
  const Case cases[] = {
      {-1, kBlue}, {-2, kRed},   {1, kRed},   {2, kBlue},
      {0, kGreen}, {-3, kGreen}, {3, kGreen},
  };
  for (const Case& c : cases) {
    StreamBuilder b = RedBrush();
    b.Record(33).SolidBrush(2, kBlue).Select(2).Record(33);
    b.SolidBrush(3, kGreen).Select(3).Record(34, {c.restore});
    b.FillRect(QRect(0, 0, 10, 10));
    const Rendered r = RenderBytes(b.Finish());
    EXPECT_EQ(Pixel(r.image, 5, 5), c.expected) << "RESTOREDC " << c.restore;
  }
}

TEST(SaveRestoreTest, RestoresTransformAndClipAndDropsTheLevelsAbove) {
  StreamBuilder b = RedBrush();
  b.Record(33);                             // level 1: plain
  b.Record(30, {0, 0, 10, 10});             // clip
  b.Record(35, Xform(1, 0, 0, 1, 50, 50));  // moved
  b.Record(33);                             // level 2
  b.Record(34, {-2});                       // back to level 1
  b.Record(34, {-1});                       // nothing left: ignored
  b.FillRect(QRect(20, 20, 10, 10));
  const Rendered r = RenderBytes(b.Finish());
  EXPECT_EQ(InkBox(r.image, 700), QRect(20, 20, 10, 10));
}

TEST(ClipTest, IntersectClipRectIsLogical) {
  StreamBuilder b = RedBrush();
  b.Record(17, {8}).Record(9, {200, 200}).Record(11, {100, 100});
  b.Record(30, {40, 40, 120, 120});
  b.FillRect(QRect(0, 0, 192, 192));
  const Rendered r = RenderBytes(b.Finish());
  EXPECT_EQ(InkBox(r.image, 700), QRect(20, 20, 40, 40));
}

Payload Region(std::uint32_t mode, const std::vector<QRect>& rects) {
  Payload data;
  data.U32(32)
      .U32(1)
      .U32(static_cast<std::uint32_t>(rects.size()))
      .U32(static_cast<std::uint32_t>(rects.size() * 16));
  data.I32(0).I32(0).I32(0).I32(0);
  for (const QRect& r : rects) data.Rect(r);
  Payload p;
  p.U32(static_cast<std::uint32_t>(data.size())).U32(mode).Bytes(data.data());
  return p;
}

TEST(ClipTest, RegionModesCombineWithTheCurrentClip) {
  // Current clip columns 0-49 (or none), region columns 30-95; fill all and
  // probe columns 10, 40 and 70.
  struct Case {
    const char* name;
    bool prior_clip;
    std::uint32_t mode;
    bool at10, at40, at70;
  };
  const Case cases[] = {
      {"and", true, 1, false, true, false},
      {"or", true, 2, true, true, true},
      {"xor", true, 3, true, false, true},
      {"diff", true, 4, true, false, false},
      {"copy", true, 5, false, true, true},
      {"and without clip", false, 1, false, true, true},
      {"diff without clip", false, 4, true, false, false},
  };
  for (const Case& c : cases) {
    StreamBuilder b = RedBrush();
    if (c.prior_clip) b.Record(30, {0, 0, 50, 96});
    b.Record(75, Region(c.mode, {QRect(30, 0, 66, 96)}));
    b.FillRect(QRect(0, 0, 96, 96));
    const Rendered r = RenderBytes(b.Finish());
    EXPECT_EQ(Pixel(r.image, 10, 50) == kRed, c.at10) << c.name;
    EXPECT_EQ(Pixel(r.image, 40, 50) == kRed, c.at40) << c.name;
    EXPECT_EQ(Pixel(r.image, 70, 50) == kRed, c.at70) << c.name;
  }
}

TEST(ClipTest, RegionIsInReferencePixelsNotLogicalUnits) {
  StreamBuilder b = RedBrush();
  b.Record(17, {8}).Record(9, {200, 200}).Record(11, {100, 100});
  b.Record(75, Region(5, {QRect(10, 10, 20, 20)}));
  b.FillRect(QRect(0, 0, 192, 192));
  const Rendered r = RenderBytes(b.Finish());
  EXPECT_EQ(InkBox(r.image, 700), QRect(10, 10, 20, 20));
}

TEST(ClipTest, CopyWithoutDataRemovesTheClip) {
  StreamBuilder b = RedBrush();
  b.Record(30, {0, 0, 10, 10});
  Payload none;
  none.U32(0).U32(5);
  b.Record(75, none);
  b.FillRect(QRect(0, 0, 40, 40));
  EXPECT_EQ(InkBox(RenderBytes(b.Finish()).image, 700), QRect(0, 0, 40, 40));
}

TEST(ObjectTest, StockObjects) {
  struct Case {
    std::int32_t stock;
    QRgb expected;
  };
  const Case cases[] = {{kStock | 4, 0x000000},
                        {kStock | 2, 0x808080},
                        {kStock | 0, 0xFFFFFF},
                        {kStock | 5, 0xFFFFFF}};
  for (const Case& c : cases) {
    StreamBuilder b = RedBrush();
    b.Record(37, {c.stock});
    b.Polygon16({{0, 0}, {40, 0}, {40, 40}, {0, 40}});
    const Rendered r = RenderBytes(b.Finish());
    EXPECT_EQ(Pixel(r.image, 20, 20), c.expected) << std::hex << c.stock;
  }
}

TEST(ObjectTest, DeletingOrReusingASelectedSlotKeepsTheSelectedValue) {
  StreamBuilder b = RedBrush();
  b.Record(40, {1});      // delete the selected brush
  b.Pen(1, 0, 1, kBlue);  // slot 1 is now a pen
  b.Select(1);
  b.FillRect(QRect(0, 0, 20, 20));            // brush still red
  b.Select(99).Select(0).Select(0x7FFF0000);  // unknown slots: ignored
  b.FillRect(QRect(40, 40, 20, 20));
  const Rendered r = RenderBytes(b.Finish());
  EXPECT_FALSE(r.result.error);
  EXPECT_EQ(Pixel(r.image, 10, 10), kRed);
  EXPECT_EQ(Pixel(r.image, 50, 50), kRed);
}

TEST(PlacementTest, FrameFillsTheTargetAndStaysInsideItAndTheCallersClip) {
  StreamBuilder b = RedBrush();
  b.FillRect(QRect(-50, -50, 300, 300));  // beyond the 96 x 96 frame
  const EmfDocument doc = ParseBytes(b.Finish());
  QImage image(96, 96, QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter painter(&image);
  painter.setClipRect(QRect(0, 0, 30, 96));
  const PlayResult result = Play(doc, painter, QRectF(10, 10, 40, 20));
  EXPECT_TRUE(painter.hasClipping());  // the caller's state is back
  painter.end();
  EXPECT_FALSE(result.error);
  EXPECT_EQ(result.records_drawn, 5);
  EXPECT_EQ(InkBox(image, 700), QRect(10, 10, 20, 20));
}

}  // namespace
}  // namespace tessaly::emf::testing
