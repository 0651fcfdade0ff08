// GoogleTest entry point for tests that need a QApplication, set to the
// program's language so that Qt's own texts read as the program shows them.
#include <gtest/gtest.h>

#include <QApplication>

#include "toolkit/chinese_interface.h"

namespace {

QtMessageHandler previous_handler = nullptr;

// The offscreen platform says so whenever a window is raised or a pop-up
// grabs the keyboard; that is expected in tests and only hides real output.
void QuietMessages(QtMsgType type, const QMessageLogContext& context,
                   const QString& message) {
  if (message.startsWith(QLatin1String("This plugin does not support"))) return;
  if (previous_handler != nullptr) {
    previous_handler(type, context, message);
  } else {
    qt_message_output(type, context, message);
  }
}

}  // namespace

int main(int argc, char** argv) {
  previous_handler = qInstallMessageHandler(QuietMessages);
  qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty()
                                 ? QByteArray("offscreen")
                                 : qgetenv("QT_QPA_PLATFORM"));
  QApplication app(argc, argv);
  tessaly::toolkit::UseChineseInterface();
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
