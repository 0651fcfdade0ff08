// The monkey's memory of a run: the seed and the last actions, printed when
// the run fails, from wherever it fails: a broken check, a hang, a crash or
// a sanitizer report.
#ifndef TESSALY_TESTS_MONKEY_ACTION_LOG_H_
#define TESSALY_TESTS_MONKEY_ACTION_LOG_H_

#include <array>
#include <atomic>
#include <cstdint>
#include <string_view>

namespace tessaly::monkey {

class ActionLog {
 public:
  static constexpr int kKept = 200;

  explicit ActionLog(std::uint64_t seed) : seed_(seed) {}

  // Numbers the action and keeps it, dropping the oldest beyond kKept.
  void Add(std::string_view action);
  std::uint64_t Count() const { return count_.load(); }
  // Prints every action as it comes, for watching a run.
  void SetTrace(bool trace) { trace_ = trace; }

  // Writes the reason, the seed and the kept actions to stderr, once per
  // run however many paths report. Safe in a signal handler: it only
  // formats into fixed buffers and writes them.
  void Report(const char* reason) const;

 private:
  static constexpr int kLineLength = 240;

  std::uint64_t seed_;
  bool trace_ = false;
  std::atomic<std::uint64_t> count_{0};
  std::array<std::array<char, kLineLength>, kKept> lines_{};
  mutable std::atomic<bool> reported_{false};
};

// Makes a crash or a sanitizer report print `log` before the process dies.
void ReportOnDeath(const ActionLog* log);

}  // namespace tessaly::monkey

#endif  // TESSALY_TESTS_MONKEY_ACTION_LOG_H_
