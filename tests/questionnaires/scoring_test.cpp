// Scoring by hand-made questionnaires: totals, sub-scores, parts, ranking,
// and nothing until every item is answered.
#include "questionnaires/scoring.h"

#include <gtest/gtest.h>

namespace tessaly::questionnaires {
namespace {

// Six yes/no items in three types; items 1-3 are one part, 4-6 another.
Questionnaire Types() {
  Questionnaire q;
  q.kind = ResultKind::kRankedTypes;
  for (int i = 0; i < 6; ++i) q.items.push_back({"题", {"是", "否"}});
  q.points = {1, 0};
  q.scales = {{"甲", {1, 4}}, {"乙", {2, 5}}, {"丙", {3, 6}}};
  q.scale_bands = {{0, 0, "", "弱"}, {1, 1, "", "中"}, {2, 2, "", "强"}};
  q.parts = {{"兴趣", {1, 2, 3}}, {"能力", {4, 5, 6}}};
  q.part_bands = {{0, 0, "低", "低"}, {1, 1, "高", "高"}};
  return q;
}

TEST(Scoring, SubScoresPartsAndRankingWithTiesInOrder) {
  const Questionnaire q = Types();
  //                      1  2  3  4  5  6   (0 = 是)
  const auto result = Score(q, {1, 0, 0, 1, 1, 0});
  ASSERT_TRUE(result);
  EXPECT_EQ(result->total, 3);
  ASSERT_EQ(result->scales.size(), 3u);
  EXPECT_EQ(result->scales[0].score, 0);
  EXPECT_EQ(result->scales[1].score, 1);
  EXPECT_EQ(result->scales[2].score, 2);
  EXPECT_EQ(result->scales[2].range, (ScoreRange{0, 2}));
  EXPECT_EQ(result->scales[2].band->text, "强");
  EXPECT_EQ(result->scales[0].band->text, "弱");
  // 乙: yes in 兴趣 (item 2), no in 能力 (item 5).
  ASSERT_EQ(result->scales[1].parts.size(), 2u);
  EXPECT_EQ(result->scales[1].parts[0].score, 1);
  EXPECT_EQ(result->scales[1].parts[0].band->heading, "高");
  EXPECT_EQ(result->scales[1].parts[1].score, 0);
  EXPECT_EQ(result->scales[1].parts[1].band->heading, "低");
  EXPECT_EQ(result->ranking, (std::vector<std::size_t>{2, 1, 0}));

  const auto tied = Score(q, {0, 0, 1, 1, 1, 0});  // 甲 1, 乙 1, 丙 1
  ASSERT_TRUE(tied);
  EXPECT_EQ(tied->ranking, (std::vector<std::size_t>{0, 1, 2}));
}

TEST(Scoring, NoResultUntilEveryItemHasAValidAnswer) {
  const Questionnaire q = Types();
  struct Case {
    const char* name;
    Answers answers;
    int answered;
  };
  const Case cases[] = {
      {"none", {-1, -1, -1, -1, -1, -1}, 0},
      {"one missing", {0, 0, 0, 0, 0, -1}, 5},
      {"option past the last", {0, 0, 0, 0, 0, 2}, 5},
      {"too few answers", {0, 0, 0}, 3},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(AnsweredCount(q, c.answers), c.answered) << c.name;
    EXPECT_FALSE(Score(q, c.answers)) << c.name;
  }
  EXPECT_EQ(AnsweredCount(q, {0, 1, 0, 1, 0, 1}), 6);
}

TEST(Scoring, RangesFollowThePointsWhateverTheirOrder) {
  Questionnaire q;
  q.items = {{"a", {"符合", "说不准", "不符合"}},
             {"b", {"符合", "说不准", "不符合"}}};
  q.points = {2, 1, 0};
  const int both[] = {1, 2};
  EXPECT_EQ(ItemsRange(q, both), (ScoreRange{0, 4}));
  EXPECT_EQ(TotalRange(q), (ScoreRange{0, 4}));
}

}  // namespace
}  // namespace tessaly::questionnaires
