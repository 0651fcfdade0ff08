#include "questionnaires/questionnaire_catalogue.h"

namespace tessaly::questionnaires {

const Questionnaire* FindQuestionnaire(std::string_view title) {
  for (const Questionnaire& questionnaire : CompiledQuestionnaires()) {
    if (questionnaire.title == title) return &questionnaire;
  }
  return nullptr;
}

}  // namespace tessaly::questionnaires
