// One questionnaire item in the form: its text and its options as radio
// buttons. The item, not each button, takes the keyboard focus, so Tab moves
// from item to item; the arrow keys choose among the options, and a digit
// chooses that option and asks to move on.
#ifndef TESSALY_QUESTIONNAIRES_ITEM_WIDGET_H_
#define TESSALY_QUESTIONNAIRES_ITEM_WIDGET_H_

#include <QFrame>
#include <vector>

#include "questionnaires/questionnaire.h"

class QButtonGroup;
class QRadioButton;

namespace tessaly::questionnaires {

class ItemWidget : public QFrame {
  Q_OBJECT

 public:
  // `number` counts from 1; the widget is named "Item(number)".
  ItemWidget(int number, const Item& item, QWidget* parent);

  int Number() const { return number_; }
  // The chosen option's position, or kNoAnswer.
  int Answer() const;
  // Chooses an option (kNoAnswer clears) without announcing it.
  void SetAnswer(int option);

 Q_SIGNALS:
  void AnswerChanged();
  // A digit key chose the answer: the form moves on to the next item.
  void MoveOnRequested();
  void FocusEntered();

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;

 private:
  void Choose(int option);
  void ShowFocus(bool focused);

  int number_;
  QButtonGroup* group_;
  std::vector<QRadioButton*> buttons_;
};

}  // namespace tessaly::questionnaires

#endif  // TESSALY_QUESTIONNAIRES_ITEM_WIDGET_H_
