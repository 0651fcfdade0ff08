#include "toolkit/click_tracker.h"

#include <QMouseEvent>
#include <QWidget>

namespace tessaly::toolkit {

bool ClickTracker::Press(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return false;
  pressed_ = true;
  event->accept();
  return true;
}

bool ClickTracker::Release(QMouseEvent* event, const QWidget& control) {
  const bool was_pressed = pressed_;
  pressed_ = false;
  if (event->button() != Qt::LeftButton || !was_pressed ||
      !control.isEnabled() ||
      !control.rect().contains(event->position().toPoint())) {
    return false;
  }
  event->accept();
  return true;
}

}  // namespace tessaly::toolkit
