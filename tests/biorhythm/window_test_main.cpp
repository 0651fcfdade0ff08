// Runs the window tests inside a QApplication with the program's fonts and
// language.
#include <gtest/gtest.h>

#include <QApplication>

#include "toolkit/chinese_interface.h"
#include "toolkit/fonts.h"

int main(int argc, char** argv) {
  // Listing the tests also needs an application, display or not.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
  }
  QApplication app(argc, argv);
  tessaly::toolkit::UseChineseInterface();
  tessaly::toolkit::InstallFontSubstitutions();
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
