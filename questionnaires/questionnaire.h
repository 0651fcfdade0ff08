// A self-assessment questionnaire as data: its items, the points of each
// answer, the scales that group the items and the result bands.
#ifndef TESSALY_QUESTIONNAIRES_QUESTIONNAIRE_H_
#define TESSALY_QUESTIONNAIRES_QUESTIONNAIRE_H_

#include <string>
#include <vector>

namespace tessaly::questionnaires {

// A score range [low, high] and what it means.
struct Band {
  int low = 0;
  int high = 0;
  std::string heading;  // "焦虑程度较轻"; may be empty for a scale's band
  std::string text;
};

struct Item {
  std::string text;
  std::vector<std::string> options;  // in the order they are printed
};

// A named group of items whose points add up to a sub-score.
struct Scale {
  std::string name;
  std::vector<int> items;  // item numbers, from 1
};

enum class ResultKind {
  kTotal,        // one total, read against total_bands
  kRankedTypes,  // no total: the scales (interest types) ranked
};

struct Questionnaire {
  std::string title;
  std::string control;  // the topic's page control, "Img_03"
  ResultKind kind = ResultKind::kTotal;
  std::vector<Item> items;
  // The points of the option at each position; every item has exactly this
  // many options.
  std::vector<int> points;
  std::vector<Scale> scales;
  std::vector<Band> total_bands;  // kTotal: they cover the total's range
  std::vector<Band> scale_bands;  // the same bands for every scale
  // An optional second grouping that cuts across the scales (interest,
  // ability, values): a scale's items inside one part give a part score,
  // read against part_bands.
  std::vector<Scale> parts;
  std::vector<Band> part_bands;
};

}  // namespace tessaly::questionnaires

#endif  // TESSALY_QUESTIONNAIRES_QUESTIONNAIRE_H_
