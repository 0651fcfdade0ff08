#include "questionnaires/key_check.h"

#include <algorithm>
#include <set>

namespace tessaly::questionnaires {
namespace {

std::string RangeText(int low, int high) {
  return low == high ? std::to_string(low) + "分"
                     : std::to_string(low) + "～" + std::to_string(high) + "分";
}

std::string Quoted(const Band& band) { return "\"" + BandName(band) + "\""; }

void CheckBandTexts(std::span<const Band> bands, const std::string& what,
                    std::vector<std::string>& faults) {
  for (const Band& band : bands) {
    if (band.low > band.high) {
      faults.push_back(what + " band " + Quoted(band) +
                       " ends below its start");
    }
    if (band.text.empty()) {
      faults.push_back(what + " band " + Quoted(band) + " has no text");
    }
  }
}

// All part-by-scale ranges must be equal for one set of part bands to apply.
void CheckSharedRange(const Questionnaire& questionnaire,
                      const std::vector<std::vector<int>>& groups,
                      std::span<const Band> bands, const std::string& what,
                      std::vector<std::string>& faults) {
  if (bands.empty() || groups.empty()) return;
  const ScoreRange range = ItemsRange(questionnaire, groups.front());
  for (const auto& group : groups) {
    if (ItemsRange(questionnaire, group) != range) {
      faults.push_back(what + " bands apply to groups whose ranges differ");
      return;
    }
  }
  for (std::string& fault : CheckBandCoverage(bands, range, what)) {
    faults.push_back(std::move(fault));
  }
}

}  // namespace

std::string BandName(const Band& band) {
  const std::string range = RangeText(band.low, band.high);
  return band.heading.empty() ? range : range + "：" + band.heading;
}

std::vector<std::string> CheckBandCoverage(std::span<const Band> bands,
                                           ScoreRange range,
                                           const std::string& what) {
  std::vector<std::string> faults;
  if (bands.empty()) {
    faults.push_back(what + ": no bands for " +
                     RangeText(range.low, range.high));
    return faults;
  }
  std::vector<const Band*> sorted;
  for (const Band& band : bands) sorted.push_back(&band);
  std::ranges::stable_sort(
      sorted, [](const Band* a, const Band* b) { return a->low < b->low; });
  const std::string prefix = what + " band ";
  if (sorted.front()->low < range.low) {
    faults.push_back(prefix + Quoted(*sorted.front()) +
                     " starts below the lowest possible score " +
                     std::to_string(range.low));
  } else if (sorted.front()->low > range.low) {
    faults.push_back(what + ": no band covers " +
                     RangeText(range.low, sorted.front()->low - 1) +
                     ", below band " + Quoted(*sorted.front()));
  }
  int covered_to = sorted.front()->high;
  for (std::size_t i = 1; i < sorted.size(); ++i) {
    const Band& previous = *sorted[i - 1];
    const Band& band = *sorted[i];
    if (band.low <= covered_to) {
      faults.push_back(prefix + Quoted(band) + " overlaps band " +
                       Quoted(previous) + " at " +
                       RangeText(band.low, std::min(covered_to, band.high)));
    } else if (band.low > covered_to + 1) {
      faults.push_back(
          what + ": no band covers " + RangeText(covered_to + 1, band.low - 1) +
          ", between bands " + Quoted(previous) + " and " + Quoted(band));
    }
    covered_to = std::max(covered_to, band.high);
  }
  if (covered_to > range.high) {
    faults.push_back(prefix + Quoted(*sorted.back()) +
                     " reaches above the highest possible score " +
                     std::to_string(range.high));
  } else if (covered_to < range.high) {
    faults.push_back(what + ": no band covers " +
                     RangeText(covered_to + 1, range.high) + ", above band " +
                     Quoted(*sorted.back()));
  }
  return faults;
}

std::vector<std::string> CheckQuestionnaire(
    const Questionnaire& questionnaire) {
  std::vector<std::string> faults;
  const int item_count = static_cast<int>(questionnaire.items.size());
  if (item_count == 0) faults.push_back("the questionnaire has no items");
  if (questionnaire.points.empty()) {
    faults.push_back("the key gives no points for the options");
  }
  for (int i = 0; i < item_count; ++i) {
    const std::size_t options = questionnaire.items[i].options.size();
    if (options != questionnaire.points.size()) {
      faults.push_back("item " + std::to_string(i + 1) + " has " +
                       std::to_string(options) + " options but the key has " +
                       std::to_string(questionnaire.points.size()));
    }
  }

  std::set<int> in_a_scale;
  for (const Scale& scale : questionnaire.scales) {
    for (const int item : scale.items) {
      if (item < 1 || item > item_count) {
        faults.push_back("scale \"" + scale.name + "\" lists item " +
                         std::to_string(item) + ", which does not exist");
      }
      in_a_scale.insert(item);
    }
  }
  for (int item = 1; item <= item_count; ++item) {
    if (!in_a_scale.contains(item)) {
      faults.push_back("item " + std::to_string(item) + " belongs to no scale");
    }
  }

  CheckBandTexts(questionnaire.total_bands, "total", faults);
  CheckBandTexts(questionnaire.scale_bands, "scale", faults);
  CheckBandTexts(questionnaire.part_bands, "part", faults);
  switch (questionnaire.kind) {
    case ResultKind::kTotal:
      for (std::string& fault : CheckBandCoverage(
               questionnaire.total_bands, TotalRange(questionnaire), "total")) {
        faults.push_back(std::move(fault));
      }
      break;
    case ResultKind::kRankedTypes:
      if (questionnaire.scale_bands.empty()) {
        faults.push_back("the types have no result bands");
      }
      break;
  }
  std::vector<std::vector<int>> scale_groups;
  for (const Scale& scale : questionnaire.scales) {
    scale_groups.push_back(scale.items);
  }
  CheckSharedRange(questionnaire, scale_groups, questionnaire.scale_bands,
                   "scale", faults);
  if (!questionnaire.parts.empty() && questionnaire.part_bands.empty()) {
    faults.push_back("the parts have no bands");
  }
  std::vector<std::vector<int>> part_groups;
  for (const Scale& part : questionnaire.parts) {
    for (const Scale& scale : questionnaire.scales) {
      part_groups.push_back(ItemsInBoth(scale, part));
    }
  }
  CheckSharedRange(questionnaire, part_groups, questionnaire.part_bands, "part",
                   faults);
  return faults;
}

}  // namespace tessaly::questionnaires
