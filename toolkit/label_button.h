// A label that can act as a button: caption, colours, greyed when disabled,
// and a Click on a left-button release inside it.
#ifndef TESSALY_TOOLKIT_LABEL_BUTTON_H_
#define TESSALY_TOOLKIT_LABEL_BUTTON_H_

#include <QLabel>
#include <optional>

#include "toolkit/click_tracker.h"
#include "toolkit/sys_colors.h"

namespace tessaly::toolkit {

class LabelButton : public QLabel {
  Q_OBJECT

 public:
  LabelButton(const QString& name, const QString& caption, QWidget* parent);

  void SetCaption(const QString& caption);
  QString Caption() const { return text(); }

  // A system colour reference follows later changes of that colour.
  void SetBackColor(ColorRef color);
  void SetTransparentBack();
  void SetForeColor(ColorRef color);

  // Marks a label whose Click does something. Such a label is also a button
  // for the keyboard (a Tab stop with a focus rectangle; Space or Enter
  // click it), for the pointer (a pointing hand, a pressed look while the
  // button is down) and for screen readers. At rest it looks as before.
  void SetClickable();
  bool IsClickable() const { return clickable_; }
  // Whether Tab reaches a clickable label; off while something covers it.
  void SetTabStop(bool tab_stop);
  // Raises Click from the event loop, as a screen reader's press does.
  void ClickLater();
  // Whether the Click being raised came from a key rather than the mouse.
  bool ClickedByKeyboard() const { return clicked_by_keyboard_; }

 Q_SIGNALS:
  void Click();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  void ApplyColors();
  void ApplyCursor();
  void DrawCaption(QPainter& painter, QPointF offset);
  void SetPressedLook(bool pressed);

  std::optional<ColorRef> back_color_;
  ColorRef fore_color_ = SysColorRef(kColorButtonText);
  ClickTracker clicks_;
  bool clickable_ = false;
  bool pressed_look_ = false;
  // The focus rectangle shows once the keyboard is in use, as on the desktop.
  bool focus_cue_ = false;
  bool clicked_by_keyboard_ = false;
};

}  // namespace tessaly::toolkit

#endif  // TESSALY_TOOLKIT_LABEL_BUTTON_H_
