// The topic source format: header keys and body markup.
#include "tools/content_compiler/body_markup.h"

#include <gtest/gtest.h>

#include "tools/content_compiler/topic_source.h"

namespace tessaly::content_compiler {
namespace {

// One line per block: kind, marker and text; notes list their children.
QString Summary(const std::vector<MarkupBlock>& blocks) {
  QStringList lines;
  for (const MarkupBlock& block : blocks) {
    switch (block.kind) {
      case BlockKind::kTitle:
        lines << QStringLiteral("H1 ") + block.text;
        break;
      case BlockKind::kSection:
        lines << QStringLiteral("H2 ") + block.text;
        break;
      case BlockKind::kSubsection:
        lines << QStringLiteral("H3 ") + block.text;
        break;
      case BlockKind::kParagraph:
        lines << QStringLiteral("P ") + block.text;
        break;
      case BlockKind::kNumberedItem:
        lines << QStringLiteral("N ") + block.marker + QStringLiteral(" ") +
                     block.text;
        break;
      case BlockKind::kBulletItem:
        lines << QStringLiteral("B ") + block.text;
        break;
      case BlockKind::kNote:
        lines << QStringLiteral("NOTE[") +
                     Summary(block.children).replace(u'\n', u';') +
                     QStringLiteral("]");
        break;
      case BlockKind::kTable: {
        QStringList rows;
        for (const QStringList& row : block.rows) rows << row.join(u',');
        lines << (block.header_row ? QStringLiteral("TH ")
                                   : QStringLiteral("T ")) +
                     rows.join(u'/');
        break;
      }
      case BlockKind::kPageBreak:
        lines << QStringLiteral("BREAK");
        break;
    }
  }
  return lines.join(u'\n');
}

TEST(BodyMarkupTest, ParsesEachKindOfBlock) {
  struct Case {
    const char* markup;
    const char* summary;
  };
  const Case cases[] = {
      {"# 标题\n## 一节\n### 小节", "H1 标题\nH2 一节\nH3 小节"},
      // Lines of a paragraph join without a space; a blank line ends it.
      {"第一行\n第二行\n\n下一段", "P 第一行第二行\nP 下一段"},
      // The author's number stays; continuation lines join the item.
      {"12. 第一项\n接着写\n3. 第二项", "N 12. 第一项接着写\nN 3. 第二项"},
      {"- 甲\n- 乙", "B 甲\nB 乙"},
      // A number that is not followed by a blank is text.
      {"3.5分以上", "P 3.5分以上"},
      // An ideographic indent is the author's and stays.
      {"　　缩进的段落", "P 　　缩进的段落"},
      {"> **提示：**第一句\n> 第二句\n>\n> - 要点",
       "NOTE[P **提示：**第一句第二句;B 要点]"},
      {"| a | b |\n|---|---|\n| 1 | 2 |", "TH a,b/1,2"},
      {"| a | b |\n| 1 | 2 |", "T a,b/1,2"},
      {"前\n<<<\n后", "P 前\nBREAK\nP 后"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Summary(ParseBodyMarkup(QString::fromUtf8(c.markup))),
              QString::fromUtf8(c.summary))
        << c.markup;
  }
}

TEST(TopicSourceTest, ReadsTheHeader) {
  const auto result = ParseTopicSource(QStringLiteral(
      "title: 考生焦虑测评\r\ncontrol: Img_03\r\nframes: 24213  4896\r\n\r\n# "
      "正文"));
  ASSERT_TRUE(result.error.isEmpty()) << result.error.toStdString();
  EXPECT_EQ(result.source.title, QStringLiteral("考生焦虑测评"));
  EXPECT_EQ(result.source.control, QStringLiteral("Img_03"));
  EXPECT_EQ(result.source.frames, (std::vector<int>{24213, 4896}));
  EXPECT_EQ(result.source.body, QStringLiteral("# 正文"));
}

TEST(TopicSourceTest, RejectsBadHeaders) {
  const char* const bad[] = {
      "control: Img_03\n\ntext",                        // no title
      "title: 题\n\ntext",                              // no control
      "title: 题\ncontrol: Img 03\n\ntext",             // not a name
      "title: 题\ncontrol: Img_03\nframes: 100 x\n\n",  // bad frame
      "title: 题\ncontrol: Img_03\nframes:\n\n",        // no frame
      "title: 题\ncontrol: Img_03\ncolour: red\n\n",    // unknown key
  };
  for (const char* text : bad) {
    EXPECT_FALSE(ParseTopicSource(QString::fromUtf8(text)).error.isEmpty())
        << text;
  }
}

}  // namespace
}  // namespace tessaly::content_compiler
