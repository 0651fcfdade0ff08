// Turns wheel and touchpad input over a topic into pixels of scrolling, so
// that a notch moves the text by a few lines whatever the topic's length.
#ifndef TESSALY_READER_WHEEL_SCROLL_H_
#define TESSALY_READER_WHEEL_SCROLL_H_

namespace tessaly::reader {

// Height of one line of body text on a topic page, in pixels.
inline constexpr int kTextLinePixels = 20;

// A wheel reports 120 units per notch; finer wheels report parts of a notch,
// which add up here until they make whole pixels.
class WheelScroll {
 public:
  // Pixels to add to the scroll value for one wheel event: `angle_delta` in
  // eighths of a degree and `pixel_delta` (0 when the device reports none)
  // are positive when the wheel turns away from the user, which scrolls up.
  // A touchpad's pixel delta wins over its angle.
  int Step(int angle_delta, int pixel_delta, int wheel_scroll_lines);

 private:
  int remainder_ = 0;
};

// The step of Page Up and Page Down: a screenful, keeping one line of the
// previous screen in view.
constexpr int PageStepPixels(int visible_height) {
  return visible_height > 2 * kTextLinePixels ? visible_height - kTextLinePixels
                                              : visible_height;
}

}  // namespace tessaly::reader

#endif  // TESSALY_READER_WHEEL_SCROLL_H_
