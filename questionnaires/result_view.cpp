#include "questionnaires/result_view.h"

#include <QLabel>
#include <QVBoxLayout>

#include "questionnaires/sub_score_chart.h"

namespace tessaly::questionnaires {
namespace {

QString FromStd(const std::string& text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QLabel* AddLabel(QVBoxLayout* layout, const char* name, QWidget* parent) {
  auto* label = new QLabel(parent);
  label->setObjectName(QString::fromLatin1(name));
  label->setWordWrap(true);
  label->setTextInteractionFlags(Qt::TextSelectableByMouse);
  layout->addWidget(label);
  return label;
}

}  // namespace

ResultView::ResultView(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("QuestionnaireResult"));
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  headline_ = AddLabel(layout, "ResultTotal", this);
  QFont big = headline_->font();
  big.setPointSizeF(big.pointSizeF() * 1.4);
  big.setBold(true);
  headline_->setFont(big);
  band_heading_ = AddLabel(layout, "ResultBand", this);
  QFont bold = band_heading_->font();
  bold.setBold(true);
  band_heading_->setFont(bold);
  band_text_ = AddLabel(layout, "ResultText", this);
  rows_title_ = AddLabel(layout, "SubScoresTitle", this);
  rows_title_->setFont(bold);
  chart_ = new SubScoreChart(this);
  layout->addWidget(chart_);
  remarks_ = AddLabel(layout, "SubScoreRemarks", this);
}

void ResultView::ShowSummary(const ResultSummary& summary) {
  headline_->setText(FromStd(summary.headline));
  band_heading_->setText(FromStd(summary.band_heading));
  band_text_->setText(FromStd(summary.band_text));
  rows_title_->setText(FromStd(summary.rows_title));
  std::vector<ChartRow> rows;
  QStringList remarks;
  for (const SummaryRow& row : summary.rows) {
    rows.push_back(
        {FromStd(row.name), row.score, row.range.low, row.range.high});
    if (!row.remark.empty()) {
      remarks.append(
          QStringLiteral("%1：%2").arg(FromStd(row.name), FromStd(row.remark)));
    }
  }
  chart_->SetRows(std::move(rows));
  remarks_->setText(remarks.join(u'\n'));
  remarks_->setVisible(!remarks.isEmpty());
  rows_title_->setVisible(!summary.rows.empty());
  chart_->setVisible(!summary.rows.empty());
}

}  // namespace tessaly::questionnaires
