// Cutting a column of unbreakable units into pages.
#include "tools/content_compiler/page_flow.h"

#include <gtest/gtest.h>

#include "emf/record_types.h"
#include "tools/content_compiler/page_style.h"

namespace tessaly::content_compiler {
namespace {

constexpr double kLine = 21;

// `count` lines of 21 px, one under the other.
std::vector<FlowUnit> Lines(int count) {
  std::vector<FlowUnit> units;
  for (int i = 0; i < count; ++i) {
    units.push_back({i * kLine, (i + 1) * kLine, false});
  }
  return units;
}

// A 915-px page holds (915 - 56) / 21 = 40 lines.
constexpr int kLinesPerPage915 = 40;

TEST(PageFlowTest, FixedFramesGetExactlyTheirPages) {
  const std::vector<int> frames = {24213, 4896};
  const FlowResult flow = FlowPages(Lines(kLinesPerPage915 + 3), frames);
  EXPECT_EQ(flow.error, FlowError::kNone);
  ASSERT_EQ(flow.pages.size(), 2u);
  EXPECT_EQ(flow.pages[0].end_unit, static_cast<std::size_t>(kLinesPerPage915));
  EXPECT_EQ(flow.pages[1].first_unit,
            static_cast<std::size_t>(kLinesPerPage915));
  EXPECT_EQ(flow.pages[0].frame_height, 24213);
  EXPECT_EQ(flow.pages[1].frame_height, 4896);
  EXPECT_EQ(flow.pages[1].height_px, 185);
  // The second page shows its first line at the top margin.
  EXPECT_DOUBLE_EQ(flow.pages[1].content_top, kLinesPerPage915 * kLine);
}

TEST(PageFlowTest, FixedFramesReportWhatGoesWrong) {
  struct Case {
    const char* name;
    std::vector<FlowUnit> units;
    std::vector<int> frames;
    FlowError error;
    int page;
  };
  std::vector<FlowUnit> tall = Lines(3);
  tall[1].bottom = tall[1].top + 200;  // a row taller than a 185-px page
  const Case cases[] = {
      {"text left over",
       Lines(2 * kLinesPerPage915 + 1),
       {24213, 24213},
       FlowError::kTextDoesNotFit,
       1},
      {"last page empty",
       Lines(kLinesPerPage915),
       {24213, 4896},
       FlowError::kEmptyPage,
       1},
      {"unit taller than its page",
       tall,
       {4896, 4896, 4896},
       FlowError::kTextDoesNotFit,
       1},
  };
  for (const Case& c : cases) {
    const FlowResult flow = FlowPages(c.units, c.frames);
    EXPECT_EQ(flow.error, c.error) << c.name;
    EXPECT_EQ(flow.error_page, c.page) << c.name;
    EXPECT_EQ(flow.pages.size(), c.frames.size()) << c.name;
  }
  const FlowResult over =
      FlowPages(Lines(2 * kLinesPerPage915 + 3), {24213, 24213});
  EXPECT_EQ(over.leftover_units, 3u);
  EXPECT_DOUBLE_EQ(over.leftover_px, 3 * kLine);
}

TEST(PageFlowTest, AuthorsPageBreakStartsANewPage) {
  std::vector<FlowUnit> units = Lines(6);
  units[4].break_before = true;
  const FlowResult flow = FlowPages(units, {});
  ASSERT_EQ(flow.pages.size(), 2u);
  EXPECT_EQ(flow.pages[0].end_unit, 4u);
  EXPECT_EQ(flow.pages[0].next_unit_px, 0);
}

TEST(PageFlowTest, PagesWithoutFramesTakeTheirContentHeight) {
  const int lines_per_page = static_cast<int>(
      (kMaxPageHeightPx - kMarginTopPx - kMarginBottomPx) / kLine);
  const FlowResult flow = FlowPages(Lines(2 * lines_per_page + 5), {});
  EXPECT_EQ(flow.error, FlowError::kNone);
  ASSERT_EQ(flow.pages.size(), 3u);
  for (const PageSlice& page : flow.pages) {
    EXPECT_EQ(emf::FrameToPixels(page.frame_height), page.height_px);
  }
  EXPECT_EQ(flow.pages[0].height_px, kMaxPageHeightPx);
  EXPECT_EQ(flow.pages[1].height_px, kMaxPageHeightPx);
  EXPECT_EQ(flow.pages[2].height_px,
            static_cast<int>(5 * kLine) + kMarginTopPx + kMarginBottomPx);
}

TEST(PageFlowTest, NeighbouringPagesDrawDisjointSlices) {
  std::vector<FlowUnit> units = Lines(80);
  // A gap between paragraphs at the page boundary.
  for (std::size_t i = 40; i < units.size(); ++i) {
    units[i].top += 6;
    units[i].bottom += 6;
  }
  const FlowResult flow = FlowPages(units, {24213, 24213});
  ASSERT_EQ(flow.pages.size(), 2u);
  EXPECT_LE(flow.pages[0].clip_bottom, flow.pages[1].clip_top);
  EXPECT_GE(flow.pages[0].clip_bottom, units[39].bottom);
  EXPECT_LE(flow.pages[1].clip_top, units[40].top);
}

}  // namespace
}  // namespace tessaly::content_compiler
