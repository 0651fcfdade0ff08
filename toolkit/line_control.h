// A line control between two design points (twips), drawn one pixel wide in a
// colour that may be a system colour reference. It takes no mouse input.
#ifndef TESSALY_TOOLKIT_LINE_CONTROL_H_
#define TESSALY_TOOLKIT_LINE_CONTROL_H_

#include <QWidget>

#include "toolkit/sys_colors.h"

namespace tessaly::toolkit {

class LineControl : public QWidget {
  Q_OBJECT

 public:
  LineControl(const QString& name, int x1, int y1, int x2, int y2,
              ColorRef color, QWidget* parent);

  ColorRef Color() const { return color_; }
  // End points in pixels, in the parent's coordinates.
  QPoint From() const { return from_; }
  QPoint To() const { return to_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QPoint from_;
  QPoint to_;
  ColorRef color_;
};

}  // namespace tessaly::toolkit

#endif  // TESSALY_TOOLKIT_LINE_CONTROL_H_
