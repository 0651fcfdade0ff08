#include "app/program.h"

#include <QApplication>

#include "app/frm_main.h"
#include "toolkit/fonts.h"
#include "toolkit/forms.h"

namespace tessaly::app {

FrmMain* StartProgram() {
  toolkit::InstallFontSubstitutions();
  QApplication::setApplicationName(QStringLiteral("Tessaly"));
  QApplication::setFont(toolkit::SongFont(9));
  FrmMain* main_window = toolkit::Load<FrmMain>();
  toolkit::Show(main_window);
  return main_window;
}

}  // namespace tessaly::app
