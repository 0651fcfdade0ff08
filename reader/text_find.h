// Finding words in a page's text, as a reader types them: full-width Latin
// letters and digits match their half-width forms (ｔｅｓｔ = test, １２０ =
// 120) and Latin letters match in either case. Also the sentence around a
// character, for selecting it with a double-click.
#ifndef TESSALY_READER_TEXT_FIND_H_
#define TESSALY_READER_TEXT_FIND_H_

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace tessaly::reader {

struct TextSpan {
  std::size_t start = 0;
  std::size_t length = 0;
  std::size_t end() const { return start + length; }
  bool operator==(const TextSpan&) const = default;
};

// The form of a character that matching compares.
constexpr char32_t FoldForFind(char32_t c) {
  if ((c >= U'０' && c <= U'９') || (c >= U'Ａ' && c <= U'Ｚ') ||
      (c >= U'ａ' && c <= U'ｚ')) {
    c = c - U'！' + U'!';
  }
  if (c >= U'A' && c <= U'Z') c = c - U'A' + U'a';
  return c;
}

// `text` folded character by character; lengths stay the same, so offsets
// into the folded text are offsets into the original.
std::u32string FoldedForFind(std::u32string_view text);

// Every place where `query` occurs in `folded_text` (already folded),
// left to right, not overlapping. Nothing for an empty query.
std::vector<TextSpan> FindAll(std::u32string_view folded_text,
                              std::u32string_view query);

// The sentence that holds `index`: from after the previous sentence end
// (。！？；, a line break or the start) to its own end mark, included.
TextSpan SentenceAround(std::u32string_view text, std::size_t index);

}  // namespace tessaly::reader

#endif  // TESSALY_READER_TEXT_FIND_H_
