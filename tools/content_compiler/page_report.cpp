#include "tools/content_compiler/page_report.h"

#include <cmath>
#include <map>

namespace tessaly::content_compiler {
namespace {

// The height of the most common unit: a line of body text.
double TypicalLineHeight(const std::vector<FlowUnit>& units) {
  std::map<long, int> counts;
  for (const FlowUnit& unit : units) {
    ++counts[std::lround(unit.bottom - unit.top)];
  }
  long best = 21;
  int best_count = 0;
  for (const auto& [height, count] : counts) {
    if (count > best_count) {
      best = height;
      best_count = count;
    }
  }
  return static_cast<double>(std::max(best, 1L));
}

}  // namespace

QString FormatPageReport(const TopicLayout& layout) {
  const FlowResult& flow = layout.flow;
  const double line = TypicalLineHeight(layout.units);
  QString out;
  out += QStringLiteral("%1 (%2), %3 pages, %4\n")
             .arg(layout.source.title, layout.source.control)
             .arg(flow.pages.size())
             .arg(layout.source.frames.empty()
                      ? QStringLiteral("heights from the content")
                      : QStringLiteral("fixed frames"));
  out += QStringLiteral(
      "  page  frame  height  used/room px  full  free (lines)  next line "
      "needs\n");
  for (std::size_t i = 0; i < flow.pages.size(); ++i) {
    const PageSlice& page = flow.pages[i];
    const int full = page.available_px > 0
                         ? static_cast<int>(std::lround(100.0 * page.used_px /
                                                        page.available_px))
                         : 0;
    QString next;
    if (page.next_unit_px > 0) {
      next = QStringLiteral("%1 px").arg(std::ceil(page.next_unit_px));
    } else if (page.end_unit < layout.units.size()) {
      next = QStringLiteral("(page break)");
    } else {
      next = QStringLiteral("-");
    }
    const double free = std::max(0.0, page.available_px - page.used_px);
    out += QStringLiteral("  %1  %2  %3  %4  %5%  %6  %7\n")
               .arg(i, 4)
               .arg(page.frame_height, 5)
               .arg(page.height_px, 6)
               .arg(QStringLiteral("%1/%2")
                        .arg(std::ceil(page.used_px))
                        .arg(page.available_px),
                    12)
               .arg(full, 3)
               .arg(QStringLiteral("%1 (%2)")
                        .arg(std::floor(free))
                        .arg(std::floor(free / line)),
                    12)
               .arg(next);
  }
  const QString error = DescribeFlowError(layout);
  out += QStringLiteral("  (a line of body text is %1 px)\n").arg(line);
  out += error.isEmpty() ? QStringLiteral("  fits\n")
                         : QStringLiteral("  FAILS: %1\n").arg(error);
  return out;
}

}  // namespace tessaly::content_compiler
