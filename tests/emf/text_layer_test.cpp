// The text layer against the player: every character box of a run covers
// the ink the player draws for it, and all the ink lies in the boxes, under
// alignment, dx arrays, mapping modes, world transforms and escapement.
#include "emf/text_layer.h"

#include <gtest/gtest.h>

#include <QPainterPath>
#include <QPainterPathStroker>
#include <functional>

#include "tests/emf/render_helpers.h"
#include "tests/emf/stream_builder.h"

namespace tessaly::emf::testing {
namespace {

constexpr int kInk = 600;  // sum of channels below this is ink

QPolygonF Quad(const text::CharBox& box) {
  QPolygonF quad;
  for (const text::PagePoint& p : box.corners) quad << QPointF(p.x, p.y);
  return quad;
}

bool IsInk(const QImage& image, int x, int y) {
  const QRgb c = image.pixel(x, y);
  return qRed(c) + qGreen(c) + qBlue(c) < kInk;
}

struct Case {
  const char* name;
  std::function<void(StreamBuilder&)> setup;  // before the text record
  int advance;  // dx entries; 0 = the substitute's advances
  int graphics_mode = 1;
};

TEST(TextLayerTest, CharacterBoxesHoldTheInkThePlayerDraws) {
  const auto font = [](int escapement, std::uint32_t align) {
    return [=](StreamBuilder& b) {
      b.Font(1, -20, u"Arial", 400, escapement).Select(1);
      b.Record(18, {1}).Record(22, {static_cast<std::int32_t>(align)});
    };
  };
  const auto world = [](float m11, float m12, float m21, float m22, float dx,
                        float dy, std::uint32_t align) {
    return [=](StreamBuilder& b) {
      Payload p;
      p.F32(m11).F32(m12).F32(m21).F32(m22).F32(dx).F32(dy).U32(4);
      b.Record(36, p);
      b.Font(1, -20, u"Arial").Select(1);
      b.Record(18, {1}).Record(22, {static_cast<std::int32_t>(align)});
    };
  };
  const std::vector<Case> cases = {
      {"left top", font(0, 0), 16},
      {"right baseline", font(0, 2 | 24), 16},
      {"centre bottom", font(0, 6 | 8), 16},
      {"no dx array", font(0, 24), 0},
      {"escapement 90", font(900, 24), 16},
      {"escapement 30", font(300, 24), 16},
      {"anisotropic half size",
       [](StreamBuilder& b) {
         b.Record(17, {8}).Record(9, {200, 200}).Record(11, {100, 100});
         b.Font(1, -40, u"Arial").Select(1).Record(18, {1});
       },
       32},
      {"world scale and shift", world(1.5f, 0, 0, 1.5f, -20, -10, 24), 12},
      {"world rotation, advanced mode",
       world(0.866f, -0.5f, 0.5f, 0.866f, -30, 20, 24), 16, 2},
  };
  for (const Case& c : cases) {
    StreamBuilder b;
    c.setup(b);
    b.Text(QPoint(48, 48), u"HIH", c.advance, 0, QRect(), c.graphics_mode);
    const QByteArray bytes = b.Finish();
    const ExtractResult extracted = ExtractText(ParseBytes(bytes));
    ASSERT_FALSE(extracted.error) << c.name;
    ASSERT_EQ(extracted.page.runs.size(), 1u) << c.name;
    const text::TextRun& run = extracted.page.runs[0];
    ASSERT_EQ(run.text, U"HIH") << c.name;
    ASSERT_EQ(run.boxes.size(), 3u) << c.name;

    const Rendered rendered = RenderBytes(bytes);
    const QImage& image = rendered.image;
    ASSERT_FALSE(image.isNull()) << c.name;
    // The boxes, grown by 1.5 px for antialiased edges.
    QPainterPath cells;
    cells.setFillRule(Qt::WindingFill);
    for (const text::CharBox& box : run.boxes) cells.addPolygon(Quad(box));
    QPainterPathStroker stroker;
    stroker.setWidth(3);
    const QPainterPath grown = cells.united(stroker.createStroke(cells));
    std::vector<int> ink_in_box(3, 0);
    int ink = 0;
    for (int y = 0; y < image.height(); ++y) {
      for (int x = 0; x < image.width(); ++x) {
        if (!IsInk(image, x, y)) continue;
        ++ink;
        const QPointF centre(x + 0.5, y + 0.5);
        EXPECT_TRUE(grown.contains(centre))
            << c.name << ": ink outside the boxes at " << x << "," << y;
        for (std::size_t i = 0; i < 3; ++i) {
          if (Quad(run.boxes[i]).containsPoint(centre, Qt::OddEvenFill)) {
            ++ink_in_box[i];
          }
        }
      }
    }
    EXPECT_GT(ink, 20) << c.name;
    for (std::size_t i = 0; i < 3; ++i) {
      EXPECT_GT(ink_in_box[i], 3) << c.name << ": no ink in box " << i;
    }
  }
}

TEST(TextLayerTest, CurrentPositionCarriesTheNextRun) {
  StreamBuilder b;
  b.Font(1, -20, u"Arial").Select(1).Record(22, {24 | 1});
  b.Record(27, {10, 48})
      .Text(QPoint(0, 0), u"H", 30)
      .Text(QPoint(0, 0), u"I", 30);
  const ExtractResult extracted = ExtractText(ParseBytes(b.Finish()));
  ASSERT_EQ(extracted.page.runs.size(), 2u);
  EXPECT_DOUBLE_EQ(extracted.page.runs[0].boxes[0].bounds.left, 10);
  EXPECT_DOUBLE_EQ(extracted.page.runs[1].boxes[0].bounds.left,
                   extracted.page.runs[0].boxes[0].bounds.right);
  EXPECT_DOUBLE_EQ(extracted.page.runs[1].origin.y, 48);
}

TEST(TextLayerTest, DamageKeepsTheTextBeforeItAndGlyphIndexesAreLeftOut) {
  StreamBuilder b;
  b.Font(1, -20, u"Arial").Select(1).Record(22, {24});
  b.Text(QPoint(10, 30), u"ok", 12);
  b.Text(QPoint(10, 60), u"ids", 12, 0x10);  // glyph indexes
  // A text record whose string lies outside it.
  Payload bad;
  bad.I32(0).I32(0).I32(-1).I32(-1).U32(1).F32(1).F32(1);
  bad.I32(0).I32(0).U32(50).U32(76).U32(0).I32(0).I32(0).I32(-1).I32(-1);
  bad.U32(0);
  b.Record(84, bad);
  b.Text(QPoint(10, 90), u"lost", 12);
  const ExtractResult extracted = ExtractText(ParseBytes(b.Finish()));
  ASSERT_TRUE(extracted.error);
  EXPECT_EQ(extracted.error->code, EmfErrorCode::kFieldOutsideRecord);
  EXPECT_FALSE(extracted.page.complete);
  ASSERT_EQ(extracted.page.runs.size(), 1u);
  EXPECT_EQ(extracted.page.runs[0].text, U"ok");
}

}  // namespace
}  // namespace tessaly::emf::testing
