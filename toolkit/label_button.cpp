#include "toolkit/label_button.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include "toolkit/accessibility.h"

namespace tessaly::toolkit {

LabelButton::LabelButton(const QString& name, const QString& caption,
                         QWidget* parent)
    : QLabel(caption, parent) {
  setObjectName(name);
  setAlignment(Qt::AlignHCenter | Qt::AlignTop);
  FollowSysColors(this, [this] { ApplyColors(); });
  InstallAccessibleInterfaces();
}

void LabelButton::SetCaption(const QString& caption) {
  if (caption == text()) return;
  setText(caption);
  if (clickable_ && accessibleName().isEmpty()) {
    QAccessibleEvent changed(this, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&changed);
  }
}

void LabelButton::SetClickable() {
  clickable_ = true;
  SetTabStop(true);
  ApplyCursor();
}

void LabelButton::SetTabStop(bool tab_stop) {
  // Tab only: a mouse click must not leave a focus rectangle behind, so a
  // clicked label looks as designed.
  setFocusPolicy(clickable_ && tab_stop ? Qt::TabFocus : Qt::NoFocus);
}

void LabelButton::ClickLater() {
  QMetaObject::invokeMethod(
      this,
      [this] {
        if (!isEnabled()) return;
        clicked_by_keyboard_ = false;
        Q_EMIT Click();
      },
      Qt::QueuedConnection);
}

void LabelButton::ApplyCursor() {
  if (clickable_ && isEnabled()) {
    setCursor(Qt::PointingHandCursor);
  } else {
    unsetCursor();
  }
}

void LabelButton::changeEvent(QEvent* event) {
  QLabel::changeEvent(event);
  if (event->type() == QEvent::EnabledChange) {
    ApplyCursor();
    if (!isEnabled()) SetPressedLook(false);
  }
}

void LabelButton::SetPressedLook(bool pressed) {
  if (pressed == pressed_look_) return;
  pressed_look_ = pressed;
  update();
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

void LabelButton::paintEvent(QPaintEvent* event) {
  if (wordWrap() || text().contains(QLatin1Char('\n'))) {
    QLabel::paintEvent(event);
  } else {
    QPainter painter(this);
    // Pressed, the caption sinks by a pixel as a pushed button's does.
    DrawCaption(painter, pressed_look_ ? QPointF(1, 1) : QPointF());
  }
  const bool focus_shown = hasFocus() && focus_cue_;
  if (!pressed_look_ && !focus_shown) return;
  QPainter painter(this);
  const QRect edge = rect().adjusted(0, 0, -1, -1);
  if (pressed_look_) {
    painter.setPen(palette().color(QPalette::Dark));
    painter.drawLine(edge.topLeft(), edge.topRight());
    painter.drawLine(edge.topLeft(), edge.bottomLeft());
    painter.setPen(palette().color(QPalette::Light));
    painter.drawLine(edge.bottomLeft(), edge.bottomRight());
    painter.drawLine(edge.topRight(), edge.bottomRight());
  }
  if (focus_shown) {
    painter.setPen(QPen(palette().color(QPalette::WindowText), 1, Qt::DotLine));
    painter.drawRect(edge.adjusted(1, 1, -1, -1));
  }
}

void LabelButton::DrawCaption(QPainter& painter, QPointF offset) {
  // The substitute fonts have taller line boxes than the fonts the labels
  // were designed with, whose ascent is about 0.86 em with the em as the
  // whole cell. Placing the baseline where those fonts put it keeps the text
  // inside its label as designed, instead of pushing it down and clipping it.
  constexpr qreal kDesignAscent = 0.86;
  const QFont& label_font = font();
  const qreal em = label_font.pointSizeF() > 0
                       ? label_font.pointSizeF() * logicalDpiY() / 72.0
                       : label_font.pixelSize();
  const QRectF area = contentsRect();
  qreal top = area.top();
  if (alignment() & Qt::AlignVCenter) top += (area.height() - em) / 2;
  if (alignment() & Qt::AlignBottom) top = area.bottom() + 1 - em;
  qreal text_width = QFontMetricsF(label_font).horizontalAdvance(text());
  // A caption a little wider than its label is narrowed to fit rather than
  // losing its first and last letters.
  qreal squeeze = 1;
  if (text_width > area.width() && text_width <= area.width() * 1.2) {
    squeeze = area.width() / text_width;
    text_width = area.width();
  }
  qreal left = area.left();
  if (alignment() & Qt::AlignHCenter) left += (area.width() - text_width) / 2;
  if (alignment() & Qt::AlignRight) left = area.right() + 1 - text_width;
  const QPointF baseline = QPointF(left, top + kDesignAscent * em) + offset;

  painter.save();
  painter.setFont(label_font);
  painter.translate(baseline);
  painter.scale(squeeze, 1);
  painter.translate(-baseline);
  if (isEnabled()) {
    painter.setPen(palette().color(QPalette::Active, QPalette::WindowText));
  } else {
    // Greyed as the desktop draws disabled labels: etched into the surface.
    painter.setPen(palette().color(QPalette::Light));
    painter.drawText(baseline + QPointF(1, 1), text());
    painter.setPen(palette().color(QPalette::Disabled, QPalette::WindowText));
  }
  painter.drawText(baseline, text());
  painter.restore();
}

void LabelButton::mousePressEvent(QMouseEvent* event) {
  if (!clicks_.Press(event)) {
    QLabel::mousePressEvent(event);
    return;
  }
  if (clickable_) SetPressedLook(true);
}

void LabelButton::mouseMoveEvent(QMouseEvent* event) {
  // Sliding off the label while the button is down lets it spring back, as
  // releasing there does not click it.
  if (clickable_ && (event->buttons() & Qt::LeftButton) && clicks_.Pressed()) {
    SetPressedLook(rect().contains(event->position().toPoint()));
  }
  QLabel::mouseMoveEvent(event);
}

void LabelButton::mouseReleaseEvent(QMouseEvent* event) {
  SetPressedLook(false);
  if (clicks_.Release(event, *this)) {
    clicked_by_keyboard_ = false;
    Q_EMIT Click();
    return;
  }
  QLabel::mouseReleaseEvent(event);
}

void LabelButton::keyPressEvent(QKeyEvent* event) {
  const bool click_key = event->key() == Qt::Key_Space ||
                         event->key() == Qt::Key_Return ||
                         event->key() == Qt::Key_Enter;
  if (!clickable_ || !click_key || event->modifiers() != Qt::NoModifier) {
    QLabel::keyPressEvent(event);
    return;
  }
  event->accept();
  focus_cue_ = true;
  if (event->isAutoRepeat() || !isEnabled()) return;
  clicked_by_keyboard_ = true;
  Q_EMIT Click();
}

void LabelButton::focusInEvent(QFocusEvent* event) {
  QLabel::focusInEvent(event);
  switch (event->reason()) {
    case Qt::TabFocusReason:
    case Qt::BacktabFocusReason:
    case Qt::ShortcutFocusReason:
      focus_cue_ = true;
      break;
    case Qt::ActiveWindowFocusReason:
      // A window that comes up hands its first Tab stop the focus. A label
      // is no place for it to rest before the keyboard is used: it would
      // take Enter from the window, and the first Tab would skip it.
      if (!focus_cue_) {
        QMetaObject::invokeMethod(
            this,
            [this] {
              if (hasFocus() && !focus_cue_) clearFocus();
            },
            Qt::QueuedConnection);
      }
      break;
    default:
      break;
  }
}

}  // namespace tessaly::toolkit
