#include "toolkit/label_button.h"

#include <QMouseEvent>
#include <QPainter>

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

void LabelButton::paintEvent(QPaintEvent* event) {
  if (wordWrap() || text().contains(QLatin1Char('\n'))) {
    QLabel::paintEvent(event);
    return;
  }
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
  const QPointF baseline(left, top + kDesignAscent * em);

  QPainter painter(this);
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
}

void LabelButton::mousePressEvent(QMouseEvent* event) {
  if (!clicks_.Press(event)) QLabel::mousePressEvent(event);
}

void LabelButton::mouseReleaseEvent(QMouseEvent* event) {
  if (clicks_.Release(event, *this)) {
    Q_EMIT Click();
    return;
  }
  QLabel::mouseReleaseEvent(event);
}

}  // namespace tessaly::toolkit
