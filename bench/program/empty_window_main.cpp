// The floor of the whole-program measurements: an empty Qt Widgets window of
// the main window's size, built the same way as the program.
//   empty_window_probe startup   reports its first paint and exits
//   empty_window_probe memory    shows the window and reports peak memory
//   empty_window_probe text      like startup, with a regular and a bold
//                                line of Chinese text in the program's CJK
//                                face: what the title screen's fonts cost
#include <QApplication>
#include <QLabel>
#include <QTest>
#include <QWidget>
#include <cstring>

#include "bench/program/probe_output.h"

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  tessaly::bench::Report("app_ready_ns",
                         static_cast<double>(tessaly::bench::MonotonicNs()));
  const bool memory = argc == 2 && std::strcmp(argv[1], "memory") == 0;
  QWidget window;
  if (argc == 2 && std::strcmp(argv[1], "text") == 0) {
    for (const bool bold : {false, true}) {
      auto* label = new QLabel(QStringLiteral("欢迎使用Tessaly"), &window);
      QFont font(QStringLiteral("Noto Serif CJK SC"), 9);
      font.setBold(bold);
      label->setFont(font);
      label->move(10, bold ? 40 : 10);
    }
  }
  window.resize(612, 326);
  window.setWindowTitle(QStringLiteral("Tessaly"));
  if (memory) {
    window.show();
    if (!QTest::qWaitForWindowExposed(&window)) return 1;
    QTest::qWait(50);
    tessaly::bench::ReportMemory();
    return 0;
  }
  new tessaly::bench::FirstPaintProbe(&window);
  window.show();
  return QApplication::exec();
}
