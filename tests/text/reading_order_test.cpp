// Reading order and the flat text: lines, paragraphs, wraps, cells, pages,
// and the way back from each character to its page and box.
#include "text/reading_order.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "text/flat_text.h"

namespace tessaly::text {
namespace {

constexpr double kEm = 14;
constexpr double kPitch = 23;

// A horizontal run at (x, baseline) whose characters are `advance` wide
// (a full em for Chinese, half for Latin, unless given).
TextRun MakeRun(std::u32string text, double x, double baseline,
                double advance = 0, double em = kEm) {
  TextRun run;
  run.text = std::move(text);
  run.origin = {x, baseline};
  run.em = em;
  run.ascent = 0.86 * em;
  run.descent = 0.14 * em;
  for (char32_t c : run.text) {
    const double w = advance > 0 ? advance : (IsCjk(c) ? em : em / 2);
    CharBox box;
    box.bounds = {x, baseline - run.ascent, x + w, baseline + run.descent};
    box.corners = {PagePoint{x, box.bounds.top},
                   {x + w, box.bounds.top},
                   {x + w, box.bounds.bottom},
                   {x, box.bounds.bottom}};
    run.boxes.push_back(box);
    x += w;
  }
  return run;
}

std::u32string Flat(std::vector<TextRun> runs) {
  PageText page;
  page.runs = std::move(runs);
  return Flatten(std::span(&page, 1)).text;
}

// A paragraph of CJK lines 10 characters wide (140 px from x = 38).
std::vector<TextRun> Lines(const std::vector<std::u32string>& lines,
                           double first_baseline = 100, double pitch = kPitch) {
  std::vector<TextRun> runs;
  double y = first_baseline;
  for (const std::u32string& line : lines) {
    runs.push_back(MakeRun(line, 38, y));
    y += pitch;
  }
  return runs;
}

TEST(ReadingOrderTest, WrappedLinesJoinAndBreaksStay) {
  struct Case {
    const char* name;
    std::vector<TextRun> runs;
    std::u32string expected;
  };
  std::vector<TextRun> spaced = Lines({U"一二三四五六七八九十", U"甲乙"});
  for (TextRun& r :
       Lines({U"子丑寅卯辰巳午未申酉", U"戌亥"}, 100 + 2 * kPitch + 6)) {
    spaced.push_back(r);
  }
  std::vector<TextRun> latin = {MakeRun(U"reading the pages", 38, 100, 7),
                                MakeRun(U"aloud", 38, 100 + kPitch, 7)};
  std::vector<TextRun> short_line =
      Lines({U"一二三四五六七八九十", U"甲乙", U"子丑寅卯辰巳午未申酉", U"戌"});
  std::vector<TextRun> drawn_out_of_order =
      Lines({U"一二三四五六七八九十", U"甲乙"});
  std::swap(drawn_out_of_order[0], drawn_out_of_order[1]);
  std::vector<Case> cases;
  cases.push_back({"Chinese wrap", Lines({U"一二三四五六七八九十", U"甲乙"}),
                   U"一二三四五六七八九十甲乙"});
  cases.push_back(
      {"Latin wrap gets a space", latin, U"reading the pages aloud"});
  cases.push_back({"wider pitch breaks", spaced,
                   U"一二三四五六七八九十甲乙\n子丑寅卯辰巳午未申酉戌亥"});
  cases.push_back({"room left on a line breaks", short_line,
                   U"一二三四五六七八九十甲乙\n子丑寅卯辰巳午未申酉戌"});
  cases.push_back({"drawing order does not matter", drawn_out_of_order,
                   U"一二三四五六七八九十甲乙"});
  for (Case& c : cases) {
    EXPECT_EQ(ToUtf8(Flat(c.runs)), ToUtf8(c.expected)) << c.name;
  }
}

TEST(ReadingOrderTest, RunsOfALineJoinLeftToRight) {
  // Chinese, a Latin number and Chinese again on one baseline, drawn in
  // another order; then two Latin runs a word gap apart.
  const std::u32string mixed =
      Flat({MakeRun(U"分钟", 80, 100), MakeRun(U"本测评共", 10, 100),
            MakeRun(U"60", 66, 100, 7)});
  EXPECT_EQ(ToUtf8(mixed), ToUtf8(U"本测评共60分钟"));
  const std::u32string words =
      Flat({MakeRun(U"high", 10, 100, 7),
            MakeRun(U"school", 10 + 4 * 7 + 5, 100, 7)});
  EXPECT_EQ(ToUtf8(words), "high school");
}

TEST(ReadingOrderTest, ListItemsAreParagraphsAndKeepTheirWrappedLines) {
  // "1." in the margin, text at a hanging indent of 28 px; item 1 wraps.
  std::vector<TextRun> runs = {
      MakeRun(U"1.", 38, 100, 5),
      MakeRun(U"一二三四五六七八九十", 66, 100),
      MakeRun(U"甲乙", 66, 100 + kPitch),
      MakeRun(U"2.", 38, 100 + 2 * kPitch, 5),
      MakeRun(U"子丑寅卯辰巳午未申酉", 66, 100 + 2 * kPitch),
  };
  EXPECT_EQ(ToUtf8(Flat(runs)),
            ToUtf8(U"1.一二三四五六七八九十甲乙\n2.子丑寅卯辰巳午未申酉"));
}

TEST(ReadingOrderTest, TableCellsAreReadRowByRowWithTheirWrappedLines) {
  // Two rows 30 px apart; the first row's middle cell wraps at 23 px.
  const double row2 = 100 + 30 + kPitch;
  std::vector<TextRun> runs = {
      MakeRun(U"信息技术", 40, 100), MakeRun(U"计算机科学", 110, 100),
      MakeRun(U"看好", 190, 100),    MakeRun(U"与技术", 110, 100 + kPitch),
      MakeRun(U"能源", 40, row2),    MakeRun(U"电气工程", 110, row2),
      MakeRun(U"节约", 190, row2),
  };
  EXPECT_EQ(ToUtf8(Flat(runs)),
            ToUtf8(U"信息技术\t计算机科学与技术\t看好\n能源\t电气工程\t节约"));
}

TEST(ReadingOrderTest, AParagraphGoesOnOverAPageBreak) {
  std::vector<PageText> pages(2);
  pages[0].runs = Lines({U"一二三四五六七八九十", U"子丑寅卯辰巳午未申酉"});
  pages[1].runs = Lines({U"甲乙", U"丙丁戊己庚辛壬癸子丑"}, 40, 40);
  const FlatText flat = Flatten(pages);
  EXPECT_EQ(ToUtf8(flat.text), ToUtf8(U"一二三四五六七八九十子丑寅卯辰巳午未申"
                                      U"酉甲乙\n丙丁戊己庚辛壬癸子丑"));
  EXPECT_EQ(flat.paragraph_starts, (std::vector<std::size_t>{0, 23}));
}

TEST(ReadingOrderTest, EveryCharacterMapsBackToItsPageRunAndBox) {
  std::vector<PageText> pages(2);
  pages[0].runs = {MakeRun(U"a longer line above them", 10, 77, 7),
                   MakeRun(U"high", 10, 100, 7),
                   MakeRun(U"school", 43, 100, 7)};
  pages[1].runs = {MakeRun(U"考生", 38, 60)};
  const FlatText flat = Flatten(pages);
  ASSERT_EQ(ToUtf8(flat.text),
            ToUtf8(U"a longer line above them high school\n考生"));
  ASSERT_EQ(flat.sources.size(), flat.text.size());
  for (std::size_t i = 0; i < flat.text.size(); ++i) {
    const CharSource& s = flat.sources[i];
    if (s.inserted()) {
      EXPECT_TRUE(flat.text[i] == U' ' || flat.text[i] == U'\n') << i;
      EXPECT_EQ(s.box.width(), 0) << i;
      continue;
    }
    const TextRun& run = pages[static_cast<std::size_t>(s.page)]
                             .runs[static_cast<std::size_t>(s.run)];
    EXPECT_EQ(run.text[static_cast<std::size_t>(s.index)], flat.text[i]) << i;
    EXPECT_EQ(run.boxes[static_cast<std::size_t>(s.index)].bounds, s.box) << i;
  }
  EXPECT_EQ(flat.sources[24].run, -1);  // the space of the wrap
  EXPECT_EQ(flat.sources[29].run, -1);  // the space between the two runs
  EXPECT_EQ(flat.sources[37].page, 1);
  EXPECT_EQ(flat.sources[37].box.left, 38);
  EXPECT_EQ(flat.paragraph_starts, (std::vector<std::size_t>{0, 37}));
}

TEST(ReadingOrderTest, Utf8AndCjkClasses) {
  EXPECT_EQ(ToUtf8(U"a\u00E9\u4E2D\U0001F600"),
            "a\xC3\xA9\xE4\xB8\xAD\xF0\x9F\x98\x80");
  EXPECT_EQ(ToUtf8(std::u32string(1, 0xD800)), "\xEF\xBF\xBD");
  for (char32_t c : {U'中', U'，', U'。', U'ｔ', U'\u3000', U'あ'}) {
    EXPECT_TRUE(IsCjk(c)) << static_cast<std::uint32_t>(c);
  }
  for (char32_t c : {U'a', U'1', U',', U'é', U'—'}) {
    EXPECT_FALSE(IsCjk(c)) << static_cast<std::uint32_t>(c);
  }
}

}  // namespace
}  // namespace tessaly::text
