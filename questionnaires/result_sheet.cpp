#include "questionnaires/result_sheet.h"

#include <QAbstractTextDocumentLayout>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QTextDocument>
#include <algorithm>

#include "questionnaires/result_summary.h"

namespace tessaly::questionnaires {
namespace {

// Columns of the answer table: sixty answers fit a quarter of a page.
constexpr int kAnswerColumns = 4;

QString Html(const std::string& text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()))
      .toHtmlEscaped()
      .replace(u'\n', QStringLiteral("<br>"));
}

}  // namespace

QString ResultSheetHtml(const Questionnaire& questionnaire,
                        const Answers& answers) {
  QString html =
      QStringLiteral("<h2>%1 — 结果</h2>").arg(Html(questionnaire.title));
  if (const auto result = Score(questionnaire, answers)) {
    const ResultSummary summary = Summarise(questionnaire, *result);
    html += QStringLiteral("<p><b>%1</b></p><p><b>%2</b></p><p>%3</p>")
                .arg(Html(summary.headline), Html(summary.band_heading),
                     Html(summary.band_text));
    if (!summary.rows.empty()) {
      html += QStringLiteral("<p><b>%1</b></p><table cellpadding=2>")
                  .arg(Html(summary.rows_title));
      for (const SummaryRow& row : summary.rows) {
        html += QStringLiteral(
                    "<tr><td>%1</td><td align=right>%2分</td>"
                    "<td>（%3～%4分）</td><td>%5</td></tr>")
                    .arg(Html(row.name))
                    .arg(row.score)
                    .arg(row.range.low)
                    .arg(row.range.high)
                    .arg(Html(row.remark));
      }
      html += QStringLiteral("</table>");
    }
  }
  html +=
      QStringLiteral("<p><b>我的回答</b></p><table cellpadding=1 width=100%>");
  const int count = static_cast<int>(questionnaire.items.size());
  const int rows = (count + kAnswerColumns - 1) / kAnswerColumns;
  for (int r = 0; r < rows; ++r) {
    html += QStringLiteral("<tr>");
    for (int c = 0; c < kAnswerColumns; ++c) {
      const int i = c * rows + r;
      QString cell;
      if (i < count) {
        const int answer = static_cast<std::size_t>(i) < answers.size()
                               ? answers[static_cast<std::size_t>(i)]
                               : kNoAnswer;
        const auto& options =
            questionnaire.items[static_cast<std::size_t>(i)].options;
        cell = QStringLiteral("%1. %2").arg(i + 1).arg(
            answer >= 0 && static_cast<std::size_t>(answer) < options.size()
                ? Html(options[static_cast<std::size_t>(answer)])
                : QStringLiteral("—"));
      }
      html += QStringLiteral("<td>%1</td>").arg(cell);
    }
    html += QStringLiteral("</tr>");
  }
  html +=
      QStringLiteral("</table><p><i>这只是一次自我检查，不是诊断。</i></p>");
  return html;
}

bool PrintResultSheet(const Questionnaire& questionnaire,
                      const Answers& answers, QPagedPaintDevice& device) {
  if (!Score(questionnaire, answers)) return false;
  QPainter painter;
  if (!painter.begin(&device)) return false;
  const QRectF page(0, 0, device.width(), device.height());
  QTextDocument document;
  document.documentLayout()->setPaintDevice(&device);
  document.setHtml(ResultSheetHtml(questionnaire, answers));
  // Shrinking gives the text more width, which takes fewer lines: settle
  // the scale in a few rounds.
  double scale = 1.0;
  for (int round = 0; round < 3; ++round) {
    document.setTextWidth(page.width() / scale);
    scale = std::min(
        1.0, page.height() * scale / (document.size().height() * scale));
  }
  painter.scale(scale, scale);
  document.drawContents(
      &painter, QRectF(0, 0, page.width() / scale, page.height() / scale));
  return painter.end();
}

}  // namespace tessaly::questionnaires
