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

// Without frames every page is as tall as its lines: the first keeps the
// full top margin and the last the full bottom one; where two pages meet
// only thin margins remain, so the column shows no white band.
TEST(PageFlowTest, PagesWithoutFramesTakeTheirContentHeight) {
  const FlowResult flow = FlowPages(Lines(90), {});
  EXPECT_EQ(flow.error, FlowError::kNone);
  ASSERT_EQ(flow.pages.size(), 3u);
  std::size_t lines = 0;
  for (std::size_t i = 0; i < flow.pages.size(); ++i) {
    SCOPED_TRACE(i);
    const PageSlice& page = flow.pages[i];
    const std::size_t count = page.end_unit - page.first_unit;
    lines += count;
    const bool last = i + 1 == flow.pages.size();
    const int top = i == 0 ? kMarginTopPx : kJoinMarginPx;
    const int bottom = last ? kMarginBottomPx : kJoinMarginPx;
    EXPECT_EQ(page.height_px, static_cast<int>(count * kLine) + top + bottom);
    EXPECT_EQ(emf::FrameToPixels(page.frame_height), page.height_px);
    EXPECT_LE(page.height_px, kMaxPageHeightPx);
    // A full page: one more line would not have fitted.
    if (!last) {
      EXPECT_GT((count + 1) * kLine + top + kMarginBottomPx, kMaxPageHeightPx);
    }
  }
  EXPECT_EQ(lines, 90u);
}

// Units held together (a header row with the next row, the lines of a
// note) move to the next page as one piece when the page would end inside
// them, and stay split only when they are taller than a page.
TEST(PageFlowTest, KeptRunsMoveToTheNextPageWhole) {
  std::vector<FlowUnit> units = Lines(50);
  for (std::size_t i = 38; i < 42; ++i) units[i].keep_with_next = true;
  const FlowResult flow = FlowPages(units, {24213, 24213});
  ASSERT_EQ(flow.pages.size(), 2u);
  EXPECT_EQ(flow.error, FlowError::kNone);
  EXPECT_EQ(flow.pages[0].end_unit, 38u);
  EXPECT_DOUBLE_EQ(flow.pages[0].next_unit_px, 5 * kLine);

  std::vector<FlowUnit> long_run = Lines(90);
  for (std::size_t i = 1; i < 89; ++i) long_run[i].keep_with_next = true;
  const FlowResult split = FlowPages(long_run, {});
  EXPECT_EQ(split.error, FlowError::kNone);
  EXPECT_EQ(split.pages[0].end_unit, 41u);
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
