// The result area of the questionnaire form: the headline with the total,
// the band's heading and text, and the sub-scores as a bar chart.
#ifndef TESSALY_QUESTIONNAIRES_RESULT_VIEW_H_
#define TESSALY_QUESTIONNAIRES_RESULT_VIEW_H_

#include <QWidget>

#include "questionnaires/result_summary.h"

class QLabel;

namespace tessaly::questionnaires {

class SubScoreChart;

class ResultView : public QWidget {
  Q_OBJECT

 public:
  explicit ResultView(QWidget* parent);

  void ShowSummary(const ResultSummary& summary);

 private:
  QLabel* headline_;
  QLabel* band_heading_;
  QLabel* band_text_;
  QLabel* rows_title_;
  SubScoreChart* chart_;
  QLabel* remarks_;
};

}  // namespace tessaly::questionnaires

#endif  // TESSALY_QUESTIONNAIRES_RESULT_VIEW_H_
