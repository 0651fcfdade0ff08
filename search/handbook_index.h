// The text of every topic of the handbook, searched as the reader types:
// one hit per topic that holds the words, with the number of places, a
// snippet around the first one, best first.
#ifndef TESSALY_SEARCH_HANDBOOK_INDEX_H_
#define TESSALY_SEARCH_HANDBOOK_INDEX_H_

#include <cstddef>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace tessaly::search {

struct TopicText {
  std::u32string title;
  std::u32string text;  // the topic's pages in reading order
};

struct SearchHit {
  std::size_t topic = 0;  // index into the index's topics
  std::size_t count = 0;  // places in the text
  std::size_t first = 0;  // offset of the first place in the text
  // Text around the first place on one line, and where the words stand in
  // it; "…" marks a cut.
  std::u32string snippet;
  std::size_t snippet_match = 0;
  std::size_t match_length = 0;
  bool operator==(const SearchHit&) const = default;
};

class HandbookIndex {
 public:
  explicit HandbookIndex(std::vector<TopicText> topics);

  const std::vector<TopicText>& topics() const { return topics_; }

  // Hits among `allowed` (topic indexes): topics whose title holds the
  // words first, then by the number of places, then in the given order.
  std::vector<SearchHit> Search(std::u32string_view query,
                                std::span<const std::size_t> allowed) const;

 private:
  std::vector<TopicText> topics_;
  std::vector<std::u32string> folded_texts_;
  std::vector<std::u32string> folded_titles_;
};

}  // namespace tessaly::search

#endif  // TESSALY_SEARCH_HANDBOOK_INDEX_H_
