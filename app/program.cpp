#include "app/program.h"

#include <QApplication>
#include <QIcon>

#include "app/frm_main.h"
#include "app/search_command.h"
#include "toolkit/chinese_interface.h"
#include "toolkit/fonts.h"
#include "toolkit/forms.h"
#include "toolkit/scroll_bar_style.h"

namespace tessaly::app {

QIcon ProgramIcon() {
  QIcon icon;
  for (const int size : {16, 32, 48, 64, 128, 256}) {
    icon.addFile(QStringLiteral(":/icons/tessaly-%1.png").arg(size),
                 QSize(size, size));
  }
  return icon;
}

FrmMain* StartProgram() {
  toolkit::UseChineseInterface();
  toolkit::InstallScrollBarStyle();
  toolkit::InstallFontSubstitutions();
  QApplication::setApplicationName(QStringLiteral("Tessaly"));
  QApplication::setFont(toolkit::SongFont(9));
  QApplication::setWindowIcon(ProgramIcon());
  FrmMain* main_window = toolkit::Load<FrmMain>();
  toolkit::Show(main_window);
  InstallHandbookSearch(main_window);
  return main_window;
}

}  // namespace tessaly::app
