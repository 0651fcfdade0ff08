// The checks a questionnaire's key must pass before it is built into the
// program: bands that cover the possible range with no gap and no overlap,
// every item in a scale, a text for every band.
#ifndef TESSALY_QUESTIONNAIRES_KEY_CHECK_H_
#define TESSALY_QUESTIONNAIRES_KEY_CHECK_H_

#include <span>
#include <string>
#include <vector>

#include "questionnaires/questionnaire.h"
#include "questionnaires/scoring.h"

namespace tessaly::questionnaires {

// How a band is named in messages: "60～100分：焦虑程度较轻".
std::string BandName(const Band& band);

// One message per fault of `bands` over `range`; `what` says whose bands
// they are ("total", "scale bands").
std::vector<std::string> CheckBandCoverage(std::span<const Band> bands,
                                           ScoreRange range,
                                           const std::string& what);

// Every fault of the key, each message naming the band or item; empty when
// the questionnaire can be scored.
std::vector<std::string> CheckQuestionnaire(const Questionnaire& questionnaire);

}  // namespace tessaly::questionnaires

#endif  // TESSALY_QUESTIONNAIRES_KEY_CHECK_H_
