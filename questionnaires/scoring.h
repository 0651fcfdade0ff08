// Scoring a questionnaire's answers: totals, sub-scores and bands, as pure
// functions of the questionnaire and the answers.
#ifndef TESSALY_QUESTIONNAIRES_SCORING_H_
#define TESSALY_QUESTIONNAIRES_SCORING_H_

#include <cstddef>
#include <optional>
#include <span>
#include <vector>

#include "questionnaires/questionnaire.h"

namespace tessaly::questionnaires {

inline constexpr int kNoAnswer = -1;

// The chosen option's position for every item, or kNoAnswer.
using Answers = std::vector<int>;

struct ScoreRange {
  int low = 0;
  int high = 0;
  friend bool operator==(const ScoreRange&, const ScoreRange&) = default;
};

// The lowest and highest sum that the given items can reach.
ScoreRange ItemsRange(const Questionnaire& questionnaire,
                      std::span<const int> items);
ScoreRange TotalRange(const Questionnaire& questionnaire);

// The items of `scale` that also belong to `part`, in order.
std::vector<int> ItemsInBoth(const Scale& scale, const Scale& part);

// The band whose range holds `score`, or nullptr.
const Band* FindBand(std::span<const Band> bands, int score);

int AnsweredCount(const Questionnaire& questionnaire, const Answers& answers);

struct PartScore {
  int score = 0;
  const Band* band = nullptr;
};

struct ScaleScore {
  int score = 0;
  ScoreRange range;
  const Band* band = nullptr;    // from scale_bands, if it has them
  std::vector<PartScore> parts;  // one per questionnaire part
};

struct Result {
  int total = 0;
  ScoreRange total_range;
  const Band* band = nullptr;  // from total_bands
  std::vector<ScaleScore> scales;
  // Scale indices from the highest score down; equal scores keep the
  // questionnaire's order.
  std::vector<std::size_t> ranking;
};

// Nothing until every item has a valid answer. The bands point into
// `questionnaire`, which must outlive the result.
std::optional<Result> Score(const Questionnaire& questionnaire,
                            const Answers& answers);

}  // namespace tessaly::questionnaires

#endif  // TESSALY_QUESTIONNAIRES_SCORING_H_
