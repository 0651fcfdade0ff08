#include "tests/support/message_box_catcher.h"

#include <QAbstractButton>
#include <QApplication>
#include <algorithm>

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
    const bool seen = std::any_of(answered_.begin(), answered_.end(),
                                  [box](const QPointer<QMessageBox>& answered) {
                                    return answered == box;
                                  });
    if (seen) continue;
    answered_.emplace_back(box);
    QAbstractButton* ok = box->button(QMessageBox::Ok);
    messages_.push_back({box->windowTitle(), box->text(), box->icon(),
                         static_cast<int>(box->buttons().size()),
                         ok != nullptr ? ok->text() : QString()});
    if (ok != nullptr) {
      ok->click();
    } else {
      box->reject();
    }
  }
}

}  // namespace tessaly::testing
