// Damaged and hostile streams: each returns promptly, draws what precedes
// the damage and names the record at fault.
#include <gtest/gtest.h>

#include <limits>

#include "tests/emf/render_helpers.h"
#include "tests/emf/stream_builder.h"

namespace tessaly::emf::testing {
namespace {

// A record that checks nothing beyond its prefix would read past the end of
// these; each is the second record of its stream, after a red fill.
struct Case {
  const char* name;
  std::uint32_t type;
  Payload payload;
  std::optional<EmfErrorCode> error;
};

Payload Words(std::initializer_list<std::uint32_t> words) {
  Payload p;
  for (std::uint32_t w : words) p.U32(w);
  return p;
}

Payload TextRecord(std::uint32_t n, std::uint32_t off_string,
                   std::uint32_t off_dx) {
  Payload p;
  p.I32(0).I32(0).I32(-1).I32(-1).U32(1).F32(1).F32(1);
  p.I32(10).I32(10).U32(n).U32(off_string).U32(0).I32(0).I32(0).I32(-1).I32(-1);
  p.U32(off_dx).U16(u'A').U16(u'B');
  return p;
}

Payload StretchWithInfo(Payload info, std::uint32_t cb_bits) {
  Payload p;
  p.Rect(QRect(0, 0, 10, 10)).I32(0).I32(0).I32(0).I32(0).I32(10).I32(10);
  p.U32(80).U32(static_cast<std::uint32_t>(info.size()));
  p.U32(80 + static_cast<std::uint32_t>(info.size())).U32(cb_bits);
  p.U32(0).U32(0x00CC0020).I32(10).I32(10);
  p.Bytes(info.data());
  for (std::uint32_t i = 0; i < cb_bits; i += 4) p.U32(0);
  return p;
}

Payload Info(std::int32_t w, std::int32_t h, std::uint16_t bpp) {
  Payload p;
  p.U32(40)
      .I32(w)
      .I32(h)
      .U16(1)
      .U16(bpp)
      .U32(0)
      .U32(0)
      .I32(0)
      .I32(0)
      .U32(0)
      .U32(0);
  return p;
}

std::vector<Case> Cases() {
  std::vector<Case> cases;
  cases.push_back({"string outside the record", 84, TextRecord(2, 4000, 0),
                   EmfErrorCode::kFieldOutsideRecord});
  cases.push_back({"string count wraps", 84, TextRecord(0x80000001u, 76, 0),
                   EmfErrorCode::kFieldOutsideRecord});
  cases.push_back({"dx outside the record falls back to font advances", 84,
                   TextRecord(2, 76, 0xFFFFFFF0u), std::nullopt});
  cases.push_back({"text record shorter than its fixed part", 84,
                   Words({0, 0, 0}), EmfErrorCode::kRecordTooShort});
  cases.push_back({"polygon count without points", 86,
                   Words({0, 0, 0, 0, 0x40000000}), EmfErrorCode::kBadCount});
  cases.push_back({"polypolygon counts that disagree", 91,
                   Words({0, 0, 0, 0, 2, 3, 1, 1, 0, 0, 0}),
                   EmfErrorCode::kBadCount});
  cases.push_back({"polypolygon count wraps", 91,
                   Words({0, 0, 0, 0, 1, 0xFFFFFFFFu, 0xFFFFFFFFu}),
                   EmfErrorCode::kBadCount});
  cases.push_back({"ten region rectangles in 40 bytes", 75,
                   Words({40, 5, 32, 1, 10, 160, 0, 0, 0, 0}),
                   EmfErrorCode::kFieldOutsideRecord});
  cases.push_back({"region size past the record", 75,
                   Words({0xFFFFFFF0u, 5, 32, 1, 1, 16, 0, 0, 0, 0}),
                   EmfErrorCode::kFieldOutsideRecord});
  cases.push_back({"comment with a huge cbData is skipped by size", 70,
                   Words({0xFFFFFFF9u, 0x2B464D45, 0}), std::nullopt});
  cases.push_back({"pen style entries past the record", 95,
                   Words({1, 0, 0, 0, 0, 7, 1, 0, 0, 0, 0x10000000}),
                   EmfErrorCode::kBadCount});
  Payload far_bitmap;
  far_bitmap.Rect(QRect(0, 0, 10, 10))
      .I32(0)
      .I32(0)
      .I32(0)
      .I32(0)
      .I32(10)
      .I32(10);
  far_bitmap.U32(0x7FFFFFF0).U32(40).U32(80).U32(4).U32(0).U32(0x00CC0020);
  far_bitmap.I32(10).I32(10);
  cases.push_back({"bitmap offsets outside the record", 81, far_bitmap,
                   EmfErrorCode::kFieldOutsideRecord});
  cases.push_back({"a 100000 x 100000 bitmap with 4 bytes", 81,
                   StretchWithInfo(Info(100000, 100000, 24), 4),
                   EmfErrorCode::kBadBitmap});
  cases.push_back({"10 x 1000 x 24 bpp with 32 bytes", 81,
                   StretchWithInfo(Info(10, 1000, 24), 32),
                   EmfErrorCode::kBadBitmap});
  cases.push_back(
      {"height INT_MIN", 81,
       StretchWithInfo(Info(1, std::numeric_limits<std::int32_t>::min(), 24),
                       4),
       EmfErrorCode::kBadBitmap});
  cases.push_back({"colour table past the header", 81,
                   StretchWithInfo(Info(1, 1, 8), 4),
                   EmfErrorCode::kBadBitmap});
  cases.push_back(
      {"unknown record type", 9999, Words({1, 2, 3}), std::nullopt});
  cases.push_back(
      {"select index out of range", 37, Words({0xFFFF}), std::nullopt});
  cases.push_back(
      {"stock index out of range", 37, Words({0x80000099u}), std::nullopt});
  cases.push_back(
      {"create into slot 0", 39, Words({0, 0, 0xFF, 0}), std::nullopt});
  cases.push_back({"create into a huge slot", 39,
                   Words({0xFFFFFFFFu, 0, 0xFF, 0}), std::nullopt});
  cases.push_back(
      {"restore far beyond the depth", 34, Words({0x80000000u}), std::nullopt});
  cases.push_back({"font height INT_MIN", 82,
                   [] {
                     Payload p;
                     p.U32(1).I32(std::numeric_limits<std::int32_t>::min());
                     for (int i = 0; i < 23; ++i) p.U32(0);
                     return p;
                   }(),
                   std::nullopt});
  return cases;
}

TEST(HostileInputTest, BadRecordsStopDrawingAndAreNamed) {
  for (const Case& c : Cases()) {
    StreamBuilder b;
    b.SolidBrush(1, qRgb(255, 0, 0)).Select(1).FillRect(QRect(0, 0, 10, 10));
    b.Record(c.type, c.payload);
    b.FillRect(QRect(50, 50, 10, 10));
    const Rendered r = RenderBytes(b.Finish());
    ASSERT_FALSE(r.image.isNull()) << c.name;
    EXPECT_EQ(Pixel(r.image, 5, 5), 0xFF0000u) << c.name;
    if (c.error) {
      ASSERT_TRUE(r.result.error) << c.name;
      EXPECT_EQ(r.result.error->code, *c.error) << c.name;
      EXPECT_EQ(r.result.error->record_index, 4) << c.name;
      EXPECT_EQ(r.result.records_drawn, 4) << c.name;
      EXPECT_EQ(Pixel(r.image, 55, 55), 0xFFFFFFu)
          << c.name << ": drew past it";
    } else {
      EXPECT_FALSE(r.result.error)
          << c.name << ": " << r.result.error->Describe();
      EXPECT_EQ(Pixel(r.image, 55, 55), 0xFF0000u) << c.name;
    }
  }
}

TEST(HostileInputTest, EveryPrefixOfAStreamPlays) {
  StreamBuilder b;
  b.SolidBrush(1, qRgb(255, 0, 0))
      .Select(1)
      .Record(33)
      .Record(30, {0, 0, 50, 50});
  b.Font(2, -12, u"Arial").Select(2).Text(QPoint(5, 5), u"Hi", 6);
  b.Polygon16({{0, 0}, {30, 0}, {0, 30}}).Record(34, {-1});
  b.Record(81, StretchDiBits(MakeDib(QImage(3, 3, QImage::Format_RGB32), 8),
                             QRect(0, 0, 20, 20)));
  const QByteArray full = b.Finish();
  for (qsizetype n = 0; n <= full.size(); n += 3) {
    const Rendered r = RenderBytes(full.left(n));
    if (n < 88) {
      EXPECT_TRUE(r.image.isNull()) << n;
    }
  }
}

TEST(HostileInputTest, DeepNestingAndExtremeMappingsReturn) {
  StreamBuilder deep;
  deep.SolidBrush(1, qRgb(255, 0, 0)).Select(1);
  for (int i = 0; i < 100000; ++i) deep.Record(33);
  deep.FillRect(QRect(0, 0, 10, 10));
  for (int i = 0; i < 1000; ++i) deep.Record(34, {-1});
  const Rendered nested = RenderBytes(deep.Finish());
  EXPECT_FALSE(nested.result.error);
  EXPECT_EQ(Pixel(nested.image, 5, 5), 0xFF0000u);

  StreamBuilder huge;
  huge.Record(17, {8}).Record(9, {1, 1}).Record(11, {0x7FFFFFFF, 0x7FFFFFFF});
  huge.Record(37, {static_cast<std::int32_t>(0x80000004)});
  huge.Polygon16({{-32768, -32768}, {32767, -32768}, {32767, 32767}});
  huge.FillRect(QRect(-1000000, -1000000, 2000000, 2000000));
  huge.Font(1, -2000000000, u"Arial")
      .Select(1)
      .Text(QPoint(0, 0), u"HH", 1000000);
  const Rendered r = RenderBytes(huge.Finish());
  EXPECT_FALSE(r.image.isNull());
}

}  // namespace
}  // namespace tessaly::emf::testing
