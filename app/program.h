// The program's start: program-wide set-up, then the main window.
#ifndef TESSALY_APP_PROGRAM_H_
#define TESSALY_APP_PROGRAM_H_

namespace tessaly::app {

class FrmMain;

// Installs the fonts and the resources, then loads and shows FRM_main and
// returns it. Needs a QApplication.
FrmMain* StartProgram();

}  // namespace tessaly::app

#endif  // TESSALY_APP_PROGRAM_H_
