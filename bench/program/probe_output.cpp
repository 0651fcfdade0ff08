#include "bench/program/probe_output.h"

#include <QApplication>
#include <QEvent>
#include <QFile>
#include <QTimer>
#include <QWidget>
#include <cstdio>
#include <ctime>

namespace tessaly::bench {

std::int64_t MonotonicNs() {
  timespec now{};
  clock_gettime(CLOCK_MONOTONIC, &now);
  return static_cast<std::int64_t>(now.tv_sec) * 1'000'000'000 + now.tv_nsec;
}

long StatusKib(const char* key) {
  QFile status(QStringLiteral("/proc/self/status"));
  if (!status.open(QIODevice::ReadOnly)) return -1;
  const QByteArray prefix = QByteArray(key) + ':';
  for (const QByteArray& line : status.readAll().split('\n')) {
    if (line.startsWith(prefix)) {
      return line.mid(prefix.size()).trimmed().split(' ').value(0).toLong();
    }
  }
  return -1;
}

long PeakResidentKib() { return StatusKib("VmHWM"); }

void ReportMemory() {
  Report("peak_kib", static_cast<double>(PeakResidentKib()));
  Report("anon_kib", static_cast<double>(StatusKib("RssAnon")));
  Report("file_kib", static_cast<double>(StatusKib("RssFile")));
}

void Report(const char* key, double value) {
  std::printf("%s %.6f\n", key, value);
  std::fflush(stdout);
}

FirstPaintProbe::FirstPaintProbe(QWidget* window)
    : QObject(window), window_(window) {
  qApp->installEventFilter(this);
}

bool FirstPaintProbe::eventFilter(QObject* watched, QEvent* event) {
  if (!seen_ && event->type() == QEvent::Paint && watched->isWidgetType() &&
      static_cast<QWidget*>(watched)->window() == window_) {
    seen_ = true;
    // A zero timer runs once the whole paint pass, children included, has
    // been flushed to the window.
    QTimer::singleShot(0, qApp, [] {
      std::printf("first_paint_ns %lld\n",
                  static_cast<long long>(MonotonicNs()));
      std::fflush(stdout);
      QCoreApplication::exit(0);
    });
  }
  return false;
}

}  // namespace tessaly::bench
