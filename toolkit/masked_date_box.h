// A date entry box with the mask ####-##-## and the prompt character '_'.
// Its text is always ten characters: dashes at positions 5 and 8, a '_' for
// every digit not yet typed.
#ifndef TESSALY_TOOLKIT_MASKED_DATE_BOX_H_
#define TESSALY_TOOLKIT_MASKED_DATE_BOX_H_

#include <QLineEdit>

namespace tessaly::toolkit {

class MaskedDateBox : public QLineEdit {
  Q_OBJECT

 public:
  MaskedDateBox(const QString& name, QWidget* parent);

  // The text as shown, prompt characters and dashes included.
  QString Text() const { return displayText(); }

 Q_SIGNALS:
  // The user moved the focus from the box to another control of its window.
  void LostFocus();

 protected:
  void focusOutEvent(QFocusEvent* event) override;
  // A click puts the caret where typing can go on: at the start of an empty
  // box, else at the first prompt character at or after the click.
  void mousePressEvent(QMouseEvent* event) override;
};

}  // namespace tessaly::toolkit

#endif  // TESSALY_TOOLKIT_MASKED_DATE_BOX_H_
