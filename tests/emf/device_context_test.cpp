// The device context without pixels: mapping records, saved states and
// the object table, read back from the state they leave.
#include "emf/device_context.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "tests/emf/stream_builder.h"

namespace tessaly::emf::testing {
namespace {

// One record: type, size and the payload, as the reader hands it over.
class Record {
 public:
  Record(RecordType type, const Payload& payload) {
    Payload whole;
    whole.U32(static_cast<std::uint32_t>(type))
        .U32(static_cast<std::uint32_t>(8 + payload.size()))
        .Bytes(payload.data());
    bytes_ = whole.data();
    type_ = type;
  }
  Record(RecordType type, std::initializer_list<std::int32_t> words)
      : Record(type, Words(words)) {}

  RecordType type() const { return type_; }
  ByteView view() const {
    return ByteView(
        std::as_bytes(std::span(bytes_.constData(), bytes_.size())));
  }

 private:
  static Payload Words(std::initializer_list<std::int32_t> words) {
    Payload p;
    for (std::int32_t w : words) p.I32(w);
    return p;
  }
  QByteArray bytes_;
  RecordType type_;
};

EmfHeader Header() {
  EmfHeader h;
  h.handles = 4;
  h.device_px = {960, 960};
  h.device_mm = {254, 254};
  return h;
}

void Apply(DeviceContext& dc, const std::vector<Record>& records) {
  for (const Record& r : records) {
    std::optional<EmfErrorCode> error;
    dc.Apply(r.type(), r.view(), error);
    ASSERT_FALSE(error);
  }
}

Payload World(float m11, float m12, float m21, float m22, float dx, float dy,
              std::uint32_t mode) {
  Payload p;
  p.F32(m11).F32(m12).F32(m21).F32(m22).F32(dx).F32(dy).U32(mode);
  return p;
}

TEST(DeviceContextTest, MappingRecordsGiveTheLogicalToReferenceTransform) {
  struct Case {
    const char* name;
    std::vector<Record> records;
    QPointF logical;
    QPointF reference;
  };
  const std::vector<Case> cases = {
      {"extents before SETMAPMODE are lost",
       {{RecordType::kSetWindowExtEx, {200, 200}},
        {RecordType::kSetMapMode, {8}}},
       {40, 40},
       {40, 40}},
      {"anisotropic with origins",
       {{RecordType::kSetMapMode, {8}},
        {RecordType::kSetWindowExtEx, {200, 100}},
        {RecordType::kSetViewportExtEx, {100, 100}},
        {RecordType::kSetWindowOrgEx, {20, 0}},
        {RecordType::kSetViewportOrgEx, {5, 7}}},
       {40, 40},
       {15, 47}},
      {"isotropic keeps the smaller scale",
       {{RecordType::kSetMapMode, {7}},
        {RecordType::kSetWindowExtEx, {100, 100}},
        {RecordType::kSetViewportExtEx, {50, 200}}},
       {40, 40},
       {20, 20}},
      {"MM_TEXT resets extents",
       {{RecordType::kSetMapMode, {8}},
        {RecordType::kSetWindowExtEx, {200, 200}},
        {RecordType::kSetMapMode, {1}}},
       {40, 40},
       {40, 40}},
      {"LOMETRIC: 0.1 mm, y up",
       {{RecordType::kSetMapMode, {2}}},
       {254, 254},
       {96, -96}},
      {"world: set, then left-multiply acts first",
       {{RecordType::kModifyWorldTransform, World(1, 0, 0, 1, 10, 0, 4)},
        {RecordType::kModifyWorldTransform, World(2, 0, 0, 2, 0, 0, 2)}},
       {5, 5},
       {20, 10}},
      {"world: right-multiply acts last",
       {{RecordType::kModifyWorldTransform, World(1, 0, 0, 1, 10, 0, 4)},
        {RecordType::kModifyWorldTransform, World(2, 0, 0, 2, 0, 0, 3)}},
       {5, 5},
       {30, 10}},
      {"singular and NaN transforms are refused",
       {{RecordType::kModifyWorldTransform, World(0, 0, 0, 0, 1, 1, 4)},
        {RecordType::kModifyWorldTransform,
         World(std::nanf(""), 0, 0, 1, 0, 0, 4)}},
       {5, 5},
       {5, 5}},
  };
  for (const Case& c : cases) {
    DeviceContext dc(Header());
    Apply(dc, c.records);
    const QPointF mapped = dc.state().mapping.ToReference().map(c.logical);
    EXPECT_NEAR(mapped.x(), c.reference.x(), 1e-6) << c.name;
    EXPECT_NEAR(mapped.y(), c.reference.y(), 1e-6) << c.name;
  }
}

TEST(DeviceContextTest, RestoreDcPicksTheLevel) {
  struct Case {
    std::int32_t which;
    double origin_x;  // the window origin brought back (levels set 1, 2, 3)
  };
  const Case cases[] = {{-1, 3}, {-2, 2}, {1, 1}, {0, 4}, {-4, 4}, {4, 4}};
  for (const Case& c : cases) {
    DeviceContext dc(Header());
    for (int level = 1; level <= 3; ++level) {
      Apply(dc, {{RecordType::kSetWindowOrgEx, {level, 0}},
                 {RecordType::kSaveDc, {}}});
    }
    Apply(dc, {{RecordType::kSetWindowOrgEx, {4, 0}},
               {RecordType::kRestoreDc, {c.which}}});
    EXPECT_DOUBLE_EQ(
        -dc.state().mapping.WindowToViewport().map(QPointF(0, 0)).x(),
        c.origin_x)
        << c.which;
  }
}

TEST(DeviceContextTest, SelectedValuesOutliveTheirSlots) {
  DeviceContext dc(Header());
  Payload brush;
  brush.U32(1).U32(0).U32(0x0000FF).U32(0);  // slot 1: solid red
  Payload pen;
  pen.U32(1).U32(0).I32(0).I32(0).U32(0xFF0000);  // slot 1 again: blue pen
  Apply(dc, {{RecordType::kCreateBrushIndirect, brush},
             {RecordType::kSelectObject, {1}},
             {RecordType::kDeleteObject, {1}},
             {RecordType::kCreatePen, pen},
             {RecordType::kSelectObject, {1}},
             {RecordType::kSelectObject, {3}},  // empty slot: nothing
             {RecordType::kSelectObject, {0}}});
  EXPECT_EQ(dc.state().brush.color, QColor(Qt::red));
  EXPECT_EQ(dc.state().pen.color, QColor(Qt::blue));
  Apply(dc,
        {{RecordType::kSelectObject,
          {static_cast<std::int32_t>(StockIndex(StockObject::kNullPen))}},
         {RecordType::kSelectObject,
          {static_cast<std::int32_t>(StockIndex(StockObject::kGrayBrush))}}});
  EXPECT_TRUE(dc.state().pen.IsNull());
  EXPECT_EQ(dc.state().brush.color, QColor(0x80, 0x80, 0x80));
}

}  // namespace
}  // namespace tessaly::emf::testing
