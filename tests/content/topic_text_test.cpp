// The text layer of the built pages against the topic sources: every
// paragraph, list item, note line and table cell of every source comes back
// from its topic's pages, whole (no line break inside it) and in order.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <span>
#include <string>
#include <vector>

#include "content/topic_pages.h"
#include "emf/emf_document.h"
#include "emf/text_layer.h"
#include "text/flat_text.h"
#include "tools/content_compiler/body_markup.h"
#include "tools/content_compiler/questionnaire_markup.h"
#include "tools/content_compiler/topic_source.h"

namespace tessaly::content {
namespace {

using content_compiler::BlockKind;
using content_compiler::MarkupBlock;

bool IsBlank(char32_t c) {
  return c == U' ' || c == U'\t' || c == U'\u3000' || c == U'\u00A0';
}

// Spacing differs between a source and a page (tabs after markers, spaces
// around check boxes), so blanks are left out on both sides; line breaks
// stay, so a paragraph broken in two is not found.
std::u32string WithoutBlanks(std::u32string_view text) {
  std::u32string out;
  for (char32_t c : text) {
    if (!IsBlank(c)) out.push_back(c);
  }
  return out;
}

std::u32string Needle(QString text) {
  text.remove(QStringLiteral("**")).remove(QStringLiteral("[ ]"));
  return WithoutBlanks(text.toStdU32String());
}

void CollectTexts(const std::vector<MarkupBlock>& blocks,
                  std::vector<std::u32string>& out) {
  for (const MarkupBlock& block : blocks) {
    switch (block.kind) {
      case BlockKind::kTitle:
      case BlockKind::kSection:
      case BlockKind::kSubsection:
      case BlockKind::kParagraph:
        out.push_back(Needle(block.text));
        break;
      case BlockKind::kNumberedItem:
        out.push_back(Needle(block.marker + block.text));
        break;
      case BlockKind::kBulletItem:
        out.push_back(Needle(QStringLiteral("•") + block.text));
        break;
      case BlockKind::kNote:
        CollectTexts(block.children, out);
        break;
      case BlockKind::kTable:
        for (const QStringList& row : block.rows) {
          for (const QString& cell : row) out.push_back(Needle(cell));
        }
        break;
      case BlockKind::kPageBreak:
        break;
    }
  }
}

std::u32string TopicText(const QString& control) {
  std::vector<text::PageText> pages;
  for (int i = 0; i < PageCount(control); ++i) {
    const std::optional<QByteArray> bytes = LoadPage(control, i);
    if (!bytes) break;
    const auto document = emf::EmfDocument::Parse(
        std::as_bytes(std::span(bytes->constData(), bytes->size())));
    emf::ExtractResult extracted = emf::ExtractText(document);
    EXPECT_FALSE(extracted.error) << i;
    pages.push_back(std::move(extracted.page));
  }
  return WithoutBlanks(text::Flatten(pages).text);
}

TEST(TopicTextTest, EveryParagraphOfEverySourceIsOnItsPagesInOrder) {
  const QStringList files =
      QDir(QStringLiteral(TESSALY_TOPICS_DIR))
          .entryList({QStringLiteral("*.txt")}, QDir::Files, QDir::Name);
  ASSERT_EQ(files.size(), static_cast<int>(BuiltTopics().size()));
  for (const QString& name : files) {
    QFile file(QStringLiteral(TESSALY_TOPICS_DIR) + u'/' + name);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << name.toStdString();
    const auto parsed =
        content_compiler::ParseTopicSource(QString::fromUtf8(file.readAll()));
    ASSERT_TRUE(parsed.error.isEmpty()) << name.toStdString();
    SCOPED_TRACE(name.toStdString());

    std::vector<std::u32string> paragraphs;
    std::vector<content_compiler::MarkupBlock> blocks =
        content_compiler::ParseBodyMarkup(parsed.source.body);
    content_compiler::RenderDataTokens(blocks);  // as the pages print them
    CollectTexts(blocks, paragraphs);
    ASSERT_FALSE(paragraphs.empty());
    const std::u32string text = TopicText(parsed.source.control);
    std::size_t from = 0;
    for (const std::u32string& paragraph : paragraphs) {
      if (paragraph.empty()) continue;
      const std::size_t at = text.find(paragraph, from);
      ASSERT_NE(at, std::u32string::npos)
          << "not found after offset " << from << ": "
          << text::ToUtf8(paragraph)
          << "\nnear: " << text::ToUtf8(text.substr(from, 120));
      from = at + paragraph.size();
    }
  }
}

}  // namespace
}  // namespace tessaly::content
