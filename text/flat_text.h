// The text of pages as one string in reading order, each character mapped
// back to the page, run and box it came from: what find, selection, copy and
// search work on.
#ifndef TESSALY_TEXT_FLAT_TEXT_H_
#define TESSALY_TEXT_FLAT_TEXT_H_

#include <cstddef>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "text/text_run.h"

namespace tessaly::text {

// Where a character of the flat text comes from.
struct CharSource {
  int page = 0;  // index into the pages given to Flatten
  // Index into that page's runs and into the run's text; both -1 for a
  // separator that Flatten inserted (a space at a Latin line wrap or between
  // Latin runs, a tab between cells of a row, a line feed between
  // paragraphs).
  int run = -1;
  int index = -1;
  // The character's bounds on its page; for an inserted separator, an empty
  // box at the end of the character before it.
  PageBox box;

  bool inserted() const { return run < 0; }
};

struct FlatText {
  // Paragraphs separated by one U+000A (pages by the same, unless a
  // paragraph goes on over the break), the cells of a table row by one
  // U+0009; within a paragraph, wrapped lines are joined with nothing
  // between Chinese text and one space between Latin words.
  std::u32string text;
  std::vector<CharSource> sources;  // sources[i] belongs to text[i]
  // Offsets into `text` where each paragraph starts, in order.
  std::vector<std::size_t> paragraph_starts;
};

// Every page's runs put in reading order (ReadingOrder) and concatenated.
FlatText Flatten(std::span<const PageText> pages);

// UTF-8 of a piece of flat text (for copying, printing, search indexes).
std::string ToUtf8(std::u32string_view text);

// True for characters between which a wrapped line joins without a space:
// CJK ideographs, kana, hangul, CJK and full-width punctuation and forms.
bool IsCjk(char32_t c);

}  // namespace tessaly::text

#endif  // TESSALY_TEXT_FLAT_TEXT_H_
