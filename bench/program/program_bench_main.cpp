// Whole-program measurements, each against its floor in the same run:
// start-up against an empty Qt Widgets window, peak memory with every window
// open against the same empty window, and a reader scroll step against
// drawing the same viewport from a cached pixmap.
//   program_bench [--runs N]   (15 by default)
#include <QCoreApplication>
#include <QMap>
#include <QProcess>
#include <QProcessEnvironment>
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <vector>

#include "bench/program/probe_output.h"

namespace {

using tessaly::bench::MonotonicNs;
using Figures = QMap<QString, double>;

// Runs a probe and reads its "key value" lines. When `spawned_ns` is given,
// it receives the moment just before the process was started.
Figures RunProbe(const char* program, const char* mode,
                 std::int64_t* spawned_ns = nullptr) {
  QProcess process;
  process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
  if (spawned_ns != nullptr) *spawned_ns = MonotonicNs();
  process.start(QString::fromLocal8Bit(program), {QString::fromLatin1(mode)});
  Figures figures;
  if (!process.waitForFinished(120'000) || process.exitCode() != 0) {
    std::fprintf(stderr, "program_bench: %s %s failed\n", program, mode);
    return figures;
  }
  for (const QByteArray& line : process.readAllStandardOutput().split('\n')) {
    const QList<QByteArray> parts = line.split(' ');
    if (parts.size() == 2) {
      figures.insert(QString::fromLatin1(parts[0]), parts[1].toDouble());
    }
  }
  return figures;
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values.empty() ? 0 : values[values.size() / 2];
}

// One start, in milliseconds from the process start: to a constructed
// QApplication, to the main window loaded (the program only) and to the
// first painted window.
struct Startup {
  double app_ready = 0;
  double loaded = 0;
  double painted = 0;
};

Startup StartupMs(const char* program, const char* mode = "startup") {
  std::int64_t spawned = 0;
  const Figures figures = RunProbe(program, mode, &spawned);
  auto since_spawn = [&](const char* key) {
    const double at = figures.value(QString::fromLatin1(key));
    return at > 0 ? (at - static_cast<double>(spawned)) / 1e6 : 0;
  };
  return {since_spawn("app_ready_ns"), since_spawn("loaded_ns"),
          since_spawn("first_paint_ns")};
}

template <class Field>
double MedianOf(const std::vector<Startup>& starts, Field field) {
  std::vector<double> values;
  for (const Startup& start : starts) values.push_back(start.*field);
  return Median(values);
}

void Line(const char* what, double value, double floor, const char* unit,
          double goal) {
  const double ratio = floor > 0 ? value / floor : 0;
  std::printf("%-34s %10.2f %s  floor %10.2f %s  ratio %5.2f  goal %4.2f  %s\n",
              what, value, unit, floor, unit, ratio, goal,
              ratio <= goal ? "met" : "MISSED");
}

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication application(argc, argv);
  int runs = 15;
  if (argc == 3 && std::strcmp(argv[1], "--runs") == 0) {
    runs = std::max(1, std::atoi(argv[2]));
  }
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
  }
  std::printf("platform %s, %d runs each, medians\n",
              qgetenv("QT_QPA_PLATFORM").constData(), runs);

  // Alternating the two programs spreads any drift of the machine's load
  // evenly over both.
  std::vector<Startup> floor_starts;
  std::vector<Startup> program_starts;
  StartupMs(TESSALY_FLOOR_PROBE);  // warms the file cache for both
  StartupMs(TESSALY_PROGRAM_PROBE);
  for (int run = 0; run < runs; ++run) {
    floor_starts.push_back(StartupMs(TESSALY_FLOOR_PROBE));
    program_starts.push_back(StartupMs(TESSALY_PROGRAM_PROBE));
  }
  Line("start-up to first paint", MedianOf(program_starts, &Startup::painted),
       MedianOf(floor_starts, &Startup::painted), "ms ", 1.3);
  std::printf("%-34s %10.2f ms  floor %10.2f ms\n", "  QApplication ready",
              MedianOf(program_starts, &Startup::app_ready),
              MedianOf(floor_starts, &Startup::app_ready));
  std::printf("%-34s %10.2f ms\n", "  main window loaded and shown",
              MedianOf(program_starts, &Startup::loaded));
  std::vector<Startup> text_starts;
  for (int run = 0; run < runs; ++run) {
    text_starts.push_back(StartupMs(TESSALY_FLOOR_PROBE, "text"));
  }
  Line("  against a floor with CJK text",
       MedianOf(program_starts, &Startup::painted),
       MedianOf(text_starts, &Startup::painted), "ms ", 1.3);

  std::vector<double> floor_peaks;
  std::vector<double> program_peaks;
  Figures floor_memory;
  Figures program_memory;
  for (int run = 0; run < std::min(runs, 5); ++run) {
    floor_memory = RunProbe(TESSALY_FLOOR_PROBE, "memory");
    floor_peaks.push_back(floor_memory.value(QStringLiteral("peak_kib")));
    program_memory = RunProbe(TESSALY_PROGRAM_PROBE, "memory");
    program_peaks.push_back(program_memory.value(QStringLiteral("peak_kib")));
  }
  const double cache_kib =
      program_memory.value(QStringLiteral("page_cache_kib"));
  const double floor_peak = Median(floor_peaks);
  const double program_peak = Median(program_peaks);
  // The goal allows 1.5 times the floor plus the page pixels the reader
  // keeps; the ratio shown is against that allowance's floor part.
  Line("peak memory, every window open", program_peak - cache_kib, floor_peak,
       "KiB", 1.5);
  std::printf("%-34s %10.0f KiB peak, of which %.0f KiB cached page pixels\n",
              "", program_peak, cache_kib);
  std::printf(
      "%-34s %10.0f KiB anonymous, %.0f KiB file-backed "
      "(floor %.0f and %.0f)\n",
      "  at the end", program_memory.value(QStringLiteral("anon_kib")),
      program_memory.value(QStringLiteral("file_kib")),
      floor_memory.value(QStringLiteral("anon_kib")),
      floor_memory.value(QStringLiteral("file_kib")));

  const Figures scroll = RunProbe(TESSALY_PROGRAM_PROBE, "scroll");
  const double blit = scroll.value(QStringLiteral("blit_ms"));
  std::printf("%-34s %10.2f ms\n", "open the longest topic",
              scroll.value(QStringLiteral("open_ms")));
  Line("scroll step (pages cached)", scroll.value(QStringLiteral("step_ms")),
       blit, "ms ", 2.0);
  Line("scroll step (first pass)",
       scroll.value(QStringLiteral("step_first_pass_ms")), blit, "ms ", 2.0);
  std::printf("%-34s %10.2f ms\n", "  of it the scroll bar's repaint",
              scroll.value(QStringLiteral("scroll_bar_paint_ms")));
  std::printf("%-34s %10.2f ms\n", "  pages shifted by QWidget::scroll",
              scroll.value(QStringLiteral("step_by_shifting_ms")));
  std::printf("%-34s %10.2f ms  over %.0f steps\n", "slowest first-pass step",
              scroll.value(QStringLiteral("step_first_pass_worst_ms")),
              scroll.value(QStringLiteral("steps")));
  return 0;
}
