// Wheel and touchpad input turned into pixels of scrolling.
#include "reader/wheel_scroll.h"

#include <gtest/gtest.h>

#include <vector>

namespace tessaly::reader {
namespace {

struct Case {
  const char* what;
  std::vector<int> angles;  // one wheel event each
  int pixel_delta;
  int lines;
  int expected_total;
};

TEST(WheelScrollTest, MovesByTheDesktopsLinesOfText) {
  const Case cases[] = {
      {"a notch towards the user scrolls down", {-120}, 0, 3, 60},
      {"a notch away scrolls up", {120}, 0, 3, -60},
      {"the desktop's setting counts", {-120}, 0, 5, 100},
      {"eight eighths of a fine wheel make a notch",
       {-15, -15, -15, -15, -15, -15, -15, -15},
       0,
       3,
       60},
      {"a part turned back is not lost", {-60, 30, -90}, 0, 3, 60},
      {"two notches", {-240}, 0, 1, 40},
  };
  for (const Case& c : cases) {
    WheelScroll wheel;
    int total = 0;
    for (int angle : c.angles)
      total += wheel.Step(angle, c.pixel_delta, c.lines);
    EXPECT_EQ(total, c.expected_total) << c.what;
  }
}

TEST(WheelScrollTest, TouchpadsMoveByTheirPixels) {
  WheelScroll wheel;
  EXPECT_EQ(wheel.Step(-120, -37, 3), 37);
  EXPECT_EQ(wheel.Step(24, 11, 3), -11);
  // Half a pixel left over from a wheel is dropped when the touchpad moves.
  EXPECT_EQ(wheel.Step(-15, 0, 3), 7);
  EXPECT_EQ(wheel.Step(0, -5, 3), 5);
  EXPECT_EQ(wheel.Step(-15, 0, 3), 7);
}

TEST(WheelScrollTest, PageKeysKeepALineOfThePreviousScreen) {
  EXPECT_EQ(PageStepPixels(439), 419);
  EXPECT_EQ(PageStepPixels(30), 30);
}

}  // namespace
}  // namespace tessaly::reader
