#include "reader/text_find.h"

#include <algorithm>
#include <functional>

namespace tessaly::reader {
namespace {

constexpr bool EndsSentence(char32_t c) {
  return c == U'。' || c == U'！' || c == U'？' || c == U'；' || c == U'\n';
}

}  // namespace

std::u32string FoldedForFind(std::u32string_view text) {
  std::u32string folded(text);
  std::transform(folded.begin(), folded.end(), folded.begin(), FoldForFind);
  return folded;
}

std::vector<TextSpan> FindAll(std::u32string_view folded_text,
                              std::u32string_view query) {
  std::vector<TextSpan> found;
  const std::u32string needle = FoldedForFind(query);
  if (needle.empty()) return found;
  const std::boyer_moore_horspool_searcher searcher(needle.begin(),
                                                    needle.end());
  auto from = folded_text.begin();
  while (true) {
    const auto at = std::search(from, folded_text.end(), searcher);
    if (at == folded_text.end()) break;
    found.push_back(
        {static_cast<std::size_t>(at - folded_text.begin()), needle.size()});
    from = at + static_cast<std::ptrdiff_t>(needle.size());
  }
  return found;
}

TextSpan SentenceAround(std::u32string_view text, std::size_t index) {
  if (text.empty()) return {};
  index = std::min(index, text.size() - 1);
  if (text[index] == U'\n') return {index, 0};
  std::size_t start = index;
  while (start > 0 && !EndsSentence(text[start - 1])) --start;
  std::size_t end = index;
  while (end < text.size() && !EndsSentence(text[end])) ++end;
  if (end < text.size() && text[end] != U'\n') ++end;
  return {start, end - start};
}

}  // namespace tessaly::reader
