#include "questionnaires/result_summary.h"

namespace tessaly::questionnaires {
namespace {

std::string RangeText(ScoreRange range) {
  return std::to_string(range.low) + "～" + std::to_string(range.high) + "分";
}

std::string Remark(const Questionnaire& questionnaire,
                   const ScaleScore& scale) {
  std::string remark = scale.band != nullptr ? scale.band->text : "";
  std::string levels;
  for (std::size_t p = 0; p < scale.parts.size(); ++p) {
    if (scale.parts[p].band == nullptr) continue;
    if (!levels.empty()) levels += "，";
    levels += questionnaire.parts[p].name + scale.parts[p].band->heading;
  }
  if (!levels.empty()) {
    if (!remark.empty())
      remark += "（" + levels + "）";
    else
      remark = levels;
  }
  return remark;
}

}  // namespace

ResultSummary Summarise(const Questionnaire& questionnaire,
                        const Result& result) {
  ResultSummary summary;
  const auto row = [&](std::size_t s) {
    const ScaleScore& scale = result.scales[s];
    return SummaryRow{questionnaire.scales[s].name, scale.score, scale.range,
                      Remark(questionnaire, scale)};
  };
  switch (questionnaire.kind) {
    case ResultKind::kTotal:
      summary.headline = "总分 " + std::to_string(result.total) + "（" +
                         RangeText(result.total_range) + "）";
      if (result.band != nullptr) {
        summary.band_heading = result.band->heading;
        summary.band_text = result.band->text;
      }
      summary.rows_title = "各部分小计";
      for (std::size_t s = 0; s < result.scales.size(); ++s) {
        summary.rows.push_back(row(s));
      }
      break;
    case ResultKind::kRankedTypes: {
      summary.rows_title = "各类型得分（从高到低）";
      for (const std::size_t s : result.ranking) summary.rows.push_back(row(s));
      if (summary.rows.empty()) break;
      const int top = summary.rows.front().score;
      std::string names;
      for (const SummaryRow& r : summary.rows) {
        if (r.score != top) break;
        if (!names.empty()) names += "、";
        names += r.name;
      }
      summary.headline =
          "得分最高：" + names + "（" + std::to_string(top) + "分）";
      summary.band_heading = names;
      summary.band_text = summary.rows.front().remark;
      break;
    }
  }
  return summary;
}

}  // namespace tessaly::questionnaires
