#include "reader/wheel_scroll.h"

namespace tessaly::reader {
namespace {
constexpr int kUnitsPerNotch = 120;
}

int WheelScroll::Step(int angle_delta, int pixel_delta,
                      int wheel_scroll_lines) {
  if (pixel_delta != 0) {
    remainder_ = 0;
    return -pixel_delta;
  }
  const int units =
      remainder_ + angle_delta * wheel_scroll_lines * kTextLinePixels;
  // Division truncates towards zero, so what is left keeps the sign of the
  // turn and a reversal starts from the part already turned.
  remainder_ = units % kUnitsPerNotch;
  return -(units / kUnitsPerNotch);
}

}  // namespace tessaly::reader
