// The slim bar over the top of the reader's viewport when the topic is a
// questionnaire: it says the questionnaire can be filled in and scored here,
// opens the form (StartQuestionnaire) and closes itself with its close box.
#ifndef TESSALY_QUESTIONNAIRES_QUESTIONNAIRE_BAR_H_
#define TESSALY_QUESTIONNAIRES_QUESTIONNAIRE_BAR_H_

#include <QFrame>

#include "questionnaires/questionnaire.h"

namespace tessaly::questionnaires {

class QuestionnaireBar : public QFrame {
  Q_OBJECT

 public:
  // Lies over the top edge of `viewport_rect`, inside its border, on
  // `parent` (the reader window).
  QuestionnaireBar(const Questionnaire& questionnaire, QRect viewport_rect,
                   QWidget* parent);
};

// Puts the bar over the viewport if `title` is a questionnaire's.
void ShowQuestionnaireBarIfAny(const std::string& title, QRect viewport_rect,
                               QWidget* reader);

}  // namespace tessaly::questionnaires

#endif  // TESSALY_QUESTIONNAIRES_QUESTIONNAIRE_BAR_H_
