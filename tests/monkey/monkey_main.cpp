// Runs the program under random input from a restless user.
//
//   tessaly_monkey [--seconds N] [--seed S] [--trace]
//
// Needs a display with a window manager (tests/support/with_window_manager.sh
// or scripts/monkey.sh provide one). Exits 0 when nothing failed, 1 when a
// check failed, 3 on a hang; a crash or a sanitizer report ends it as they
// do. Every failure prints the seed and the last actions.
#include <QApplication>
#include <QHash>
#include <QRegularExpression>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <random>

#include "tests/monkey/action_log.h"
#include "tests/monkey/monkey.h"
#include "tests/monkey/watchdog.h"

namespace {

QtMessageHandler qt_handler = nullptr;

// Random input makes Qt say the same few things thousands of times; the
// first few of each are enough.
void FewMessages(QtMsgType type, const QMessageLogContext& context,
                 const QString& message) {
  static QHash<QString, int> seen;
  QString kind = message.left(60);
  kind.remove(QRegularExpression(QStringLiteral("[0-9]+")));
  if (type != QtFatalMsg && ++seen[kind] > 3) return;
  qt_handler(type, context, message);
}

struct Options {
  long seconds = 60;
  std::uint64_t seed = 0;
  bool seed_given = false;
  bool trace = false;
};

bool Parse(int argc, char** argv, Options* options) {
  if (argc > 1 && std::strcmp(argv[argc - 1], "--trace") == 0) {
    options->trace = true;
    --argc;
  }
  for (int i = 1; i + 1 < argc; i += 2) {
    char* end = nullptr;
    const unsigned long long value = std::strtoull(argv[i + 1], &end, 10);
    if (*end != '\0') return false;
    if (std::strcmp(argv[i], "--seconds") == 0 && value > 0) {
      options->seconds = static_cast<long>(value);
    } else if (std::strcmp(argv[i], "--seed") == 0) {
      options->seed = value;
      options->seed_given = true;
    } else {
      return false;
    }
  }
  return argc % 2 == 1;
}

}  // namespace

int main(int argc, char** argv) {
  Options options;
  if (!Parse(argc, argv, &options)) {
    std::fprintf(stderr,
                 "usage: tessaly_monkey [--seconds N] [--seed S] [--trace]\n");
    return 2;
  }
  if (!options.seed_given) options.seed = std::random_device()() % 1000000;
  std::printf("monkey: seed %llu, %ld seconds\n",
              static_cast<unsigned long long>(options.seed), options.seconds);
  std::fflush(stdout);

  qt_handler = qInstallMessageHandler(FewMessages);
  QApplication application(argc, argv);

  tessaly::monkey::ActionLog log(options.seed);
  log.SetTrace(options.trace);
  tessaly::monkey::ReportOnDeath(&log);
  tessaly::monkey::Watchdog watchdog(log, std::chrono::seconds(10));
  tessaly::monkey::Monkey monkey(
      options.seed, std::chrono::seconds(options.seconds), log, watchdog);
  const bool passed = monkey.Run();
  const tessaly::monkey::Figures& figures = monkey.RunFigures();
  std::printf(
      "monkey %s: seed %llu, %llu actions, %d restarts, %d checks, %.1f "
      "minutes; %d times the program kept running after its last window "
      "closed\n",
      passed ? "passed" : "FAILED",
      static_cast<unsigned long long>(options.seed),
      static_cast<unsigned long long>(figures.actions), figures.restarts,
      figures.checks, figures.minutes, figures.lingering);
  return passed ? 0 : 1;
}
