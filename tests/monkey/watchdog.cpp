#include "tests/monkey/watchdog.h"

#include <cstdio>
#include <cstdlib>

namespace tessaly::monkey {
namespace {

std::chrono::steady_clock::rep Now() {
  return std::chrono::steady_clock::now().time_since_epoch().count();
}

}  // namespace

Watchdog::Watchdog(const ActionLog& log, std::chrono::seconds limit)
    : log_(log), limit_(limit), last_beat_(Now()) {
  thread_ = std::thread([this] { Watch(); });
}

Watchdog::~Watchdog() {
  {
    const std::lock_guard lock(mutex_);
    stop_ = true;
  }
  stop_signal_.notify_all();
  thread_.join();
}

void Watchdog::Beat() { last_beat_.store(Now()); }

void Watchdog::Watch() {
  std::unique_lock lock(mutex_);
  while (!stop_signal_.wait_for(lock, std::chrono::milliseconds(500),
                                [this] { return stop_; })) {
    const std::chrono::steady_clock::duration silent(Now() - last_beat_.load());
    if (silent > limit_) {
      char reason[96];
      std::snprintf(reason, sizeof reason,
                    "hang: no answer from the event loop for %lld s",
                    static_cast<long long>(
                        std::chrono::duration_cast<std::chrono::seconds>(silent)
                            .count()));
      log_.Report(reason);
      std::_Exit(3);
    }
  }
}

}  // namespace tessaly::monkey
