#include "tests/monkey/action_log.h"

#include <unistd.h>

#include <csignal>
#include <cstdio>
#include <cstring>

// Present only in sanitizer builds; called before the sanitizer ends the
// process after its report.
extern "C" void __sanitizer_set_death_callback(void (*callback)())
    __attribute__((weak));

namespace tessaly::monkey {
namespace {

void Write(const char* text, std::size_t length) {
  while (length > 0) {
    const ssize_t written = ::write(STDERR_FILENO, text, length);
    if (written <= 0) return;
    text += written;
    length -= static_cast<std::size_t>(written);
  }
}

void Write(const char* text) { Write(text, std::strlen(text)); }

const ActionLog* dying_log = nullptr;

void ReportSanitizerDeath() {
  if (dying_log != nullptr) dying_log->Report("sanitizer report (see above)");
}

void ReportSignal(int signal_number) {
  if (dying_log != nullptr) {
    char reason[64];
    std::snprintf(reason, sizeof reason, "crash: signal %d (%s)", signal_number,
                  sigabbrev_np(signal_number));
    dying_log->Report(reason);
  }
  std::signal(signal_number, SIG_DFL);
  std::raise(signal_number);
}

}  // namespace

void ActionLog::Add(std::string_view action) {
  const std::uint64_t number = count_.load() + 1;
  auto& line = lines_[number % kKept];
  std::snprintf(line.data(), line.size(), "%8llu  %.*s",
                static_cast<unsigned long long>(number),
                static_cast<int>(action.size()), action.data());
  count_.store(number);
  if (trace_) std::printf("%s\n", line.data());
}

void ActionLog::Report(const char* reason) const {
  if (reported_.exchange(true)) return;
  char head[200];
  const std::uint64_t count = count_.load();
  std::snprintf(head, sizeof head,
                "\nmonkey FAILED: %s\nseed %llu, after %llu actions; the last "
                "ones:\n",
                reason, static_cast<unsigned long long>(seed_),
                static_cast<unsigned long long>(count));
  Write(head);
  const std::uint64_t first = count > kKept ? count - kKept + 1 : 1;
  for (std::uint64_t number = first; number <= count; ++number) {
    const auto& line = lines_[number % kKept];
    Write(line.data(), strnlen(line.data(), line.size()));
    Write("\n");
  }
  std::snprintf(head, sizeof head,
                "monkey FAILED: %s (seed %llu; replay: scripts/monkey.sh "
                "<minutes> %llu)\n",
                reason, static_cast<unsigned long long>(seed_),
                static_cast<unsigned long long>(seed_));
  Write(head);
}

void ReportOnDeath(const ActionLog* log) {
  dying_log = log;
  const bool sanitized = __sanitizer_set_death_callback != nullptr;
  if (sanitized) __sanitizer_set_death_callback(ReportSanitizerDeath);
  // The sanitizers catch the memory faults themselves and report them
  // better; an abort is ours to catch in any build.
  for (const int signal_number : {SIGSEGV, SIGBUS, SIGFPE, SIGILL, SIGABRT}) {
    if (sanitized && signal_number != SIGABRT && signal_number != SIGILL) {
      continue;
    }
    std::signal(signal_number, ReportSignal);
  }
}

}  // namespace tessaly::monkey
