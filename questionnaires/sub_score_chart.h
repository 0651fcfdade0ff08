// A small horizontal bar chart of sub-scores: one row per scale, the bar's
// length the score's place in the scale's range.
#ifndef TESSALY_QUESTIONNAIRES_SUB_SCORE_CHART_H_
#define TESSALY_QUESTIONNAIRES_SUB_SCORE_CHART_H_

#include <QString>
#include <QWidget>
#include <vector>

namespace tessaly::questionnaires {

struct ChartRow {
  QString name;
  int score = 0;
  int low = 0;
  int high = 0;
};

class SubScoreChart : public QWidget {
  Q_OBJECT

 public:
  explicit SubScoreChart(QWidget* parent);

  void SetRows(std::vector<ChartRow> rows);
  const std::vector<ChartRow>& Rows() const { return rows_; }

  QSize sizeHint() const override;
  QSize minimumSizeHint() const override { return sizeHint(); }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  std::vector<ChartRow> rows_;
};

}  // namespace tessaly::questionnaires

#endif  // TESSALY_QUESTIONNAIRES_SUB_SCORE_CHART_H_
