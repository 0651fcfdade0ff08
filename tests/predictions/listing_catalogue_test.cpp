// Checks the composed listings character for character and the rules that
// hold across every region of both catalogues.
#include "predictions/listing_catalogue.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <limits>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "predictions/listing_tables.h"

namespace tessaly::predictions {
namespace {

std::vector<std::string> SplitLines(std::string_view text) {
  std::vector<std::string> lines;
  while (true) {
    const std::size_t end = text.find("\r\n");
    lines.emplace_back(text.substr(0, end));
    if (end == std::string_view::npos) return lines;
    text.remove_prefix(end + 2);
  }
}

// Characters as a user sees them: code points, CR and LF each counting one.
int CharacterCount(std::string_view utf8) {
  int count = 0;
  for (const char c : utf8) {
    count += (static_cast<unsigned char>(c) & 0xC0) != 0x80 ? 1 : 0;
  }
  return count;
}

std::vector<std::string_view> Words(std::string_view text) {
  std::vector<std::string_view> words;
  while (!text.empty()) {
    const std::size_t end = std::min(text.find(' '), text.size());
    words.push_back(text.substr(0, end));
    text.remove_prefix(std::min(end + 1, text.size()));
  }
  return words;
}

struct Case {
  const char* name;
  Edition edition;
  std::int16_t index;
  int lines;
  int characters;                                          // 0: not checked
  std::vector<std::pair<int, std::string_view>> expected;  // 1-based lines
};

class ListingCase : public testing::TestWithParam<Case> {};

TEST_P(ListingCase, ComposesTheListedLines) {
  const Case& c = GetParam();
  const std::optional<std::string> listing = ComposeListing(c.edition, c.index);
  ASSERT_TRUE(listing.has_value());
  const std::vector<std::string> lines = SplitLines(*listing);
  EXPECT_EQ(static_cast<int>(lines.size()), c.lines);
  if (c.characters != 0) {
    EXPECT_EQ(CharacterCount(*listing), c.characters);
  }
  for (const auto& [number, text] : c.expected) {
    ASSERT_LE(number, static_cast<int>(lines.size()));
    EXPECT_EQ(lines[number - 1], text) << "line " << number;
  }
}

// clang-format off
const Case kCases[] = {
    {"GaokaoLiaoningWorkedExample", Edition::Gaokao, 10, 8, 0,
     {{1, "名称：辽宁考区考前最后三天押题信息  科目：综合"},
      {2, "简介：2005年高考辽宁考区综合押题信息，主要来源:东北育才中学。"},
      {3, "名称: 辽宁考区考前最后三天押题信息 科目: 英语"},
      {4, "简介：2005年高考辽宁考区英语押题信息，主要来源:东北育才中学。"},
      {5, "名称: 辽宁考区考前最后三天押题信息 科目: 数学"},
      {6, "简介：2005年高考辽宁考区数学押题信息，主要来源:东北育才中学。"},
      {7, "名称: 辽宁考区考前最后三天押题信息 科目: 语文"},
      {8, "简介：2005年高考辽宁考区语文押题信息，主要来源:东北育才中学。"}}},
    {"GaokaoBeijingFirstLineEndsWithSpace", Edition::Gaokao, 0, 10, 0,
     {{1, "名称：北京考区考前最后三天押题信息 科目：理综合 "},
      {2, "简介：2005年高考北京考区理综合押题信息，主要来源:海淀中学。"},
      {3, "名称: 北京考区考前最后三天押题信息 科目: 文综合"}}},
    {"GaokaoShanghaiIsTheLongest", Edition::Gaokao, 1, 20, 597, {}},
    {"GaokaoChongqingSourceLosesItsStop", Edition::Gaokao, 3, 10, 0,
     {{2, "简介：2005年高考重庆考区理综合押题信息，主要来源:重庆八中。"},
      {3, "名称: 重庆考区考前最后三天押题信息 科目: 文综合 "},
      {4, "简介：2005年高考重庆考区文综合押题信息，主要来源:重庆八中"}}},
    {"GaokaoShandongKeepsLeadingSpaces", Edition::Gaokao, 11, 10, 0,
     {{2, "简介：2005年高考山东考区语文押题信息，主要来源:山东师大附中"},
      {4, "简介：2005年高考山东考区数学押题信息，主要来源:  山东师大附中"},
      {10, "简介：2005年高考山东考区文综合押题信息，主要来源:北京四中"}}},
    {"GaokaoAnhuiIsTwoFixedLines", Edition::Gaokao, 13, 2, 50,
     {{1, "省内单独出题的科目押题信息主要来源于：合肥六中"},
      {2, "全国统一考试的科目押题信息主要来源于:  北京四中"}}},
    {"GaokaoNationalUsesItsIntroWord", Edition::Gaokao, 14, 16, 0,
     {{1, "名称：全国统考区考前最后三天押题信息  科目：地理"},
      {2, "简介：2005年高考全国统考地理押题信息，主要来源:北京四中。"},
      {3, "名称: 全国统考区考前最后三天押题信息 科目: 历史"},
      {4, "简介：2005年高考全国统考历史押题信息，主要来源:北京四中"},
      {16, "简介：2005年高考全国统考理综合押题信息，主要来源:北京四中"}}},
    {"ZhongkaoBeijingEndsWithItsNote", Edition::Zhongkao, 0, 11, 0,
     {{1, "名称：北京市中考前最后三天押题信息  科目：语文"},
      {2, "简介：2005年北京市中考语文押题信息，主要来源:北京师大附属实验中学"},
      {3, "名称: 北京市中考前最后三天押题信息 科目: 数学"},
      {6, "简介：2005年北京市中考英语押题信息，主要来源: 北京师大附属实验中学"},
      {11, "说明:  本信息适用于海淀区以外的北京考生"}}},
    {"ZhongkaoTianjinAllLong", Edition::Zhongkao, 2, 10, 0,
     {{3, "名称：天津市中考前最后三天押题信息  科目：数学"},
      {7, "名称：天津市中前最后三天押题信息  科目：物理"}}},
    {"ZhongkaoJilinNamesItsCapital", Edition::Zhongkao, 5, 14, 0,
     {{1, "名称：长春市中考前最后三天押题信息  科目：语文"},
      {2, "简介：2005年长春市中语文考押题信息，主要来源:吉林省实验中学"},
      {12, "简介：2005年长春市中考政治押题信息，主要来源:  吉林省实验中学"}}},
    {"ZhongkaoAnhuiTwoGroups", Edition::Zhongkao, 9, 18, 0,
     {{1, "非课改实验区考生"},
      {6, "名称：安徽省省中考前最后三天押题信息  科目：英语"},
      {10, "课改实验区考生"},
      {15, "名称：安徽省省中考前最后三天押题信息  科目：英语"},
      {18, "简介：2005年安徽省中考政史押题信息，主要来源: 合肥三中"}}},
    {"ZhongkaoSichuanIsTheLongest", Edition::Zhongkao, 14, 22, 614,
     {{1, "非课改实验区"},
      {10, " 名称：成都市中考前最后三天押题信息  科目：化学"},
      {11, "简介：2005年成都市中考化学押题信息，主要来源:  成都市第十八中"},
      {12, "课改实验区"},
      {22, "简介：2005年成都市中考化学押题信息，主要来源:  双流中学"}}},
    {"ZhongkaoJiangxiBeginsWithItsNote", Edition::Zhongkao, 23, 11, 0,
     {{1, "本信息适用于非课改区考生"},
      {2, "名称：江西省中考前最后三天押题信息  科目：语文"}}},
    {"ZhongkaoHunanShortest", Edition::Zhongkao, 13, 6, 0,
     {{4, "简介：2005年长沙市中考数学押题信息，主要来源：长沙雅礼中学"}}},
    {"ZhongkaoGuangdongShortest", Edition::Zhongkao, 18, 6, 0, {}},
    {"ZhongkaoHenanShortest", Edition::Zhongkao, 22, 6, 0, {}},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(Regions, ListingCase, testing::ValuesIn(kCases),
                         [](const testing::TestParamInfo<Case>& info) {
                           return std::string(info.param.name);
                         });

TEST(ComposeListingTest, IndexOutsideTheEditionGivesNoListing) {
  constexpr std::int16_t kMin = std::numeric_limits<std::int16_t>::min();
  constexpr std::int16_t kMax = std::numeric_limits<std::int16_t>::max();
  for (const std::int16_t index :
       {kMin, std::int16_t{-1}, std::int16_t{15}, kMax}) {
    EXPECT_FALSE(ComposeListing(Edition::Gaokao, index)) << index;
    EXPECT_TRUE(RegionCaption(Edition::Gaokao, index).empty()) << index;
  }
  for (const std::int16_t index :
       {kMin, std::int16_t{-1}, std::int16_t{24}, kMax}) {
    EXPECT_FALSE(ComposeListing(Edition::Zhongkao, index)) << index;
    EXPECT_TRUE(RegionCaption(Edition::Zhongkao, index).empty()) << index;
  }
  EXPECT_TRUE(ComposeListing(Edition::Gaokao, 14));
  EXPECT_TRUE(ComposeListing(Edition::Zhongkao, 23));
}

// Walks every region beside its table: free lines come through unchanged,
// every entry gives a name line and an intro line that name the region and
// end with the entry's subject and source, except the hand-written lines.
TEST(ComposeListingTest, EveryRegionFollowsItsTable) {
  int exceptions_seen = 0;
  for (const Edition edition : {Edition::Gaokao, Edition::Zhongkao}) {
    const auto catalogue = Catalogue(edition);
    ASSERT_EQ(RegionCount(edition), static_cast<int>(catalogue.size()));
    for (int index = 0; index < RegionCount(edition); ++index) {
      SCOPED_TRACE(testing::Message() << "region " << index);
      const RegionListing& region = catalogue[index];
      EXPECT_EQ(RegionCaption(edition, index), region.caption);
      const std::string listing =
          ComposeListing(edition, static_cast<std::int16_t>(index)).value();

      EXPECT_FALSE(listing.starts_with("\r\n") || listing.ends_with("\r\n"));
      EXPECT_EQ(listing.find("\r\n\r\n"), std::string::npos);
      const auto crs = std::ranges::count(listing, '\r');
      EXPECT_EQ(crs, std::ranges::count(listing, '\n'));
      EXPECT_EQ(static_cast<std::size_t>(crs) + 1, SplitLines(listing).size())
          << "every CR and every LF belongs to a CR LF";

      const std::vector<std::string> lines = SplitLines(listing);
      std::size_t at = 0;
      int entry = 0;
      for (const ListingItem& item : region.items) {
        if (item.kind == ListingItem::Kind::kFreeLine) {
          ASSERT_LT(at, lines.size());
          EXPECT_EQ(lines[at++], item.text);
        }
        if (item.kind != ListingItem::Kind::kEntries) continue;
        for (const std::string_view subject : Words(item.text)) {
          ++entry;
          ASSERT_LT(at + 1, lines.size());
          for (const LineKind kind : {LineKind::kName, LineKind::kIntro}) {
            const std::string& line = lines[at++];
            const auto* exception = std::ranges::find_if(
                kLineExceptions, [&](const LineException& e) {
                  return e.edition == edition && e.index == index &&
                         e.entry == entry && e.line == kind;
                });
            if (exception != kLineExceptions.end()) {
              EXPECT_EQ(line, exception->text);
              ++exceptions_seen;
            } else if (kind == LineKind::kName) {
              const std::string place =
                  std::string(region.place_word) +
                  (edition == Edition::Gaokao ? "考前" : "中考前");
              EXPECT_TRUE(line.starts_with("名称：" + place +
                                           "最后三天押题信息  科目：") ||
                          line.starts_with("名称: " + place +
                                           "最后三天押题信息 科目: "))
                  << line;
              EXPECT_TRUE(line.ends_with(subject)) << line;
            } else {
              EXPECT_TRUE(line.starts_with("简介：2005年")) << line;
              EXPECT_NE(line.find(region.intro_word), std::string::npos)
                  << line;
              EXPECT_TRUE(line.ends_with(
                  std::string(subject) +
                  "押题信息，主要来源:" + std::string(item.source)))
                  << line;
            }
          }
        }
      }
      EXPECT_EQ(at, lines.size()) << "no line beyond the table";
    }
  }
  EXPECT_EQ(exceptions_seen, static_cast<int>(kLineExceptions.size()));
}

}  // namespace
}  // namespace tessaly::predictions
