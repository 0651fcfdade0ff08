// Reads a questionnaire's items and key out of a topic's markup, so that the
// page and the fillable form come from the same source, and writes the
// compiled questionnaires as a C++ source file for the program.
//
// A topic is a questionnaire when its body holds a {points ...} token:
//   items     numbered items with check boxes, "1. 题目 [ ]从不 [ ]有时"
//   points    {points 从不=1 有时=2 经常=3 总是=4}, printed as
//             "从不记1分，有时记2分，经常记3分，总是记4分"
//   scales    the table with a 题号 column: the first cell names the scale,
//             题号 lists its items ("1～10" or "1、7、13"); a 得分范围 or 满分
//             column must agree with the items; a row named 总分 must list
//             every item
//   bands     "### 总分60～100分：焦虑程度较轻" and the blocks under it, or
//             for every scale, bullets "- **3～4分：**兴趣明显…"
//   parts     {parts 兴趣=1～12 能力=13～24}, printed "兴趣（第1～12题）、…",
//             and their levels {levels 0～1=低 2=一般}, "0～1分为低，2分为一般"
#ifndef TESSALY_TOOLS_CONTENT_COMPILER_QUESTIONNAIRE_MARKUP_H_
#define TESSALY_TOOLS_CONTENT_COMPILER_QUESTIONNAIRE_MARKUP_H_

#include <QString>
#include <QStringList>
#include <vector>

#include "questionnaires/questionnaire.h"
#include "tools/content_compiler/body_markup.h"
#include "tools/content_compiler/topic_source.h"

namespace tessaly::content_compiler {

// Replaces the data tokens in the blocks' text by the words the page shows.
void RenderDataTokens(std::vector<MarkupBlock>& blocks);

struct QuestionnaireMarkup {
  bool present = false;  // the topic has a key
  questionnaires::Questionnaire questionnaire;
  QStringList errors;  // markup and key faults, each naming the band or item
};

QuestionnaireMarkup ReadQuestionnaire(const TopicSource& source);

// A C++ source file that defines CompiledQuestionnaires().
QByteArray QuestionnaireSourceFile(
    const std::vector<questionnaires::Questionnaire>& all);

}  // namespace tessaly::content_compiler

#endif  // TESSALY_TOOLS_CONTENT_COMPILER_QUESTIONNAIRE_MARKUP_H_
