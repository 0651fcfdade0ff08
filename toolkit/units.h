// Design units: twips (15 per logical pixel) and a form's own user scale.
#ifndef TESSALY_TOOLKIT_UNITS_H_
#define TESSALY_TOOLKIT_UNITS_H_

#include <QRect>
#include <cmath>

class QWidget;

namespace tessaly::toolkit {

inline constexpr int kTwipsPerPixel = 15;

constexpr int TwipsToPixels(int twips) {
  return twips >= 0 ? (twips + kTwipsPerPixel / 2) / kTwipsPerPixel
                    : -((-twips + kTwipsPerPixel / 2) / kTwipsPerPixel);
}

constexpr QRect TwipsRect(int left, int top, int width, int height) {
  return QRect(TwipsToPixels(left), TwipsToPixels(top), TwipsToPixels(width),
               TwipsToPixels(height));
}

// Places a child control by its design rectangle in twips.
void PlaceTwips(QWidget* widget, int left, int top, int width, int height);

// A user scale: `width` × `height` units over a client area given in twips.
class UserScale {
 public:
  constexpr UserScale(double width_units, double height_units,
                      int client_width_twips, int client_height_twips)
      : twips_per_unit_x_(client_width_twips / width_units),
        twips_per_unit_y_(client_height_twips / height_units) {}

  double ToTwipsX(double units) const { return units * twips_per_unit_x_; }
  double ToTwipsY(double units) const { return units * twips_per_unit_y_; }
  int ToPixelsX(double units) const {
    return static_cast<int>(std::lround(ToTwipsX(units) / kTwipsPerPixel));
  }
  int ToPixelsY(double units) const {
    return static_cast<int>(std::lround(ToTwipsY(units) / kTwipsPerPixel));
  }
  double FromPixelsX(int pixels) const {
    return pixels * kTwipsPerPixel / twips_per_unit_x_;
  }
  double FromPixelsY(int pixels) const {
    return pixels * kTwipsPerPixel / twips_per_unit_y_;
  }

 private:
  double twips_per_unit_x_;
  double twips_per_unit_y_;
};

}  // namespace tessaly::toolkit

#endif  // TESSALY_TOOLKIT_UNITS_H_
