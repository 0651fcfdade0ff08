// Turns a left-button press and release into one click, as the desktop's
// labels and images do: the release must come over the enabled control.
#ifndef TESSALY_TOOLKIT_CLICK_TRACKER_H_
#define TESSALY_TOOLKIT_CLICK_TRACKER_H_

class QMouseEvent;
class QWidget;

namespace tessaly::toolkit {

class ClickTracker {
 public:
  // True (and the event accepted) for a left-button press.
  bool Press(QMouseEvent* event);
  // True (and the event accepted) when this release completes a click on
  // `control`.
  bool Release(QMouseEvent* event, const QWidget& control);
  // Whether a left-button press is waiting for its release.
  bool Pressed() const { return pressed_; }

 private:
  bool pressed_ = false;
};

}  // namespace tessaly::toolkit

#endif  // TESSALY_TOOLKIT_CLICK_TRACKER_H_
