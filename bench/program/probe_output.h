// What the measured programs report to the bench runner: one "key value" line
// per figure on standard output, and the moment the first window painted.
#ifndef TESSALY_BENCH_PROGRAM_PROBE_OUTPUT_H_
#define TESSALY_BENCH_PROGRAM_PROBE_OUTPUT_H_

#include <QObject>
#include <cstdint>

class QWidget;

namespace tessaly::bench {

// CLOCK_MONOTONIC in nanoseconds: the same clock in every process, so the
// runner can subtract its own spawn time from a probe's paint time.
std::int64_t MonotonicNs();

// Peak resident memory of this process (VmHWM), in KiB.
long PeakResidentKib();
// A line of /proc/self/status in KiB ("RssAnon", "RssFile"); -1 if absent.
long StatusKib(const char* key);
// Reports peak memory and its split into anonymous and file-backed pages
// (fonts, the program's embedded pages, libraries) as it stands now.
void ReportMemory();

void Report(const char* key, double value);

// Once `window` has painted for the first time and the paint has been
// flushed, reports "first_paint_ns" and ends the event loop.
class FirstPaintProbe : public QObject {
  Q_OBJECT

 public:
  explicit FirstPaintProbe(QWidget* window);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QWidget* window_;
  bool seen_ = false;
};

}  // namespace tessaly::bench

#endif  // TESSALY_BENCH_PROGRAM_PROBE_OUTPUT_H_
