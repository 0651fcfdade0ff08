// Test entry point: layout needs a QGuiApplication and the program's fonts.
#include <gtest/gtest.h>

#include <QGuiApplication>

#include "toolkit/fonts.h"
#include "tools/content_compiler/topic_layout.h"

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  tessaly::toolkit::InstallFontSubstitutions();
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
