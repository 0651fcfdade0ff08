#include "biorhythm/chart.h"

#include <gtest/gtest.h>

#include <chrono>

#include "biorhythm/model.h"

namespace tessaly::biorhythm {
namespace {

using std::chrono::year_month_day;

constexpr year_month_day Ymd(int y, unsigned m, unsigned d) {
  return year_month_day{std::chrono::year{y}, std::chrono::month{m},
                        std::chrono::day{d}};
}

TEST(ChartTest, SamplesOfTheExampleChart) {
  // Birth 2005-01-01, test 2005-03-01.
  const ChartData chart = MakeChart(59);
  struct Expected {
    int curve;
    double first, test_day, last;
  };
  const Expected expected[] = {
      {kPhysicalCurve, -51.95, -39.84, 97.91},
      {kEmotionalCurve, -43.38, 62.34, -78.18},
      {kIntellectualCurve, 86.6, -97.18, 99.88},
      {kCombinedCurve, -2.91, -24.893333, 39.87},
  };
  for (const Expected& e : expected) {
    const ChartCurve& curve = chart.curves[e.curve];
    SCOPED_TRACE(e.curve);
    EXPECT_EQ(curve.points.front().x, -15);
    EXPECT_NEAR(curve.points.front().y, e.first, 1e-5);
    EXPECT_EQ(curve.points[15].x, 0);
    EXPECT_NEAR(curve.points[15].y, e.test_day, 1e-5);
    EXPECT_EQ(curve.points.back().x, 15);
    EXPECT_NEAR(curve.points.back().y, e.last, 1e-5);
  }
  EXPECT_EQ(chart.curves[kPhysicalCurve].color, 0xFF0000u);
  EXPECT_EQ(chart.curves[kEmotionalCurve].color, 0x0000FFu);
  EXPECT_EQ(chart.curves[kIntellectualCurve].color, 0x00C0C0u);
  EXPECT_EQ(chart.curves[kCombinedCurve].color, 0x00FF00u);
}

// Every sample must be the model's value of its own day, x one unit per day;
// a curve starts at its first sample, not on the axis.
TEST(ChartTest, EverySampleIsTheModelValueOfItsDay) {
  const int n = 30;
  const ChartData chart = MakeChart(n);
  for (int s = 0; s < kChartSamples; ++s) {
    const int i = kFirstOffset + s;
    const int day = n + i;
    EXPECT_EQ(
        chart.curves[kPhysicalCurve].points[s],
        (ChartPoint{double(i), CycleValue(day, BiorhythmCycle::Physical)}));
    EXPECT_EQ(
        chart.curves[kEmotionalCurve].points[s],
        (ChartPoint{double(i), CycleValue(day, BiorhythmCycle::Emotional)}));
    EXPECT_EQ(
        chart.curves[kIntellectualCurve].points[s],
        (ChartPoint{double(i), CycleValue(day, BiorhythmCycle::Intellectual)}));
    EXPECT_EQ(chart.curves[kCombinedCurve].points[s],
              (ChartPoint{double(i), CombinedValue(day)}));
  }
  // n = 30: the leftmost samples are day 15, the rightmost day 45.
  EXPECT_EQ(chart.curves[kPhysicalCurve].points.front().y,
            CycleValue(15, BiorhythmCycle::Physical));
  EXPECT_EQ(chart.curves[kIntellectualCurve].points.back().y,
            CycleValue(45, BiorhythmCycle::Intellectual));
}

TEST(ChartTest, AxisAndGridWithTheTestDayThick) {
  const ChartData chart = MakeChart(100);
  EXPECT_EQ(chart.axis.from, (ChartPoint{-15, 0}));
  EXPECT_EQ(chart.axis.to, (ChartPoint{15, 0}));
  EXPECT_EQ(chart.axis.width, 1);
  for (int s = 0; s < kChartSamples; ++s) {
    const ChartLine& line = chart.grid[s];
    EXPECT_EQ(line.from, (ChartPoint{double(s - 15), 110}));
    EXPECT_EQ(line.to, (ChartPoint{double(s - 15), -110}));
    EXPECT_EQ(line.width, s == 15 ? 3 : 1) << s;
  }
}

TEST(ChartTest, DatesRefusedUnlessThirtyDaysApartInOrder) {
  struct Case {
    year_month_day birth{};
    year_month_day test{};
    std::optional<std::string_view> refusal;
  };
  const Case cases[] = {
      {Ymd(2004, 11, 16), Ymd(2004, 11, 5), kDatesOutOfOrder},  // design dates
      {Ymd(2005, 1, 1), Ymd(2005, 1, 1), kDatesOutOfOrder},
      {Ymd(2005, 1, 1), Ymd(2005, 1, 30), kDatesTooClose},  // 29 days
      {Ymd(2005, 1, 1), Ymd(2005, 1, 31), std::nullopt},    // 30 days
      {Ymd(1601, 1, 1), Ymd(9999, 12, 31), std::nullopt},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ChartDatesRefusal(c.birth, c.test), c.refusal);
  }
  EXPECT_EQ(kDatesOutOfOrder, "起止日期输入有误");
  EXPECT_EQ(kDatesTooClose, "日期间隔应大于一个月");
}

}  // namespace
}  // namespace tessaly::biorhythm
