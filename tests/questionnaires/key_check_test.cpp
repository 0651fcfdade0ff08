// Band coverage over the possible range: each fault found and named once.
#include "questionnaires/key_check.h"

#include <gtest/gtest.h>

namespace tessaly::questionnaires {
namespace {

TEST(KeyCheck, BandsMustCoverTheRangeWithNoGapOrOverlap) {
  struct Case {
    const char* name;
    std::vector<Band> bands;
    std::vector<std::string> faults;
  };
  const ScoreRange range{0, 24};
  const Case cases[] = {
      {"exact",
       {{0, 11, "弱", "t"}, {12, 17, "中", "t"}, {18, 24, "强", "t"}},
       {}},
      {"single values", {{0, 0, "", "t"}, {1, 24, "", "t"}}, {}},
      {"given out of order", {{18, 24, "", "t"}, {0, 17, "", "t"}}, {}},
      // "12分以下 / 12至17分": 12 is claimed twice.
      {"overlap at a boundary",
       {{0, 12, "弱", "t"}, {12, 17, "中", "t"}, {18, 24, "强", "t"}},
       {"total band \"12～17分：中\" overlaps band \"0～12分：弱\" at 12分"}},
      {"gap",
       {{0, 11, "弱", "t"}, {13, 24, "强", "t"}},
       {"total: no band covers 12分, between bands \"0～11分：弱\" and "
        "\"13～24分：强\""}},
      {"bottom uncovered",
       {{3, 24, "", "t"}},
       {"total: no band covers 0～2分, below band \"3～24分\""}},
      {"top uncovered",
       {{0, 20, "", "t"}},
       {"total: no band covers 21～24分, above band \"0～20分\""}},
      {"past the top",
       {{0, 30, "", "t"}},
       {"total band \"0～30分\" reaches above the highest possible score 24"}},
      {"below the bottom",
       {{-1, 24, "", "t"}},
       {"total band \"-1～24分\" starts below the lowest possible score 0"}},
      {"none", {}, {"total: no bands for 0～24分"}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(CheckBandCoverage(c.bands, range, "total"), c.faults) << c.name;
  }
}

TEST(KeyCheck, ItemsScalesAndTextsAreChecked) {
  Questionnaire q;
  q.items = {{"a", {"是", "否"}}, {"b", {"是", "否"}}, {"c", {"是"}}};
  q.points = {1, 0};
  q.scales = {{"甲", {1, 4}}};
  q.total_bands = {{0, 1, "低", "t"}, {2, 3, "高", ""}};
  const std::vector<std::string> expected = {
      "item 3 has 1 options but the key has 2",
      "scale \"甲\" lists item 4, which does not exist",
      "item 2 belongs to no scale",
      "item 3 belongs to no scale",
      "total band \"2～3分：高\" has no text",
  };
  EXPECT_EQ(CheckQuestionnaire(q), expected);
}

TEST(KeyCheck, TypesNeedScaleBandsOverOneSharedRange) {
  Questionnaire q;
  q.kind = ResultKind::kRankedTypes;
  q.items = {{"a", {"是", "否"}}, {"b", {"是", "否"}}, {"c", {"是", "否"}}};
  q.points = {1, 0};
  q.scales = {{"甲", {1}}, {"乙", {2, 3}}};
  EXPECT_EQ(CheckQuestionnaire(q),
            (std::vector<std::string>{"the types have no result bands"}));
  q.scale_bands = {{0, 1, "", "t"}};
  EXPECT_EQ(CheckQuestionnaire(q),
            (std::vector<std::string>{
                "scale bands apply to groups whose ranges differ"}));
}

}  // namespace
}  // namespace tessaly::questionnaires
