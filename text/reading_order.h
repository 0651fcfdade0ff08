// Reading order of a page's text: runs into lines by baseline, lines into
// paragraphs by spacing and indentation, top to bottom, left to right.
#ifndef TESSALY_TEXT_READING_ORDER_H_
#define TESSALY_TEXT_READING_ORDER_H_

#include <cstddef>
#include <span>
#include <vector>

#include "text/text_run.h"

namespace tessaly::text {

// Runs whose baselines lie on one line, left to right. Rotated runs form a
// line of their own.
struct TextLine {
  std::vector<std::size_t> runs;  // indexes into the page's runs
  PageBox bounds;                 // union of the runs' character boxes
  double baseline = 0;            // y of the first run's baseline
  double em = 0;                  // the largest em of its runs
};

// Lines of one paragraph, top to bottom: a phrase that wraps from one of
// them to the next is one phrase.
struct TextParagraph {
  std::vector<TextLine> lines;
  PageBox bounds;
};

// Lines are ordered by baseline (top first); a run joins a line when its
// baseline is within a fifth of an em of the line's. A line starts a new
// paragraph when its font size changes, when it stands further below the
// previous line than the page's usual line pitch for that size, when its
// left edge breaks the paragraph's indentation, or when the previous line
// left room for the new line's first word (so it was not wrapped).
std::vector<TextParagraph> ReadingOrder(std::span<const TextRun> runs);

// Whether `next` (of `next_runs`) goes on with the phrase that `last` (of
// `last_runs`) ends: same size, and `last` left no room for the first word
// of `next` before `right_edge`. What joins a paragraph across a page break.
bool WrapsInto(const TextLine& last, std::span<const TextRun> last_runs,
               const TextLine& next, std::span<const TextRun> next_runs,
               double right_edge);

}  // namespace tessaly::text

#endif  // TESSALY_TEXT_READING_ORDER_H_
