// The questionnaires built from the topic sources: all there, all scorable,
// and their bands read right at the ends and at every boundary.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>

#include "questionnaires/key_check.h"
#include "questionnaires/questionnaire_catalogue.h"
#include "questionnaires/scoring.h"

namespace tessaly::questionnaires {
namespace {

// The answer positions from the fewest points to the most.
std::vector<int> OptionsByPoints(const Questionnaire& q) {
  std::vector<int> order(q.points.size());
  for (std::size_t i = 0; i < order.size(); ++i) order[i] = static_cast<int>(i);
  std::ranges::stable_sort(order, [&](int a, int b) {
    return q.points[static_cast<std::size_t>(a)] <
           q.points[static_cast<std::size_t>(b)];
  });
  return order;
}

Answers AllAt(const Questionnaire& q, int option) {
  return Answers(q.items.size(), option);
}

// Answers whose total is `total`: raise one item by one step at a time, which
// reaches every total when the points are consecutive.
Answers AnswersWithTotal(const Questionnaire& q, int total) {
  const std::vector<int> order = OptionsByPoints(q);
  std::vector<std::size_t> level(q.items.size(), 0);
  int sum = TotalRange(q).low;
  for (std::size_t i = 0; sum < total && i < level.size();) {
    if (level[i] + 1 >= order.size()) {
      ++i;
      continue;
    }
    ++level[i];
    ++sum;
  }
  Answers answers;
  for (const std::size_t l : level) answers.push_back(order[l]);
  return answers;
}

TEST(CompiledQuestionnaires, AllSevenAreBuiltInAndPassTheirChecks) {
  const std::map<std::string, std::size_t> expected = {
      {"考生焦虑测评", 60},  {"考生疲劳测评", 30},  {"考生应试技能测评", 40},
      {"职业倾向测评1", 24}, {"职业倾向测评2", 25}, {"职业倾向测评3", 24},
      {"综合职业测评", 36}};
  ASSERT_EQ(CompiledQuestionnaires().size(), expected.size());
  for (const auto& [title, items] : expected) {
    const Questionnaire* q = FindQuestionnaire(title);
    ASSERT_NE(q, nullptr) << title;
    EXPECT_EQ(q->items.size(), items) << title;
    EXPECT_EQ(CheckQuestionnaire(*q), std::vector<std::string>{}) << title;
  }
  EXPECT_EQ(FindQuestionnaire("职业倾向测评"), nullptr);
  EXPECT_EQ(FindQuestionnaire("考生焦虑测评 "), nullptr);
}

TEST(CompiledQuestionnaires, LowestAndHighestAnswersReachTheEnds) {
  for (const Questionnaire& q : CompiledQuestionnaires()) {
    const std::vector<int> order = OptionsByPoints(q);
    const auto lowest = Score(q, AllAt(q, order.front()));
    const auto highest = Score(q, AllAt(q, order.back()));
    ASSERT_TRUE(lowest && highest) << q.title;
    EXPECT_EQ(lowest->total, TotalRange(q).low) << q.title;
    EXPECT_EQ(highest->total, TotalRange(q).high) << q.title;
    const auto by_low = [](const Band& a, const Band& b) {
      return a.low < b.low;
    };
    if (q.kind == ResultKind::kTotal) {
      EXPECT_EQ(lowest->band, &*std::ranges::min_element(q.total_bands, by_low))
          << q.title;
      EXPECT_EQ(highest->band,
                &*std::ranges::max_element(q.total_bands, by_low))
          << q.title;
    }
    for (std::size_t s = 0; s < q.scales.size(); ++s) {
      EXPECT_EQ(lowest->scales[s].score, lowest->scales[s].range.low);
      EXPECT_EQ(highest->scales[s].score, highest->scales[s].range.high);
      if (q.scale_bands.empty()) continue;
      EXPECT_EQ(lowest->scales[s].band,
                &*std::ranges::min_element(q.scale_bands, by_low))
          << q.title << " " << q.scales[s].name;
      EXPECT_EQ(highest->scales[s].band,
                &*std::ranges::max_element(q.scale_bands, by_low))
          << q.title << " " << q.scales[s].name;
    }
  }
}

TEST(CompiledQuestionnaires, EachBoundaryFallsOnTheRightSide) {
  struct Case {
    const char* title;
    int total;
    const char* heading;
  };
  const Case cases[] = {
      {"考生焦虑测评", 100, "焦虑程度较轻"},
      {"考生焦虑测评", 101, "中等程度的焦虑"},
      {"考生焦虑测评", 140, "中等程度的焦虑"},
      {"考生焦虑测评", 141, "焦虑程度较重"},
      {"考生焦虑测评", 180, "焦虑程度较重"},
      {"考生焦虑测评", 181, "焦虑程度严重"},
      {"考生疲劳测评", 50, "基本没有疲劳"},
      {"考生疲劳测评", 51, "轻度疲劳"},
      {"考生疲劳测评", 75, "轻度疲劳"},
      {"考生疲劳测评", 76, "中度疲劳"},
      {"考生疲劳测评", 95, "中度疲劳"},
      {"考生疲劳测评", 96, "重度疲劳"},
      {"考生应试技能测评", 87, "应试技能亟需加强"},
      {"考生应试技能测评", 88, "应试技能一般"},
      {"考生应试技能测评", 111, "应试技能一般"},
      {"考生应试技能测评", 112, "应试技能较好"},
      {"考生应试技能测评", 135, "应试技能较好"},
      {"考生应试技能测评", 136, "应试技能扎实"},
  };
  for (const Case& c : cases) {
    const Questionnaire* q = FindQuestionnaire(c.title);
    ASSERT_NE(q, nullptr) << c.title;
    const auto result = Score(*q, AnswersWithTotal(*q, c.total));
    ASSERT_TRUE(result) << c.title;
    ASSERT_EQ(result->total, c.total) << c.title;
    ASSERT_NE(result->band, nullptr) << c.title << " " << c.total;
    EXPECT_EQ(result->band->heading, c.heading) << c.title << " " << c.total;
  }
}

TEST(CompiledQuestionnaires, CareerSurveyScoresEachDirectionByPart) {
  const Questionnaire* q = FindQuestionnaire("综合职业测评");
  ASSERT_NE(q, nullptr);
  ASSERT_EQ(q->parts.size(), 3u);
  // 工程技术型 is items 1, 7 (兴趣), 13, 19 (能力), 25, 31 (价值观):
  // strong interest, no ability, middling values.
  Answers answers(36, 1);
  for (const int item : {1, 7}) answers[item - 1] = 0;
  for (const int item : {13, 19}) answers[item - 1] = 2;
  const auto result = Score(*q, answers);
  ASSERT_TRUE(result);
  const ScaleScore& engineering = result->scales[0];
  EXPECT_EQ(engineering.score, 6);
  EXPECT_EQ(engineering.band->low, 6);
  ASSERT_EQ(engineering.parts.size(), 3u);
  EXPECT_EQ(engineering.parts[0].band->heading, "高");
  EXPECT_EQ(engineering.parts[1].band->heading, "低");
  EXPECT_EQ(engineering.parts[2].band->heading, "一般");
}

}  // namespace
}  // namespace tessaly::questionnaires
