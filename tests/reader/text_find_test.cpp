// Finding words as a reader types them, and the sentence under a
// double-click.
#include "reader/text_find.h"

#include <gtest/gtest.h>

namespace tessaly::reader {
namespace {

TEST(TextFindTest, FoldsWidthAndLatinCaseOnly) {
  struct Case {
    std::u32string_view text;
    std::u32string_view query;
    std::vector<TextSpan> found;
  };
  const Case cases[] = {
      {U"ｔｅｓｔ and TEST", U"test", {{0, 4}, {9, 4}}},
      {U"满分１２０分，及格72分", U"120", {{2, 3}}},
      {U"满分120分", U"１２０", {{2, 3}}},
      // Ideographs and full-width punctuation are compared as they are.
      {U"（考生）考生", U"(考生)", {}},
      {U"考生考生考", U"考生考", {{0, 3}}},
      {U"焦虑", U"", {}},
      {U"焦", U"焦虑", {}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(FindAll(FoldedForFind(c.text), c.query), c.found);
  }
}

TEST(TextFindTest, SentenceRunsBetweenSentenceMarks) {
  const std::u32string_view text = U"第一句。第二句，还有！\n新段落没有句号";
  struct Case {
    std::size_t index;
    TextSpan sentence;
  };
  const Case cases[] = {
      {0, {0, 4}},    // 第一句。
      {3, {0, 4}},    // on the mark itself
      {5, {4, 7}},    // 第二句，还有！
      {13, {12, 7}},  // the last paragraph, without a mark
      {11, {11, 0}},  // the line break between paragraphs
  };
  for (const Case& c : cases) {
    EXPECT_EQ(SentenceAround(text, c.index), c.sentence) << c.index;
  }
}

}  // namespace
}  // namespace tessaly::reader
