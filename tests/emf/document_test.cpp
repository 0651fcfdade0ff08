// Header fields, natural sizes and record framing of EMF streams.
#include <gtest/gtest.h>

#include "emf/emf_document.h"
#include "tests/emf/render_helpers.h"
#include "tests/emf/stream_builder.h"

namespace tessaly::emf::testing {
namespace {

TEST(EmfDocumentTest, NaturalSizeOfPageFrames) {
  struct Case {
    int frame_width;
    int frame_height;
    QSize expected;
  };
  const Case cases[] = {
      {14650, 24213, {554, 915}}, {14650, 5502, {554, 208}},
      {14650, 4896, {554, 185}},  {14650, 24764, {554, 936}},
      {14650, 3301, {554, 125}},  {14650, 12657, {554, 478}},
      {26, 26, {1, 1}},           {57785, 57785, {2184, 2184}},
  };
  for (const Case& c : cases) {
    const QByteArray bytes =
        StreamBuilder(QRect(0, 0, c.frame_width, c.frame_height),
                      QSize(4756, 6810), QSize(201, 288))
            .Finish();
    const EmfDocument doc = ParseBytes(bytes);
    ASSERT_TRUE(doc.valid());
    EXPECT_EQ(doc.NaturalSize(), c.expected)
        << c.frame_width << "x" << c.frame_height;
  }
}

TEST(EmfDocumentTest, ReadsHeaderAndRecords) {
  const QByteArray bytes = StreamBuilder(QRect(0, 0, 14650, 24213),
                                         QSize(4756, 6810), QSize(201, 288))
                               .Record(17, {8})
                               .Finish();
  const EmfDocument doc = ParseBytes(bytes);
  ASSERT_TRUE(doc.valid());
  EXPECT_FALSE(doc.error());
  EXPECT_EQ(doc.header().frame.right, 14650);
  EXPECT_EQ(doc.header().device_px.cx, 4756);
  EXPECT_EQ(doc.header().device_mm.cy, 288);
  EXPECT_EQ(doc.header().bytes, static_cast<std::uint32_t>(bytes.size()));
  EXPECT_EQ(doc.header().records, 3u);
  ASSERT_EQ(doc.records().size(), 3u);
  EXPECT_EQ(doc.records()[1].type, 17u);
  EXPECT_EQ(doc.records()[2].type, 14u);
}

TEST(EmfDocumentTest, StopsAtBadFramingAndKeepsWhatPrecedes) {
  StreamBuilder good;
  good.Record(17, {8});
  const auto record = [](std::uint32_t type, std::uint32_t size) {
    Payload p;
    p.U32(type).U32(size);
    return p.data();
  };
  struct Case {
    const char* name;
    QByteArray tail;
    EmfErrorCode code;
  };
  const Case cases[] = {
      {"size zero", record(18, 0), EmfErrorCode::kBadRecordSize},
      {"size not a multiple of 4", record(18, 10),
       EmfErrorCode::kBadRecordSize},
      {"size past the end", record(18, 4000), EmfErrorCode::kRecordPastEnd},
      {"truncated prefix", QByteArray("\x12\x00\x00", 3),
       EmfErrorCode::kRecordPastEnd},
  };
  for (const Case& c : cases) {
    const EmfDocument doc =
        ParseBytes(StreamBuilder(good).Raw(c.tail).Finish(false));
    ASSERT_TRUE(doc.valid()) << c.name;
    ASSERT_TRUE(doc.error()) << c.name;
    EXPECT_EQ(doc.error()->code, c.code) << c.name;
    EXPECT_EQ(doc.error()->record_index, 2) << c.name;
    EXPECT_EQ(doc.records().size(), 2u) << c.name;
  }
}

TEST(EmfDocumentTest, RejectsWhatIsNoEmf) {
  QByteArray bytes = StreamBuilder().Finish();
  struct Case {
    const char* name;
    QByteArray data;
    EmfErrorCode code;
  };
  QByteArray bad_signature = bytes;
  bad_signature[40] = 'X';
  QByteArray not_header = bytes;
  not_header[0] = 2;
  const Case cases[] = {
      {"empty", QByteArray(), EmfErrorCode::kTooShort},
      {"truncated header", bytes.left(60), EmfErrorCode::kTooShort},
      {"signature", bad_signature, EmfErrorCode::kNotEmf},
      {"first record type", not_header, EmfErrorCode::kNotEmf},
  };
  for (const Case& c : cases) {
    const EmfDocument doc = ParseBytes(c.data);
    EXPECT_FALSE(doc.valid()) << c.name;
    ASSERT_TRUE(doc.error()) << c.name;
    EXPECT_EQ(doc.error()->code, c.code) << c.name;
    EXPECT_TRUE(doc.NaturalSize().isEmpty()) << c.name;
    const Rendered r = RenderBytes(c.data);
    EXPECT_TRUE(r.image.isNull()) << c.name;
    EXPECT_EQ(r.result.error, doc.error()) << c.name;
  }
}

TEST(EmfDocumentTest, CopiesStayUsableAfterTheOriginalIsGone) {
  std::optional<EmfDocument> copy;
  {
    const EmfDocument original =
        ParseBytes(StreamBuilder().Record(17, {8}).Finish());
    copy = original;
  }
  ASSERT_EQ(copy->records().size(), 3u);
  EXPECT_EQ(copy->records()[1].bytes.U32(8), 8u);
}

}  // namespace
}  // namespace tessaly::emf::testing
