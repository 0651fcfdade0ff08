// The program's start: program-wide set-up, then the main window.
#ifndef TESSALY_APP_PROGRAM_H_
#define TESSALY_APP_PROGRAM_H_

#include <QIcon>

namespace tessaly::app {

class FrmMain;

// The program's icon at every size it ships, for every window's frame and
// the task bar.
QIcon ProgramIcon();

// Installs the fonts, the resources and the program's icon, then loads and
// shows FRM_main and returns it. Needs a QApplication.
FrmMain* StartProgram();

}  // namespace tessaly::app

#endif  // TESSALY_APP_PROGRAM_H_
