// The questionnaires compiled from the topic sources and built into the
// program, found by topic title.
#ifndef TESSALY_QUESTIONNAIRES_QUESTIONNAIRE_CATALOGUE_H_
#define TESSALY_QUESTIONNAIRES_QUESTIONNAIRE_CATALOGUE_H_

#include <string_view>
#include <vector>

#include "questionnaires/questionnaire.h"

namespace tessaly::questionnaires {

// Defined by the source file that the content compiler writes.
const std::vector<Questionnaire>& CompiledQuestionnaires();

// Exact title comparison, as the topic catalogue does; nullptr if the topic
// is not a questionnaire.
const Questionnaire* FindQuestionnaire(std::string_view title);

}  // namespace tessaly::questionnaires

#endif  // TESSALY_QUESTIONNAIRES_QUESTIONNAIRE_CATALOGUE_H_
