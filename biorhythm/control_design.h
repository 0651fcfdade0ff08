// A window's controls as design data: kind, name, caption, twips rectangle
// and look, from which the test windows build themselves.
#ifndef TESSALY_BIORHYTHM_CONTROL_DESIGN_H_
#define TESSALY_BIORHYTHM_CONTROL_DESIGN_H_

#include <QAbstractButton>
#include <QWidget>
#include <functional>
#include <optional>
#include <span>
#include <string_view>

#include "toolkit/sys_colors.h"

namespace tessaly::biorhythm {

enum class ControlKind {
  kLabel,
  kMaskedDateBox,
  kShape,
  kTextBox,
  kButton,
  kDatePicker,  // the caption is the design date, yyyy-mm-dd
  kPicture,     // made by the window itself, placed by the table
  kLine,        // the rectangle holds the two end points x1, y1, x2, y2
};

struct ControlLook {
  bool song_font = false;  // 宋体 10.5 pt instead of the form's
  std::optional<toolkit::ColorRef> fore;  // text colour, else the default
  bool transparent = false;               // no background of its own
};

inline constexpr int kNoTabStop = -1;

struct ControlDesign {
  ControlKind kind;
  std::string_view name;     // objectName
  std::string_view caption;  // UTF-8
  int left;
  int top;
  int width;
  int height;
  int tab_index;
  ControlLook look;
};

// Makes the window's own control for a picture row; it must have `form` as
// its parent.
using OwnControlMaker = std::function<QWidget*(const ControlDesign&)>;

// A control of `form` by its design name.
template <class T>
T* Control(const QWidget* form, const char* name) {
  return form->findChild<T*>(QString::fromLatin1(name));
}

QString ToQString(std::string_view text);

// Creates the controls of `design` on `form` in table order (later ones lie
// on top) and links the tab order by tab index.
void BuildControls(QWidget* form, std::span<const ControlDesign> design,
                   const OwnControlMaker& make_own = {});

// Return or Enter anywhere in `form` clicks `button`, unless a control of
// the form uses the key itself. The focus stays where it is.
void PressOnEnter(QWidget* form, QAbstractButton* button);

// The form's default font: 宋体 9 pt, as on a Simplified Chinese desktop.
QFont DefaultFormFont();

}  // namespace tessaly::biorhythm

#endif  // TESSALY_BIORHYTHM_CONTROL_DESIGN_H_
