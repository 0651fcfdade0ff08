#include "toolkit/label_button.h"

#include <QMouseEvent>

namespace tessaly::toolkit {

LabelButton::LabelButton(const QString& name, const QString& caption,
                         QWidget* parent)
    : QLabel(caption, parent) {
  setObjectName(name);
  setAlignment(Qt::AlignHCenter | Qt::AlignTop);
  FollowSysColors(this, [this] { ApplyColors(); });
}

void LabelButton::SetBackColor(ColorRef color) {
  back_color_ = color;
  ApplyColors();
}

void LabelButton::SetTransparentBack() {
  back_color_.reset();
  ApplyColors();
}

void LabelButton::SetForeColor(ColorRef color) {
  fore_color_ = color;
  ApplyColors();
}

void LabelButton::ApplyColors() {
  QPalette pal = palette();
  const QColor fore = ResolveColor(fore_color_);
  pal.setColor(QPalette::Active, QPalette::WindowText, fore);
  pal.setColor(QPalette::Inactive, QPalette::WindowText, fore);
  if (back_color_) pal.setColor(QPalette::Window, ResolveColor(*back_color_));
  setPalette(pal);
  setAutoFillBackground(back_color_.has_value());
  update();
}

void LabelButton::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) {
    pressed_ = true;
    event->accept();
    return;
  }
  QLabel::mousePressEvent(event);
}

void LabelButton::mouseReleaseEvent(QMouseEvent* event) {
  const bool was_pressed = pressed_;
  pressed_ = false;
  if (event->button() == Qt::LeftButton && was_pressed && isEnabled() &&
      rect().contains(event->position().toPoint())) {
    event->accept();
    Q_EMIT Click();
    return;
  }
  QLabel::mouseReleaseEvent(event);
}

}  // namespace tessaly::toolkit
