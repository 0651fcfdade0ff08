// Text as a page draws it: runs of characters, each with its box in page
// pixels. Plain values (standard C++ only), so that reading order, matching
// and selection work without Qt or a window.
#ifndef TESSALY_TEXT_TEXT_RUN_H_
#define TESSALY_TEXT_TEXT_RUN_H_

#include <algorithm>
#include <array>
#include <string>
#include <vector>

namespace tessaly::text {

// Page pixels: the page at its natural size (96 dpi), origin at its top-left
// corner, y downwards; the same pixels the player draws into at scale 1.
struct PagePoint {
  double x = 0;
  double y = 0;
  bool operator==(const PagePoint&) const = default;
};

struct PageBox {
  double left = 0;
  double top = 0;
  double right = 0;
  double bottom = 0;

  double width() const { return right - left; }
  double height() const { return bottom - top; }
  bool Contains(PagePoint p) const {
    return p.x >= left && p.x < right && p.y >= top && p.y < bottom;
  }
  PageBox United(const PageBox& o) const {
    return {std::min(left, o.left), std::min(top, o.top),
            std::max(right, o.right), std::max(bottom, o.bottom)};
  }
  bool operator==(const PageBox&) const = default;
};

// The cell of one character: along the baseline from its origin by its
// advance, across from the ascent above the baseline to the descent below
// (the font's original ascent and descent, as the player aligns with them).
struct CharBox {
  // Top-left, top-right, bottom-right, bottom-left as a reader of the run
  // sees them; a quadrilateral when the run is rotated or sheared.
  std::array<PagePoint, 4> corners;
  // The axis-aligned bounds of the corners: what highlights and hit tests use.
  PageBox bounds;
};

// One text record (EXTTEXTOUTW or EXTTEXTOUTA) as drawn.
struct TextRun {
  // One element per character (Unicode code point): a surrogate pair of the
  // record is one character here, with the box of both of its units.
  std::u32string text;
  std::vector<CharBox> boxes;  // boxes[i] belongs to text[i]
  int record_index = 0;        // the record in the stream (0 = the header)
  PagePoint origin;            // start of the baseline (first glyph's origin)
  PagePoint direction{1, 0};   // unit vector along the baseline, page pixels
  double em = 0;               // the font's em height, page pixels
  double ascent = 0;           // page pixels above the baseline
  double descent = 0;          // page pixels below the baseline

  // True for text that runs left to right within 1 degree of the x axis.
  bool IsHorizontal() const {
    return direction.x > 0.9998 && direction.y < 0.0175 &&
           direction.y > -0.0175;
  }
};

// The text of one page, runs in the order the stream draws them.
struct PageText {
  std::vector<TextRun> runs;
  double width = 0;  // the page's natural size, page pixels
  double height = 0;
  // False when the stream is damaged: the runs are those read before the
  // damage.
  bool complete = true;
};

}  // namespace tessaly::text

#endif  // TESSALY_TEXT_TEXT_RUN_H_
