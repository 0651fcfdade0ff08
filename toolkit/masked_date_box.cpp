#include "toolkit/masked_date_box.h"

#include <QFocusEvent>

namespace tessaly::toolkit {

MaskedDateBox::MaskedDateBox(const QString& name, QWidget* parent)
    : QLineEdit(parent) {
  setObjectName(name);
  // '0' lets a digit position stay empty, so a partly typed date keeps its
  // prompt characters instead of being refused.
  setInputMask(QStringLiteral("0000-00-00;_"));
}

void MaskedDateBox::focusOutEvent(QFocusEvent* event) {
  QLineEdit::focusOutEvent(event);
  // A pop-up (such as our own message box's parent menu) taking the focus
  // for a moment is not the user leaving the box.
  if (event->reason() != Qt::PopupFocusReason) Q_EMIT LostFocus();
}

}  // namespace tessaly::toolkit
