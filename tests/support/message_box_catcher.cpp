#include "tests/support/message_box_catcher.h"

#include <QAbstractButton>
#include <QApplication>

namespace tessaly::testing {

MessageBoxCatcher::MessageBoxCatcher() {
  timer_.setInterval(10);
  connect(&timer_, &QTimer::timeout, this, &MessageBoxCatcher::Poll);
  timer_.start();
}

void MessageBoxCatcher::Poll() {
  for (QWidget* widget : QApplication::topLevelWidgets()) {
    auto* box = qobject_cast<QMessageBox*>(widget);
    if (box == nullptr || !box->isVisible()) continue;
    messages_.push_back({box->windowTitle(), box->text(), box->icon(),
                         static_cast<int>(box->buttons().size())});
    if (QAbstractButton* ok = box->button(QMessageBox::Ok)) {
      ok->click();
    } else {
      box->reject();
    }
  }
}

}  // namespace tessaly::testing
