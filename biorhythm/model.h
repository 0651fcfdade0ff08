// Biorhythm model: day counts, cycle values and phase words of a test day.
#ifndef TESSALY_BIORHYTHM_MODEL_H_
#define TESSALY_BIORHYTHM_MODEL_H_

#include <array>
#include <chrono>
#include <string>
#include <string_view>

namespace tessaly::biorhythm {

enum class BiorhythmCycle { Physical, Emotional, Intellectual };

struct CycleTraits {
  BiorhythmCycle cycle;
  int period;                    // days
  std::string_view row_label;    // numeric test window, UTF-8
  std::string_view legend_text;  // chart window, UTF-8
  double high_phase_limit;       // on the truncated position
  int last_high_day;             // the same limit as a day index
};

// In the order in which both windows go through the cycles.
inline constexpr std::array<CycleTraits, 3> kCycles = {{
    {BiorhythmCycle::Physical, 23, "体   力", "体力周期值", 0.478, 11},
    {BiorhythmCycle::Emotional, 28, "情   绪", "情绪周期值", 0.464, 13},
    {BiorhythmCycle::Intellectual, 33, "智   力", "智力周期值", 0.484, 16},
}};

constexpr const CycleTraits& Traits(BiorhythmCycle cycle) {
  return kCycles[static_cast<int>(cycle)];
}

inline constexpr std::string_view kHighPhase = "高潮期";
inline constexpr std::string_view kLowPhase = "低潮期";

// Signed calendar days from birth to test; negative when test comes first.
int DayCount(std::chrono::year_month_day birth,
             std::chrono::year_month_day test);

// n mod P with floor modulo, so 0 <= k < P also for negative n.
int CycleIndex(int n, BiorhythmCycle cycle);

// The fraction of the cycle that has passed, cut to three decimals.
double CyclePosition(int n, BiorhythmCycle cycle);

// The cycle's tabulated value for day n, -100 to 100.
double CycleValue(int n, BiorhythmCycle cycle);

// "高潮期" or "低潮期".
std::string_view CyclePhase(int n, BiorhythmCycle cycle);

// Mean of the three cycle values of day n, unrounded.
double CombinedValue(int n);

// Shortest decimal text: "63.1", "69", "-22.25", "0" (never "-0").
std::string FormatCycleValue(double value);

}  // namespace tessaly::biorhythm

#endif  // TESSALY_BIORHYTHM_MODEL_H_
