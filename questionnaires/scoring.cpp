#include "questionnaires/scoring.h"

#include <algorithm>

namespace tessaly::questionnaires {
namespace {

bool IsValidAnswer(const Questionnaire& questionnaire, std::size_t item,
                   int answer) {
  return answer >= 0 &&
         static_cast<std::size_t>(answer) <
             questionnaire.items[item].options.size() &&
         static_cast<std::size_t>(answer) < questionnaire.points.size();
}

int ItemsScore(const Questionnaire& questionnaire, const Answers& answers,
               std::span<const int> items) {
  int sum = 0;
  for (const int item : items) {
    sum += questionnaire.points[static_cast<std::size_t>(
        answers[static_cast<std::size_t>(item - 1)])];
  }
  return sum;
}

}  // namespace

ScoreRange ItemsRange(const Questionnaire& questionnaire,
                      std::span<const int> items) {
  if (questionnaire.points.empty()) return {};
  const auto [low, high] = std::ranges::minmax(questionnaire.points);
  const int count = static_cast<int>(items.size());
  return {low * count, high * count};
}

ScoreRange TotalRange(const Questionnaire& questionnaire) {
  std::vector<int> all(questionnaire.items.size());
  for (std::size_t i = 0; i < all.size(); ++i) all[i] = static_cast<int>(i + 1);
  return ItemsRange(questionnaire, all);
}

std::vector<int> ItemsInBoth(const Scale& scale, const Scale& part) {
  std::vector<int> both;
  for (const int item : scale.items) {
    if (std::ranges::find(part.items, item) != part.items.end()) {
      both.push_back(item);
    }
  }
  return both;
}

const Band* FindBand(std::span<const Band> bands, int score) {
  for (const Band& band : bands) {
    if (band.low <= score && score <= band.high) return &band;
  }
  return nullptr;
}

int AnsweredCount(const Questionnaire& questionnaire, const Answers& answers) {
  int count = 0;
  const std::size_t n = std::min(answers.size(), questionnaire.items.size());
  for (std::size_t i = 0; i < n; ++i) {
    if (IsValidAnswer(questionnaire, i, answers[i])) ++count;
  }
  return count;
}

std::optional<Result> Score(const Questionnaire& questionnaire,
                            const Answers& answers) {
  if (questionnaire.items.empty() ||
      answers.size() != questionnaire.items.size() ||
      AnsweredCount(questionnaire, answers) !=
          static_cast<int>(questionnaire.items.size())) {
    return std::nullopt;
  }
  Result result;
  for (const int answer : answers) {
    result.total += questionnaire.points[static_cast<std::size_t>(answer)];
  }
  result.total_range = TotalRange(questionnaire);
  result.band = FindBand(questionnaire.total_bands, result.total);
  for (const Scale& scale : questionnaire.scales) {
    ScaleScore scale_score;
    scale_score.score = ItemsScore(questionnaire, answers, scale.items);
    scale_score.range = ItemsRange(questionnaire, scale.items);
    scale_score.band = FindBand(questionnaire.scale_bands, scale_score.score);
    for (const Scale& part : questionnaire.parts) {
      const int score =
          ItemsScore(questionnaire, answers, ItemsInBoth(scale, part));
      scale_score.parts.push_back(
          {score, FindBand(questionnaire.part_bands, score)});
    }
    result.scales.push_back(std::move(scale_score));
  }
  result.ranking.resize(result.scales.size());
  for (std::size_t i = 0; i < result.ranking.size(); ++i) {
    result.ranking[i] = i;
  }
  std::ranges::stable_sort(result.ranking, [&](std::size_t a, std::size_t b) {
    return result.scales[a].score > result.scales[b].score;
  });
  return result;
}

}  // namespace tessaly::questionnaires
