// What must hold of the program however it was used: checked by the monkey
// every few hundred actions.
#ifndef TESSALY_TESTS_MONKEY_PROGRAM_CHECKS_H_
#define TESSALY_TESTS_MONKEY_PROGRAM_CHECKS_H_

#include <QString>
#include <map>
#include <optional>

#include "toolkit/sys_colors.h"

namespace tessaly::monkey {

// Once every window but the main one is closed again, the program is as it
// was before the first of them opened: the same menu colour and the same
// widgets.
class BackAtMainCheck {
 public:
  // Called whenever the main window is the only one up: remembers the state
  // that the next return to it must match.
  void Remember();
  // A new run of the program starts with nothing remembered.
  void Forget() { remembered_ = false; }
  bool HasRemembered() const { return remembered_; }
  // Empty when all is as remembered, else what differs.
  QString Check() const;

 private:
  bool remembered_ = false;
  toolkit::ColorRef menu_color_ = 0;
  std::map<QString, int> widgets_;  // count by class name
};

// The reader's pages stand at their column tops minus the value of Vsl_01
// (a page that does not scroll at its fixed place). Empty when they do or
// no reader is open, else which page stands where.
QString CheckReaderPages();

}  // namespace tessaly::monkey

#endif  // TESSALY_TESTS_MONKEY_PROGRAM_CHECKS_H_
