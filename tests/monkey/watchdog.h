// Notices a frozen program: the event loop's heartbeat stopping for longer
// than a user would wait for a window to answer.
#ifndef TESSALY_TESTS_MONKEY_WATCHDOG_H_
#define TESSALY_TESTS_MONKEY_WATCHDOG_H_

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>

#include "tests/monkey/action_log.h"

namespace tessaly::monkey {

class Watchdog {
 public:
  // Reports `log` and aborts when Beat() has not been called for `limit`.
  Watchdog(const ActionLog& log, std::chrono::seconds limit);
  ~Watchdog();
  Watchdog(const Watchdog&) = delete;
  Watchdog& operator=(const Watchdog&) = delete;

  // Called from the event loop; any thread may call it.
  void Beat();

 private:
  void Watch();

  const ActionLog& log_;
  const std::chrono::seconds limit_;
  std::atomic<std::chrono::steady_clock::rep> last_beat_;
  std::mutex mutex_;
  std::condition_variable stop_signal_;
  bool stop_ = false;
  std::thread thread_;
};

}  // namespace tessaly::monkey

#endif  // TESSALY_TESTS_MONKEY_WATCHDOG_H_
