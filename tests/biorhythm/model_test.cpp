#include "biorhythm/model.h"

#include <gtest/gtest.h>

#include <array>
#include <chrono>
#include <string>
#include <string_view>

namespace tessaly::biorhythm {
namespace {

using std::chrono::year;
using std::chrono::year_month_day;

constexpr year_month_day Ymd(int y, unsigned m, unsigned d) {
  return year_month_day{year{y}, std::chrono::month{m}, std::chrono::day{d}};
}

constexpr std::string_view kHigh = "高潮期";
constexpr std::string_view kLow = "低潮期";

struct Reading {
  int index;
  std::string_view text;
  std::string_view phase;
};

struct DayCase {
  int n;
  std::array<Reading, 3> cycles;  // physical, emotional, intellectual
};

class DayTest : public testing::TestWithParam<DayCase> {};

TEST_P(DayTest, IndexValueAndPhaseOfEachCycle) {
  const DayCase& c = GetParam();
  for (int i = 0; i < 3; ++i) {
    const BiorhythmCycle cycle = kCycles[i].cycle;
    SCOPED_TRACE(std::string(kCycles[i].legend_text));
    EXPECT_EQ(CycleIndex(c.n, cycle), c.cycles[i].index);
    EXPECT_EQ(FormatCycleValue(CycleValue(c.n, cycle)), c.cycles[i].text);
    EXPECT_EQ(CyclePhase(c.n, cycle), c.cycles[i].phase);
  }
}

// Each row pins a day where a table entry, the mirror rule, a phase boundary
// or the wrap of negative counts can go wrong.
INSTANTIATE_TEST_SUITE_P(
    EdgeDays, DayTest,
    testing::Values(
        DayCase{0, {{{0, "0", kHigh}, {0, "0", kHigh}, {0, "0", kHigh}}}},
        DayCase{-1,
                {{{22, "-26.97", kLow},
                  {27, "-22.25", kLow},
                  {32, "-18.92", kLow}}}},
        DayCase{
            7, {{{7, "94.22", kHigh}, {7, "100", kHigh}, {7, "97.18", kHigh}}}},
        DayCase{11,
                {{{11, "13.62", kHigh},
                  {11, "62.34", kHigh},
                  {11, "86.6", kHigh}}}},
        DayCase{12,
                {{{12, "-13.62", kLow},
                  {12, "43.38", kHigh},
                  {12, "75.57", kHigh}}}},
        DayCase{14,
                {{{14, "-63.1", kLow}, {14, "0", kLow}, {14, "45.82", kHigh}}}},
        DayCase{
            16,
            {{{16, "-94.22", kLow}, {16, "-43.38", kLow}, {16, "9.5", kHigh}}}},
        DayCase{
            17,
            {{{17, "-99.76", kLow}, {17, "-62.34", kLow}, {17, "-9.5", kLow}}}},
        DayCase{
            21,
            {{{21, "-51.95", kLow}, {21, "-100", kLow}, {21, "-75.57", kLow}}}},
        DayCase{22,
                {{{22, "-26.97", kLow},
                  {22, "-97.49", kLow},
                  {22, "-86.6", kLow}}}},
        DayCase{23,
                {{{0, "0", kHigh}, {23, "-90.09", kLow}, {23, "-94.5", kLow}}}},
        DayCase{
            29,
            {{{6, "99.76", kHigh}, {1, "22.25", kHigh}, {29, "-69", kLow}}}},
        DayCase{
            32,
            {{{9, "63.1", kHigh}, {4, "78.18", kHigh}, {32, "-18.92", kLow}}}},
        DayCase{
            10000,
            {{{18, "-97.91", kLow}, {4, "78.18", kHigh}, {1, "18.92", kHigh}}}},
        DayCase{-10000,
                {{{5, "97.91", kHigh},
                  {24, "-78.18", kLow},
                  {32, "-18.92", kLow}}}},
        // 1987-03-12 to 2005-06-07.
        DayCase{
            6662,
            {{{15, "-81.69", kLow}, {26, "-43.38", kLow}, {29, "-69", kLow}}}}),
    [](const testing::TestParamInfo<DayCase>& info) {
      const int n = info.param.n;
      return (n < 0 ? "DayMinus" : "Day") + std::to_string(n < 0 ? -n : n);
    });

// The mirror rule and the phase rule over whole cycles, so that a wrong
// entry anywhere in a table, not only on the rows above, shows.
TEST(CycleTest, SecondHalfMirrorsFirstAndPhaseFollowsPosition) {
  for (const CycleTraits& traits : kCycles) {
    SCOPED_TRACE(std::string(traits.legend_text));
    double previous_position = -1;
    for (int k = 0; k < traits.period; ++k) {
      const double value = CycleValue(k, traits.cycle);
      EXPECT_GE(value, -100);
      EXPECT_LE(value, 100);
      if (k > 0) {
        EXPECT_EQ(value, -CycleValue(traits.period - k, traits.cycle));
      }
      const double position = CyclePosition(k, traits.cycle);
      EXPECT_GT(position, previous_position) << k;
      previous_position = position;
      EXPECT_EQ(CyclePhase(k, traits.cycle),
                position <= traits.high_phase_limit ? kHigh : kLow)
          << k;
      // A whole cycle earlier or later is the same day of the cycle.
      EXPECT_EQ(CycleValue(k - 3 * traits.period, traits.cycle), value);
      EXPECT_EQ(CycleValue(k + 5 * traits.period, traits.cycle), value);
    }
  }
}

TEST(CycleTest, PositionIsCutNotRounded) {
  EXPECT_EQ(CyclePosition(1, BiorhythmCycle::Physical), 0.043);   // 0.04347…
  EXPECT_EQ(CyclePosition(11, BiorhythmCycle::Physical), 0.478);  // 0.47826…
  EXPECT_EQ(CyclePosition(22, BiorhythmCycle::Physical), 0.956);  // 0.95652…
  EXPECT_EQ(CyclePosition(-1, BiorhythmCycle::Intellectual), 0.969);
}

TEST(CycleTest, CombinedValueIsTheUnroundedMean) {
  EXPECT_DOUBLE_EQ(CombinedValue(7), (94.22 + 100 + 97.18) / 3);
  EXPECT_NEAR(CombinedValue(7), 97.1333, 1e-4);
  EXPECT_NEAR(CombinedValue(59), -24.8933, 1e-4);
  EXPECT_EQ(CombinedValue(0), 0);
}

TEST(DayCountTest, CountsCalendarDaysAcrossLeapYearsAndCenturies) {
  struct Case {
    year_month_day birth{};
    year_month_day test{};
    int days;
  };
  const Case cases[] = {
      {Ymd(1990, 1, 1), Ymd(1990, 1, 1), 0},
      {Ymd(2000, 1, 1), Ymd(1999, 12, 31), -1},
      {Ymd(2000, 1, 1), Ymd(2000, 2, 2), 32},
      {Ymd(1987, 3, 12), Ymd(2005, 6, 7), 6662},
      {Ymd(2005, 1, 1), Ymd(2005, 3, 1), 59},
      {Ymd(2004, 2, 28), Ymd(2004, 3, 1), 2},  // leap year
      {Ymd(1900, 2, 28), Ymd(1900, 3, 1), 1},  // century, not leap
      {Ymd(2000, 2, 28), Ymd(2000, 3, 1), 2},  // fourth century, leap
      {Ymd(1899, 12, 31), Ymd(2000, 12, 31), 36890},
      {Ymd(1601, 1, 1), Ymd(9999, 12, 31), 3067670},
      {Ymd(2005, 6, 7), Ymd(1987, 3, 12), -6662},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(DayCount(c.birth, c.test), c.days)
        << static_cast<int>(c.birth.year()) << " "
        << static_cast<int>(c.test.year());
  }
}

TEST(FormatTest, ShortestDecimalWithoutTrailingZerosOrNegativeZero) {
  EXPECT_EQ(FormatCycleValue(26.97), "26.97");
  EXPECT_EQ(FormatCycleValue(63.10), "63.1");
  EXPECT_EQ(FormatCycleValue(69), "69");
  EXPECT_EQ(FormatCycleValue(100), "100");
  EXPECT_EQ(FormatCycleValue(-22.25), "-22.25");
  EXPECT_EQ(FormatCycleValue(0.0), "0");
  EXPECT_EQ(FormatCycleValue(-0.0), "0");
  EXPECT_EQ(FormatCycleValue(-0.5), "-0.5");
}

}  // namespace
}  // namespace tessaly::biorhythm
