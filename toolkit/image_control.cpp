#include "toolkit/image_control.h"

#include <QMouseEvent>
#include <QPainter>

namespace tessaly::toolkit {

ImageControl::ImageControl(const QString& name, const QPixmap& picture,
                           bool stretch, QWidget* parent)
    : QWidget(parent), picture_(picture), stretch_(stretch) {
  setObjectName(name);
  if (!stretch_) resize(picture_.deviceIndependentSize().toSize());
}

void ImageControl::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  if (!stretch_) {
    painter.drawPixmap(0, 0, picture_);
    return;
  }
  // Smooth scaling is slow; do it once per size and pixel ratio.
  const qreal ratio = devicePixelRatioF();
  const QSize device_size = (QSizeF(size()) * ratio).toSize();
  if (stretched_.size() != device_size) {
    stretched_ = picture_.scaled(device_size, Qt::IgnoreAspectRatio,
                                 Qt::SmoothTransformation);
    stretched_.setDevicePixelRatio(ratio);
  }
  painter.drawPixmap(0, 0, stretched_);
}

void ImageControl::mousePressEvent(QMouseEvent* event) {
  if (!clicks_.Press(event)) QWidget::mousePressEvent(event);
}

void ImageControl::mouseReleaseEvent(QMouseEvent* event) {
  if (clicks_.Release(event, *this)) {
    Q_EMIT Click();
    return;
  }
  QWidget::mouseReleaseEvent(event);
}

}  // namespace tessaly::toolkit
