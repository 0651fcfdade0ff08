// Opens and closes every window of the program many times over and checks
// that nothing stays behind: no widget outlives its window, and the desktop
// menu colour is back to its start value after every round.
//
//   tessaly_soak [--cycles N]   (3 by default; scripts/soak.sh runs 1000)
#include <malloc.h>

#include <QApplication>
#include <QFile>
#include <cstdio>
#include <cstring>
#include <string>

#include "tests/soak/window_walk.h"
#include "toolkit/sys_colors.h"

namespace {

using tessaly::soak::FlushDeferredDeletes;
using tessaly::soak::WalkOptions;
using tessaly::soak::WindowWalk;
namespace toolkit = tessaly::toolkit;

// Resident memory in KiB, for the progress lines only: it settles as the
// allocator keeps freed pages, so it is no measure of leaks.
long ResidentKib() {
  QFile status(QStringLiteral("/proc/self/status"));
  if (!status.open(QIODevice::ReadOnly)) return -1;
  for (const QByteArray& line : status.readAll().split('\n')) {
    if (line.startsWith("VmRSS:")) {
      return line.mid(6).trimmed().split(' ').value(0).toLong();
    }
  }
  return -1;
}

// The offscreen platform says so whenever a window is raised; a thousand
// rounds of that would bury the real output.
void QuietMessages(QtMsgType type, const QMessageLogContext& context,
                   const QString& message) {
  if (message.startsWith(QLatin1String("This plugin does not support"))) return;
  qt_message_output(type, context, message);
}

// Bytes the program holds on the heap: unlike resident memory it does not
// count pages the allocator keeps after a free, so steady growth here means
// something is kept that should not be.
long HeapInUseKib() { return static_cast<long>(mallinfo2().uordblks / 1024); }

int ParseCycles(int argc, char** argv) {
  if (argc == 1) return 3;
  if (argc == 3 && std::strcmp(argv[1], "--cycles") == 0) {
    const int cycles = std::atoi(argv[2]);
    if (cycles > 0) return cycles;
  }
  return -1;
}

}  // namespace

int main(int argc, char** argv) {
  qInstallMessageHandler(QuietMessages);
  QApplication application(argc, argv);
  // The main window closes once a round; the soak goes on regardless.
  QApplication::setQuitOnLastWindowClosed(false);
  const int cycles = ParseCycles(argc, argv);
  if (cycles < 0) {
    std::fprintf(stderr, "usage: tessaly_soak [--cycles N]\n");
    return 2;
  }

  const toolkit::ColorRef start_color =
      toolkit::GetSysColor(toolkit::kColorMenu);
  // Scrolling every topic step by step costs more than the rest of a round
  // and exercises nothing that can leak, so later rounds skip it.
  WindowWalk first_walk(WalkOptions{});
  WalkOptions quick;
  quick.scroll_topics = false;
  WindowWalk walk(quick);
  qsizetype baseline = -1;
  int failures = 0;
  auto fail = [&failures](int cycle, const std::string& what) {
    std::fprintf(stderr, "cycle %d: %s\n", cycle, what.c_str());
    ++failures;
  };

  for (int cycle = 1; cycle <= cycles && failures == 0; ++cycle) {
    WindowWalk& this_walk = cycle == 1 ? first_walk : walk;
    if (!this_walk.OpenMainScreen()) {
      fail(cycle, "the main window did not show");
      break;
    }
    const toolkit::ColorRef main_color =
        toolkit::GetSysColor(toolkit::kColorMenu);
    const qsizetype open_widgets = QApplication::allWidgets().size();
    this_walk.ReadEveryTopic();
    this_walk.WalkBoards();
    // Each board gives back the colour that it found: the main screen's.
    if (toolkit::GetSysColor(toolkit::kColorMenu) != main_color) {
      fail(cycle, "the boards left the menu colour changed");
    }
    this_walk.RunStateTests();
    this_walk.CloseMainWindow();
    FlushDeferredDeletes();

    for (const QString& problem : this_walk.Problems()) {
      fail(cycle, problem.toStdString());
    }
    const toolkit::ColorRef end_color =
        toolkit::GetSysColor(toolkit::kColorMenu);
    if (end_color != start_color) {
      fail(cycle, "menu colour " + std::to_string(end_color) + " instead of " +
                      std::to_string(start_color));
    }
    // The first round fills Qt's own caches (style, fonts, pop-up shadows);
    // from then on a round must leave exactly as many widgets as it found.
    const qsizetype widgets = QApplication::allWidgets().size();
    if (baseline < 0) {
      baseline = widgets;
    } else if (widgets != baseline) {
      fail(cycle, std::to_string(widgets) + " live widgets instead of " +
                      std::to_string(baseline));
    }
    if (cycle == 1 || cycle % 100 == 0 || cycle == cycles) {
      std::printf(
          "cycle %d: %lld widgets with the main screen up, %lld after "
          "closing, %ld KiB resident, %ld KiB heap in use\n",
          cycle, static_cast<long long>(open_widgets),
          static_cast<long long>(widgets), ResidentKib(), HeapInUseKib());
      std::fflush(stdout);
    }
  }
  if (failures != 0) {
    std::fprintf(stderr, "soak failed\n");
    return 1;
  }
  std::printf("soak passed: %d cycles\n", cycles);
  return 0;
}
