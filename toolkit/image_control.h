// An image control: a picture stretched to the control or at natural size,
// with a Click while it is enabled. Disabling it does not grey the picture.
#ifndef TESSALY_TOOLKIT_IMAGE_CONTROL_H_
#define TESSALY_TOOLKIT_IMAGE_CONTROL_H_

#include <QPixmap>
#include <QWidget>

#include "toolkit/click_tracker.h"

namespace tessaly::toolkit {

class ImageControl : public QWidget {
  Q_OBJECT

 public:
  ImageControl(const QString& name, const QPixmap& picture, bool stretch,
               QWidget* parent);

  const QPixmap& Picture() const { return picture_; }

 Q_SIGNALS:
  void Click();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  QPixmap picture_;
  QPixmap stretched_;  // the picture scaled to the control, kept
  bool stretch_;
  ClickTracker clicks_;
};

}  // namespace tessaly::toolkit

#endif  // TESSALY_TOOLKIT_IMAGE_CONTROL_H_
