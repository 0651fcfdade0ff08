// Shows one of the test windows on the display until it is closed, so that
// the window can be pictured inside a real window manager's frame:
//   wm_show_window FRM_CS1|FRM_CS2
#include <QApplication>
#include <cstdio>
#include <cstring>

#include "app/program.h"
#include "biorhythm/frm_cs1.h"
#include "biorhythm/frm_cs2.h"
#include "toolkit/fonts.h"
#include "toolkit/forms.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  namespace toolkit = tessaly::toolkit;
  toolkit::InstallFontSubstitutions();
  QApplication::setWindowIcon(tessaly::app::ProgramIcon());
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s FRM_CS1|FRM_CS2\n", argv[0]);
    return 2;
  }
  toolkit::Form* form = nullptr;
  if (std::strcmp(argv[1], "FRM_CS1") == 0) {
    form = toolkit::Load<tessaly::biorhythm::FrmCs1>();
  } else if (std::strcmp(argv[1], "FRM_CS2") == 0) {
    form = toolkit::Load<tessaly::biorhythm::FrmCs2>();
  } else {
    std::fprintf(stderr, "unknown window %s\n", argv[1]);
    return 2;
  }
  toolkit::Show(form);
  return QApplication::exec();
}
