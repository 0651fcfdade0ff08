#include "biorhythm/model.h"

#include <charconv>
#include <span>
#include <system_error>

namespace tessaly::biorhythm {
namespace {

// The first half of each cycle (days 0 to P/2), as published with the test;
// the numbers approximate 100·sin(2πk/P) but some are cut and some rounded,
// so they are kept as printed rather than computed.
// clang-format off
constexpr std::array<double, 12> kPhysicalHalf = {
    0, 26.97, 51.95, 73.08, 88.78, 97.91, 99.76, 94.22, 81.69, 63.1, 39.84,
    13.62};
constexpr std::array<double, 15> kEmotionalHalf = {
    0, 22.25, 43.38, 62.34, 78.18, 90.09, 97.49, 100, 97.49, 90.09, 78.18,
    62.34, 43.38, 22.25, 0};
constexpr std::array<double, 17> kIntellectualHalf = {
    0, 18.92, 37.16, 54.06, 69, 81.45, 90.96, 97.18, 99.88, 98.98, 94.5,
    86.6, 75.57, 61.81, 45.82, 28.17, 9.5};
// clang-format on

static_assert(kPhysicalHalf.size() == 23 / 2 + 1);
static_assert(kEmotionalHalf.size() == 28 / 2 + 1);
static_assert(kIntellectualHalf.size() == 33 / 2 + 1);

constexpr std::span<const double> HalfTable(BiorhythmCycle cycle) {
  switch (cycle) {
    case BiorhythmCycle::Physical:
      return kPhysicalHalf;
    case BiorhythmCycle::Emotional:
      return kEmotionalHalf;
    case BiorhythmCycle::Intellectual:
      return kIntellectualHalf;
  }
  return {};
}

constexpr int FloorMod(int n, int period) {
  const int r = n % period;
  return r < 0 ? r + period : r;
}

// The second half mirrors the first with the sign reversed.
constexpr double ValueAtIndex(int k, BiorhythmCycle cycle) {
  const int period = Traits(cycle).period;
  const std::span<const double> half = HalfTable(cycle);
  if (k < static_cast<int>(half.size())) return half[k];
  return -half[period - k];
}

constexpr int PositionThousandths(int k, BiorhythmCycle cycle) {
  return 1000 * k / Traits(cycle).period;
}

// Both the cut position and the limit are three-decimal numbers held as the
// nearest double, so a day exactly on the limit compares equal to it.
constexpr bool IsHighPhase(int k, BiorhythmCycle cycle) {
  return PositionThousandths(k, cycle) / 1000.0 <=
         Traits(cycle).high_phase_limit;
}

static_assert(ValueAtIndex(12, BiorhythmCycle::Physical) == -13.62);
static_assert(ValueAtIndex(22, BiorhythmCycle::Physical) == -26.97);
static_assert(ValueAtIndex(14, BiorhythmCycle::Emotional) == 0);
static_assert(ValueAtIndex(21, BiorhythmCycle::Emotional) == -100);
static_assert(ValueAtIndex(22, BiorhythmCycle::Emotional) == -97.49);
static_assert(ValueAtIndex(23, BiorhythmCycle::Intellectual) == -94.5);
static_assert(ValueAtIndex(29, BiorhythmCycle::Intellectual) == -69);
static_assert(ValueAtIndex(32, BiorhythmCycle::Intellectual) == -18.92);
static_assert(PositionThousandths(1, BiorhythmCycle::Physical) == 43);
static_assert(PositionThousandths(22, BiorhythmCycle::Physical) == 956);

// The phase limit on the position and the last high day must agree, and the
// high days must be exactly the non-negative first half (day 14 of the
// emotional cycle, zero but low, aside).
constexpr bool PhaseLimitsAgree() {
  for (const CycleTraits& traits : kCycles) {
    for (int k = 0; k < traits.period; ++k) {
      const bool high = IsHighPhase(k, traits.cycle);
      if (high != (k <= traits.last_high_day)) return false;
      if (high != (ValueAtIndex(k, traits.cycle) >= 0 && 2 * k < traits.period))
        return false;
    }
  }
  return true;
}
static_assert(PhaseLimitsAgree());

}  // namespace

int DayCount(std::chrono::year_month_day birth,
             std::chrono::year_month_day test) {
  return static_cast<int>(
      (std::chrono::sys_days{test} - std::chrono::sys_days{birth}).count());
}

int CycleIndex(int n, BiorhythmCycle cycle) {
  return FloorMod(n, Traits(cycle).period);
}

double CyclePosition(int n, BiorhythmCycle cycle) {
  return PositionThousandths(CycleIndex(n, cycle), cycle) / 1000.0;
}

double CycleValue(int n, BiorhythmCycle cycle) {
  return ValueAtIndex(CycleIndex(n, cycle), cycle);
}

std::string_view CyclePhase(int n, BiorhythmCycle cycle) {
  return IsHighPhase(CycleIndex(n, cycle), cycle) ? kHighPhase : kLowPhase;
}

double CombinedValue(int n) {
  return (CycleValue(n, BiorhythmCycle::Physical) +
          CycleValue(n, BiorhythmCycle::Emotional) +
          CycleValue(n, BiorhythmCycle::Intellectual)) /
         3;
}

std::string FormatCycleValue(double value) {
  if (value == 0) return "0";  // also -0, which the mirror rule can produce
  std::array<char, 32> buffer{};
  const auto [end, error] =
      std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
  if (error != std::errc{}) return {};
  return std::string(buffer.data(), end);
}

}  // namespace tessaly::biorhythm
