#include "search/handbook_index.h"

#include <algorithm>

#include "reader/text_find.h"

namespace tessaly::search {
namespace {

constexpr std::size_t kContextBefore = 12;
constexpr std::size_t kContextAfter = 24;

std::u32string OneLine(std::u32string_view text) {
  std::u32string line(text);
  for (char32_t& c : line) {
    if (c == U'\n' || c == U'\t') c = U' ';
  }
  return line;
}

}  // namespace

HandbookIndex::HandbookIndex(std::vector<TopicText> topics)
    : topics_(std::move(topics)) {
  for (const TopicText& topic : topics_) {
    folded_texts_.push_back(reader::FoldedForFind(topic.text));
    folded_titles_.push_back(reader::FoldedForFind(topic.title));
  }
}

std::vector<SearchHit> HandbookIndex::Search(
    std::u32string_view query, std::span<const std::size_t> allowed) const {
  std::vector<SearchHit> hits;
  std::vector<bool> in_title;
  for (const std::size_t topic : allowed) {
    if (topic >= topics_.size()) continue;
    const std::vector<reader::TextSpan> found =
        reader::FindAll(folded_texts_[topic], query);
    if (found.empty()) continue;
    const std::u32string& text = topics_[topic].text;
    const std::size_t first = found.front().start;
    const std::size_t begin =
        first > kContextBefore ? first - kContextBefore : 0;
    const std::size_t end =
        std::min(text.size(), found.front().end() + kContextAfter);
    SearchHit hit{topic, found.size(), first, {}, 0, found.front().length};
    if (begin > 0) hit.snippet = U"…";
    hit.snippet_match = hit.snippet.size() + (first - begin);
    hit.snippet +=
        OneLine(std::u32string_view(text).substr(begin, end - begin));
    if (end < text.size()) hit.snippet += U"…";
    hits.push_back(std::move(hit));
    in_title.push_back(!reader::FindAll(folded_titles_[topic], query).empty());
  }
  std::vector<std::size_t> order(hits.size());
  for (std::size_t i = 0; i < order.size(); ++i) order[i] = i;
  std::stable_sort(order.begin(), order.end(),
                   [&](std::size_t a, std::size_t b) {
                     if (in_title[a] != in_title[b]) return bool(in_title[a]);
                     return hits[a].count > hits[b].count;
                   });
  std::vector<SearchHit> sorted;
  sorted.reserve(hits.size());
  for (const std::size_t i : order) sorted.push_back(std::move(hits[i]));
  return sorted;
}

}  // namespace tessaly::search
