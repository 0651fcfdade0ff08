#include "toolkit/units.h"

#include <QWidget>

namespace tessaly::toolkit {

void PlaceTwips(QWidget* widget, int left, int top, int width, int height) {
  widget->setGeometry(TwipsRect(left, top, width, height));
}

}  // namespace tessaly::toolkit
