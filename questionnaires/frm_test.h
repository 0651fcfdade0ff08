// FRM_TEST: a questionnaire to fill in. Its items stand on one scrolling
// page, each with its options; the progress line counts the answers, and
// once every item is answered the result area shows the total, its band and
// the sub-scores, following every change. The answers live only in the
// window: closing it forgets them.
#ifndef TESSALY_QUESTIONNAIRES_FRM_TEST_H_
#define TESSALY_QUESTIONNAIRES_FRM_TEST_H_

#include <vector>

#include "questionnaires/questionnaire.h"
#include "questionnaires/scoring.h"
#include "toolkit/form.h"

class QLabel;
class QPushButton;
class QScrollArea;

namespace tessaly::questionnaires {

class ItemWidget;
class ResultView;

class FrmTest : public toolkit::Form {
  Q_OBJECT

 public:
  FrmTest();

  // Lays out the items of `questionnaire`, which must outlive the window.
  void Fill(const Questionnaire& questionnaire);

  Answers CurrentAnswers() const;

 private:
  void UpdateResult();
  void Restart();
  void PrintResult();
  void MoveOnFrom(int number);

  const Questionnaire* questionnaire_ = nullptr;
  QLabel* instructions_;
  QScrollArea* items_area_;
  std::vector<ItemWidget*> items_;
  QLabel* progress_;
  QLabel* pending_;
  QScrollArea* result_area_;
  ResultView* result_;
  QPushButton* restart_;
  QPushButton* print_;
};

// Opens FRM_TEST afresh for `questionnaire`, captioned with its title.
void OpenQuestionnaire(const Questionnaire& questionnaire);

}  // namespace tessaly::questionnaires

#endif  // TESSALY_QUESTIONNAIRES_FRM_TEST_H_
