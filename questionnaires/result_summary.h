// The words and rows that show a scored result, the same in the form and on
// the printed sheet: the headline, the band, and the sub-scores (for the
// career tests, the types ranked with what their score means).
#ifndef TESSALY_QUESTIONNAIRES_RESULT_SUMMARY_H_
#define TESSALY_QUESTIONNAIRES_RESULT_SUMMARY_H_

#include <string>
#include <vector>

#include "questionnaires/questionnaire.h"
#include "questionnaires/scoring.h"

namespace tessaly::questionnaires {

struct SummaryRow {
  std::string name;
  int score = 0;
  ScoreRange range;
  std::string remark;  // the scale's band text and part levels, if any
};

struct ResultSummary {
  std::string headline;  // "总分 152（60～240分）", "得分最高：实际型（4分）"
  std::string band_heading;
  std::string band_text;
  std::string rows_title;  // "各部分小计", "各类型得分（从高到低）"
  std::vector<SummaryRow> rows;
};

ResultSummary Summarise(const Questionnaire& questionnaire,
                        const Result& result);

}  // namespace tessaly::questionnaires

#endif  // TESSALY_QUESTIONNAIRES_RESULT_SUMMARY_H_
