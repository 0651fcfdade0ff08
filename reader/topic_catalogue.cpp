#include "reader/topic_catalogue.h"

#include <algorithm>
#include <cmath>

namespace tessaly::reader {
namespace {

constexpr bool NamesAreUnique() {
  for (std::size_t i = 0; i < kTopicCatalogue.size(); ++i) {
    for (std::size_t j = i + 1; j < kTopicCatalogue.size(); ++j) {
      const TopicEntry& a = kTopicCatalogue[i];
      const TopicEntry& b = kTopicCatalogue[j];
      if (a.title == b.title || a.viewport == b.viewport ||
          a.page_control == b.page_control) {
        return false;
      }
    }
  }
  return true;
}
static_assert(NamesAreUnique());
static_assert(kTopicCatalogue[2].page_count == 7);

constexpr int kMaxScrollValue = 32767;

// Rounds to a whole number, halves to even, as the scroll bar's set-up does.
double RoundHalfEven(double value) { return std::nearbyint(value); }

}  // namespace

const TopicEntry* Lookup(std::string_view title) {
  const auto it = std::find_if(
      kTopicCatalogue.begin(), kTopicCatalogue.end(),
      [title](const TopicEntry& entry) { return entry.title == title; });
  return it == kTopicCatalogue.end() ? nullptr : &*it;
}

ColumnLayout LayOutColumn(const TopicEntry& entry,
                          std::span<const double> page_heights) {
  ColumnLayout layout;
  layout.left = entry.column_left;
  double top = 0;
  for (const double height : page_heights) {
    layout.tops.push_back(top);
    top += height;
  }
  layout.total_height = top;
  return layout;
}

std::optional<ScrollSetup> SetUpScrolling(std::span<const double> page_heights,
                                          int viewport_height) {
  double max = RoundHalfEven(-viewport_height);
  for (const double height : page_heights) max = RoundHalfEven(max + height);
  if (max <= 0) return std::nullopt;
  ScrollSetup setup;
  setup.max = static_cast<int>(std::min<double>(max, kMaxScrollValue));
  setup.large_change = std::max(1, setup.max / 5);
  setup.small_change = std::max(1, setup.max / 20);
  return setup;
}

}  // namespace tessaly::reader
