#include "toolkit/masked_date_box.h"

#include <QFocusEvent>
#include <QMouseEvent>
#include <algorithm>

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
  // Only the user moving on inside the window leaves the box: another window
  // coming up (our own message box among them) or a pop-up opening does not.
  const bool window_switch = event->reason() == Qt::ActiveWindowFocusReason ||
                             event->reason() == Qt::PopupFocusReason ||
                             !window()->isActiveWindow();
  if (!window_switch) Q_EMIT LostFocus();
}

void MaskedDateBox::mousePressEvent(QMouseEvent* event) {
  QLineEdit::mousePressEvent(event);
  // Shift extends a selection and a double click selects: leave both alone.
  if (event->button() != Qt::LeftButton ||
      event->modifiers() != Qt::NoModifier) {
    return;
  }
  constexpr QChar kPrompt = u'_';
  const QString shown = displayText();
  const bool empty = std::ranges::all_of(
      shown, [](QChar c) { return c == kPrompt || c == u'-'; });
  if (empty) {
    setCursorPosition(0);
    return;
  }
  const qsizetype next_prompt = shown.indexOf(kPrompt, cursorPosition());
  if (next_prompt >= 0) setCursorPosition(static_cast<int>(next_prompt));
}

}  // namespace tessaly::toolkit
