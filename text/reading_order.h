// Reading order of a page's text: runs into lines by baseline, lines into
// paragraphs by spacing and indentation, top to bottom, left to right.
#ifndef TESSALY_TEXT_READING_ORDER_H_
#define TESSALY_TEXT_READING_ORDER_H_

#include <cstddef>
#include <span>
#include <vector>

#include "text/text_run.h"

namespace tessaly::text {

// Runs whose baselines lie on one line and that stand close together, left
// to right: the cells of a table row are lines of their own. Rotated runs
// form a line of their own.
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
  // Starts on the line where the paragraph before it starts: the next cell
  // of a table row.
  bool beside_previous = false;
};

// Lines are ordered by baseline (top first), then left to right; a run
// joins a line when its baseline is within 0.4 em of the line's. A line
// goes on with the paragraph right above it in its column, unless its font
// size differs, it stands further below than the page's usual line pitch
// for that size, it starts with a list marker or breaks the paragraph's
// indentation, or the line above left room for its first word (so that
// line was not wrapped).
std::vector<TextParagraph> ReadingOrder(std::span<const TextRun> runs);

// Whether `next` (of `next_runs`) goes on with the phrase that `last` (of
// `last_runs`) ends: same size, and `last` left no room for the first word
// of `next` before `right_edge`. What joins a paragraph across a page break.
bool WrapsInto(const TextLine& last, std::span<const TextRun> last_runs,
               const TextLine& next, std::span<const TextRun> next_runs,
               double right_edge);

}  // namespace tessaly::text

#endif  // TESSALY_TEXT_READING_ORDER_H_
