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

  void SetCaption(const QString& caption) { setText(caption); }
  QString Caption() const { return text(); }

  // A system colour reference follows later changes of that colour.
  void SetBackColor(ColorRef color);
  void SetTransparentBack();
  void SetForeColor(ColorRef color);

 Q_SIGNALS:
  void Click();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  void ApplyColors();

  std::optional<ColorRef> back_color_;
  ColorRef fore_color_ = SysColorRef(kColorButtonText);
  ClickTracker clicks_;
};

}  // namespace tessaly::toolkit

#endif  // TESSALY_TOOLKIT_LABEL_BUTTON_H_
