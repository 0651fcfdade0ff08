// Geometry of the 31-day biorhythm chart, kept as data so a view can repaint
// it.
#ifndef TESSALY_BIORHYTHM_CHART_H_
#define TESSALY_BIORHYTHM_CHART_H_

#include <array>
#include <chrono>
#include <cstdint>
#include <optional>
#include <string_view>

namespace tessaly::biorhythm {

// Colours are 0x00BBGGRR values, as in the window design.
using ChartColor = std::uint32_t;

// The chart's own coordinates: one x unit per day from the test day, y in
// cycle value units with some room above 100 and below -100.
inline constexpr double kChartLeft = -15;
inline constexpr double kChartTop = 110;
inline constexpr double kChartRight = 15;
inline constexpr double kChartBottom = -110;

inline constexpr int kFirstOffset = -15;
inline constexpr int kLastOffset = 15;
inline constexpr int kChartSamples = kLastOffset - kFirstOffset + 1;

inline constexpr ChartColor kChartInk = 0x000000;
inline constexpr int kTestDayLineWidth = 3;  // pixels

struct ChartPoint {
  double x;
  double y;
  friend bool operator==(const ChartPoint&, const ChartPoint&) = default;
};

struct ChartLine {
  ChartPoint from;
  ChartPoint to;
  int width;  // pixels
};

struct ChartCurve {
  ChartColor color;
  std::array<ChartPoint, kChartSamples> points;  // x = -15 .. 15
};

enum ChartCurveIndex {
  kPhysicalCurve,
  kEmotionalCurve,
  kIntellectualCurve,
  kCombinedCurve,
  kCurveCount
};

// Everything one chart draws. A painter draws the axis, then the grid left
// to right, then the curves segment by segment: for each sample the four
// curves in index order, so a later curve covers an earlier one where they
// cross.
struct ChartData {
  ChartLine axis;
  std::array<ChartLine, kChartSamples> grid;
  std::array<ChartCurve, kCurveCount> curves;
};

inline constexpr std::array<ChartColor, kCurveCount> kCurveColors = {
    0xFF0000,  // physical, blue
    0x0000FF,  // emotional, red
    0x00C0C0,  // intellectual, dark yellow
    0x00FF00,  // combined, green
};

// The chart around day count n (the test day at x = 0).
ChartData MakeChart(int n);

inline constexpr std::string_view kDatesOutOfOrder = "起止日期输入有误";
inline constexpr std::string_view kDatesTooClose = "日期间隔应大于一个月";

// The message that refuses a pair of dates, or nothing when the chart can be
// drawn: the test date must come at least 30 days after the birth date.
std::optional<std::string_view> ChartDatesRefusal(
    std::chrono::year_month_day birth, std::chrono::year_month_day test);

}  // namespace tessaly::biorhythm

#endif  // TESSALY_BIORHYTHM_CHART_H_
