// Cuts a laid-out topic document into pages. Pages break only between lines,
// list items or table rows; boxes and tables keep their borders with the
// first and last of their lines. A table's header row stays with its first
// body row, and a boxed note that fits on a page is not split.
#ifndef TESSALY_TOOLS_CONTENT_COMPILER_PAGE_FLOW_H_
#define TESSALY_TOOLS_CONTENT_COMPILER_PAGE_FLOW_H_

#include <cstddef>
#include <vector>

class QTextDocument;

namespace tessaly::content_compiler {

// A piece of the document that must not be split: one line of text, or one
// table row. Extents in document pixels, including the borders and padding
// of the box or table that begins or ends with it.
struct FlowUnit {
  double top = 0;
  double bottom = 0;
  bool break_before = false;  // the author asked for a new page here
  // The page must not end after this unit (a header row, a line of a note)
  // unless what it holds together is taller than a page.
  bool keep_with_next = false;
};

std::vector<FlowUnit> CollectFlowUnits(const QTextDocument& document,
                                       const std::vector<int>& page_breaks);

struct PageSlice {
  int height_px = 0;
  int frame_height = 0;  // 0.01 mm
  std::size_t first_unit = 0;
  std::size_t end_unit = 0;  // one past the last unit on the page
  double content_top = 0;    // document y shown at the top margin
  double margin_top_px = 0;  // white above the content
  double used_px = 0;        // height of the content on the page
  double available_px = 0;   // room between the margins
  double clip_top = 0;       // document y range the page draws
  double clip_bottom = 0;
  // Room the unit that went on to the next page would have needed here
  // (its height plus the gap above it); 0 after the last unit or before an
  // author's page break.
  double next_unit_px = 0;
};

enum class FlowError {
  kNone,
  kTextDoesNotFit,  // units are left after the last fixed page
  kEmptyPage,       // a fixed page got no text
};

struct FlowResult {
  std::vector<PageSlice> pages;
  FlowError error = FlowError::kNone;
  int error_page = -1;  // page index the error is about
  double leftover_px = 0;
  std::size_t leftover_units = 0;
};

// With `frames` (0.01 mm), exactly those pages; without, pages of at most
// the maximum height, each as tall as its content: where such pages meet
// they keep only thin margins, so the stacked column reads as one sheet.
FlowResult FlowPages(const std::vector<FlowUnit>& units,
                     const std::vector<int>& frames);

// The frame height (0.01 mm) whose natural size is `height_px`.
int FrameForHeight(int height_px);

}  // namespace tessaly::content_compiler

#endif  // TESSALY_TOOLS_CONTENT_COMPILER_PAGE_FLOW_H_
