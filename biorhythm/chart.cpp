#include "biorhythm/chart.h"

#include "biorhythm/model.h"

namespace tessaly::biorhythm {
namespace {

double CurveValue(int curve, int n) {
  switch (curve) {
    case kPhysicalCurve:
      return CycleValue(n, BiorhythmCycle::Physical);
    case kEmotionalCurve:
      return CycleValue(n, BiorhythmCycle::Emotional);
    case kIntellectualCurve:
      return CycleValue(n, BiorhythmCycle::Intellectual);
    default:
      return CombinedValue(n);
  }
}

}  // namespace

ChartData MakeChart(int n) {
  ChartData chart{};
  chart.axis = {{kChartLeft, 0}, {kChartRight, 0}, 1};
  for (int s = 0; s < kChartSamples; ++s) {
    const int offset = kFirstOffset + s;
    const double x = offset;
    chart.grid[s] = {
        {x, kChartTop}, {x, kChartBottom}, offset == 0 ? kTestDayLineWidth : 1};
  }
  for (int c = 0; c < kCurveCount; ++c) {
    chart.curves[c].color = kCurveColors[c];
    for (int s = 0; s < kChartSamples; ++s) {
      const int offset = kFirstOffset + s;
      chart.curves[c].points[s] = {static_cast<double>(offset),
                                   CurveValue(c, n + offset)};
    }
  }
  return chart;
}

std::optional<std::string_view> ChartDatesRefusal(
    std::chrono::year_month_day birth, std::chrono::year_month_day test) {
  const int days = DayCount(birth, test);
  if (days <= 0) return kDatesOutOfOrder;
  if (days < 30) return kDatesTooClose;
  return std::nullopt;
}

}  // namespace tessaly::biorhythm
