// The topic catalogue: lookup, column layout and scroll set-up.
#include "reader/topic_catalogue.h"

#include <gtest/gtest.h>

#include <vector>

namespace tessaly::reader {
namespace {

struct ColumnCase {
  const char* title;
  const char* viewport;
  std::vector<double> heights;
  std::vector<double> tops;
  double total;
  int max, large_change, small_change;
};

// The sixteen original page sets at 96 pixels per inch.
const ColumnCase kColumns[] = {
    {"考生焦虑测评",
     "Pic_03",
     {915, 936, 936, 915, 931, 624, 185},
     {0, 915, 1851, 2787, 3702, 4633, 5257},
     5442,
     5001,
     1000,
     250},
    {"考生疲劳测评",
     "Pic_04",
     {915, 936, 832, 185},
     {0, 915, 1851, 2683},
     2868,
     2427,
     485,
     121},
    {"考生应试技能测评",
     "Pic_05",
     {915, 936, 936, 915, 250, 185},
     {0, 915, 1851, 2787, 3702, 3952},
     4137,
     3696,
     739,
     184},
    {"如何科学的安排考生饮食",
     "Pic_06",
     {915, 166},
     {0, 915},
     1081,
     640,
     128,
     32},
    {"应试三天考生的饮食安排", "Pic_07", {853}, {0}, 853, 412, 82, 20},
    {"建档线、录取控制分数线、提档分数线和录取分数线有何区别",
     "Pic_08",
     {562},
     {0},
     562,
     121,
     24,
     6},
    {"如何根据自己的实际情况选择学校和专业",
     "Pic_09",
     {707},
     {0},
     707,
     266,
     53,
     13},
    {"四年后什么专业最热门",
     "Pic_10",
     {915, 125},
     {0, 915},
     1040,
     599,
     119,
     29},
    {"标准分和原始分是怎么回事",
     "Pic_11",
     {915, 458},
     {0, 915},
     1373,
     932,
     186,
     46},
    {"职业倾向测评1", "Pic_12", {930, 368}, {0, 930}, 1298, 857, 171, 42},
    {"职业倾向测评2", "Pic_13", {910, 368}, {0, 910}, 1278, 837, 167, 41},
    {"职业倾向测评3", "Pic_14", {910, 368}, {0, 910}, 1278, 837, 167, 41},
    {"最佳应试状态的调整秘笈", "Pic_15", {790}, {0}, 790, 349, 69, 17},
    {"模拟志愿填报系统", "Pic_16", {478}, {0}, 478, 37, 7, 1},
};

TEST(TopicCatalogueTest, ColumnsAndScrollSetUpOfTheOriginalPageSets) {
  for (const ColumnCase& c : kColumns) {
    SCOPED_TRACE(c.title);
    const TopicEntry* entry = Lookup(c.title);
    ASSERT_NE(entry, nullptr);
    EXPECT_EQ(entry->viewport, c.viewport);
    EXPECT_TRUE(entry->scrolling);
    EXPECT_EQ(entry->page_count, static_cast<int>(c.heights.size()));
    const ColumnLayout column = LayOutColumn(*entry, c.heights);
    EXPECT_EQ(column.tops, c.tops);
    EXPECT_EQ(column.total_height, c.total);
    EXPECT_EQ(column.left, entry->page_control == "Img_04" ? 0 : 8);
    const auto setup = SetUpScrolling(c.heights);
    ASSERT_TRUE(setup.has_value());
    EXPECT_EQ(setup->max, c.max);
    EXPECT_EQ(setup->large_change, c.large_change);
    EXPECT_EQ(setup->small_change, c.small_change);
  }
}

TEST(TopicCatalogueTest, FixedPagesAndTheirOrder) {
  ASSERT_GE(kTopicCatalogue.size(), 16u);
  EXPECT_EQ(kTopicCatalogue[0].title, "考生能力自我诊断系统");
  EXPECT_FALSE(kTopicCatalogue[0].scrolling);
  EXPECT_FALSE(kTopicCatalogue[1].scrolling);
  EXPECT_EQ(Lookup("经典错题评析"), &kTopicCatalogue[1]);
  for (std::size_t i = 2; i < kTopicCatalogue.size(); ++i) {
    EXPECT_TRUE(kTopicCatalogue[i].scrolling) << kTopicCatalogue[i].title;
  }
}

TEST(TopicCatalogueTest, LookupComparesExactly) {
  for (const char* miss :
       {"", "考生焦虑测评 ", " 考生焦虑测评", "职业倾向测评",
        "建档线,录取控制分数线、提档分数线和录取分数线有何区别",
        "职业倾向测评１", "家长应避开的常见误区"}) {
    EXPECT_EQ(Lookup(miss), nullptr) << miss;
  }
}

TEST(TopicCatalogueTest, ShortColumnsScrollWithChangesOfAtLeastOne) {
  // Up to the viewport's height: nothing to scroll.
  EXPECT_EQ(SetUpScrolling(std::vector<double>{441}), std::nullopt);
  EXPECT_EQ(SetUpScrolling(std::vector<double>{200, 100}), std::nullopt);
  EXPECT_EQ(SetUpScrolling(std::vector<double>{}), std::nullopt);
  // Shorter than H + 20 and H + 5: the changes stay at 1.
  const auto small = SetUpScrolling(std::vector<double>{444});
  ASSERT_TRUE(small);
  EXPECT_EQ(small->max, 3);
  EXPECT_EQ(small->large_change, 1);
  EXPECT_EQ(small->small_change, 1);
  // Max is a 16-bit value.
  const auto huge = SetUpScrolling(std::vector<double>(40, 936));
  ASSERT_TRUE(huge);
  EXPECT_EQ(huge->max, 32767);
}

TEST(TopicCatalogueTest, FractionalHeightsRoundAfterEveryAddition) {
  // Halves go to the even neighbour at each step: -441 + 100.5 → -340
  // (-340.5 to even), then -340 + 900.5 = 560.5 → 560.
  const auto setup = SetUpScrolling(std::vector<double>{100.5, 900.5});
  ASSERT_TRUE(setup);
  EXPECT_EQ(setup->max, 560);
}

}  // namespace
}  // namespace tessaly::reader
