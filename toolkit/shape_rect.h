// A rectangle shape: an outline (and optional fill) in a colour that may be a
// system colour reference. It takes no mouse input.
#ifndef TESSALY_TOOLKIT_SHAPE_RECT_H_
#define TESSALY_TOOLKIT_SHAPE_RECT_H_

#include <QWidget>
#include <optional>

#include "toolkit/sys_colors.h"

namespace tessaly::toolkit {

class ShapeRect : public QWidget {
  Q_OBJECT

 public:
  ShapeRect(const QString& name, ColorRef border_color, QWidget* parent);

  void SetBorderColor(ColorRef color);
  void SetFillColor(std::optional<ColorRef> color);
  ColorRef BorderColor() const { return border_color_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  ColorRef border_color_;
  std::optional<ColorRef> fill_color_;
};

}  // namespace tessaly::toolkit

#endif  // TESSALY_TOOLKIT_SHAPE_RECT_H_
