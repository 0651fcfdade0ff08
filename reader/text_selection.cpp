#include "reader/text_selection.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace tessaly::reader {
namespace {

double Across(const text::PageBox& box, double x) {
  if (x < box.left) return box.left - x;
  if (x > box.right) return x - box.right;
  return 0;
}

double Down(const text::PageBox& box, double y) {
  if (y < box.top) return box.top - y;
  if (y > box.bottom) return y - box.bottom;
  return 0;
}

}  // namespace

std::size_t CaretAt(const text::FlatText& flat, int page,
                    text::PagePoint point) {
  std::size_t first = flat.sources.size();
  std::size_t last = 0;
  std::size_t best = flat.sources.size();
  double best_down = std::numeric_limits<double>::max();
  double best_across = std::numeric_limits<double>::max();
  for (std::size_t i = 0; i < flat.sources.size(); ++i) {
    const text::CharSource& source = flat.sources[i];
    if (source.page != page || source.inserted()) continue;
    first = std::min(first, i);
    last = i;
    const double down = Down(source.box, point.y);
    const double across = Across(source.box, point.x);
    // Characters of one line share their vertical distance; the nearest
    // line wins, then the nearest character on it.
    if (down < best_down - 0.5 ||
        (std::abs(down - best_down) <= 0.5 && across < best_across)) {
      best = i;
      best_down = down;
      best_across = across;
    }
  }
  if (best == flat.sources.size()) return flat.text.size();
  const text::PageBox& box = flat.sources[best].box;
  const double middle = (box.left + box.right) / 2;
  if (point.y < box.top && best == first && best_down > 0) return first;
  if (point.y > box.bottom && best == last && best_down > 0) return last + 1;
  return point.x > middle ? best + 1 : best;
}

std::vector<PageRect> RangeBoxes(const text::FlatText& flat, std::size_t start,
                                 std::size_t length) {
  std::vector<PageRect> rects;
  const std::size_t end = std::min(flat.sources.size(), start + length);
  for (std::size_t i = start; i < end; ++i) {
    const text::CharSource& source = flat.sources[i];
    if (source.inserted() || source.box.width() <= 0) continue;
    if (!rects.empty()) {
      PageRect& last = rects.back();
      const bool same_line =
          last.page == source.page &&
          std::abs(last.box.top - source.box.top) < 1 &&
          std::abs(last.box.bottom - source.box.bottom) < 1 &&
          source.box.left >= last.box.left;
      if (same_line) {
        last.box = last.box.United(source.box);
        continue;
      }
    }
    rects.push_back({source.page, source.box});
  }
  return rects;
}

}  // namespace tessaly::reader
