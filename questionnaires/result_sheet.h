// The printed sheet of a filled questionnaire: the result and every answer,
// scaled to fit one page.
#ifndef TESSALY_QUESTIONNAIRES_RESULT_SHEET_H_
#define TESSALY_QUESTIONNAIRES_RESULT_SHEET_H_

#include <QString>

#include "questionnaires/questionnaire.h"
#include "questionnaires/scoring.h"

class QPagedPaintDevice;

namespace tessaly::questionnaires {

// The sheet as HTML: title, result, sub-scores, then the answers.
QString ResultSheetHtml(const Questionnaire& questionnaire,
                        const Answers& answers);

// Draws the sheet on the first page of `device` (a printer or a PDF
// writer), shrunk if it would not fit. False if the answers are incomplete
// or painting could not start.
bool PrintResultSheet(const Questionnaire& questionnaire,
                      const Answers& answers, QPagedPaintDevice& device);

}  // namespace tessaly::questionnaires

#endif  // TESSALY_QUESTIONNAIRES_RESULT_SHEET_H_
