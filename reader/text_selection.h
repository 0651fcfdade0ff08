// Selection in a topic's flat text: where a pointer on a page falls between
// characters, and which page boxes a range of the text covers.
#ifndef TESSALY_READER_TEXT_SELECTION_H_
#define TESSALY_READER_TEXT_SELECTION_H_

#include <cstddef>
#include <vector>

#include "text/flat_text.h"

namespace tessaly::reader {

// The caret position (0 … text size) nearest to `point` on page `page`:
// before or after the character of the nearest line whose box is nearest
// across, by which half of it the point is over. Above a page's first line
// it is the page's start, below its last line the page's end.
std::size_t CaretAt(const text::FlatText& flat, int page,
                    text::PagePoint point);

struct PageRect {
  int page = 0;
  text::PageBox box;
};

// The boxes that `length` characters from `start` cover, one per run of
// neighbouring characters on one line, for highlighting.
std::vector<PageRect> RangeBoxes(const text::FlatText& flat, std::size_t start,
                                 std::size_t length);

}  // namespace tessaly::reader

#endif  // TESSALY_READER_TEXT_SELECTION_H_
