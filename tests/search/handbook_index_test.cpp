// Searching the handbook: which topics come back, in which order, and what
// their snippets show.
#include "search/handbook_index.h"

#include <gtest/gtest.h>

namespace tessaly::search {
namespace {

HandbookIndex MakeIndex() {
  return HandbookIndex({
      {U"考场应试技巧", U"进考场前检查文具。\n考场上先易后难。"},
      {U"焦虑的预防与消除", U"焦虑时深呼吸，焦虑会减轻；考场焦虑也一样。"},
      {U"填报志愿", U"志愿要有梯度。考场以外的事。"},
      {U"饮食", U"多吃蔬菜。"},
  });
}

TEST(HandbookIndexTest, TitleHitsFirstThenMorePlacesThenMenuOrder) {
  const HandbookIndex index = MakeIndex();
  const std::vector<std::size_t> all = {0, 1, 2, 3};
  struct Case {
    std::u32string_view query;
    std::vector<std::size_t> topics;
    std::vector<std::size_t> counts;
  };
  const Case cases[] = {
      {U"焦虑", {1}, {3}},
      {U"考场", {0, 1, 2}, {2, 1, 1}},  // 0 has it in its
                                        // title
      {U"梯度", {2}, {1}},
      {U"没有的词", {}, {}},
      {U"", {}, {}},
  };
  for (const Case& c : cases) {
    std::vector<std::size_t> topics;
    std::vector<std::size_t> counts;
    for (const SearchHit& hit : index.Search(c.query, all)) {
      topics.push_back(hit.topic);
      counts.push_back(hit.count);
    }
    EXPECT_EQ(topics, c.topics);
    EXPECT_EQ(counts, c.counts);
  }
}

TEST(HandbookIndexTest, SearchesOnlyTheAllowedTopics) {
  const HandbookIndex index = MakeIndex();
  const std::vector<std::size_t> without_volunteering = {0, 1, 3};
  const std::vector<SearchHit> hits =
      index.Search(U"考场", without_volunteering);
  ASSERT_EQ(hits.size(), 2u);
  EXPECT_EQ(hits[0].topic, 0u);
  EXPECT_EQ(hits[1].topic, 1u);
}

TEST(HandbookIndexTest, SnippetShowsTheFirstPlaceOnOneLine) {
  const HandbookIndex index(std::vector<TopicText>{
      {U"长",
       U"一二三四五六七八九十甲乙丙丁戊己庚辛壬癸关键词在这里。\n"
       U"后面还有很多很多很多很多很多很多很多的文字"}});
  const std::vector<std::size_t> all = {0};
  const std::vector<SearchHit> hits = index.Search(U"关键词", all);
  ASSERT_EQ(hits.size(), 1u);
  const SearchHit& hit = hits[0];
  EXPECT_EQ(hit.first, 20u);
  EXPECT_EQ(hit.snippet.substr(hit.snippet_match, hit.match_length), U"关键词");
  EXPECT_EQ(hit.snippet.front(), U'…');
  EXPECT_EQ(hit.snippet.back(), U'…');
  EXPECT_EQ(hit.snippet.find(U'\n'), std::u32string::npos);
}

}  // namespace
}  // namespace tessaly::search
