// Every topic exported to PDF gives its text back through pdftotext: each
// paragraph of the topic's source, in order, character for character, and
// one sheet per page.
#include "reader/topic_pdf.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include "app/command_line.h"
#include "reader/topic_catalogue.h"
#include "reader/topic_sheets.h"
#include "tools/content_compiler/body_markup.h"
#include "tools/content_compiler/questionnaire_markup.h"
#include "tools/content_compiler/topic_source.h"

namespace tessaly::reader {
namespace {

using content_compiler::BlockKind;
using content_compiler::MarkupBlock;

// PDF text has no space characters, only gaps that readers turn into
// spaces, so spaces take no part in the comparison.
QString Squeezed(QString text) {
  static const QRegularExpression kSpaces(
      QStringLiteral("\\s+"), QRegularExpression::UseUnicodePropertiesOption);
  return text.normalized(QString::NormalizationForm_C).remove(kSpaces);
}

QString PlainText(QString markup) {
  return markup.remove(QStringLiteral("**")).remove(QStringLiteral("[ ]"));
}

void CollectParagraphs(const std::vector<MarkupBlock>& blocks,
                       QStringList& paragraphs) {
  for (const MarkupBlock& block : blocks) {
    switch (block.kind) {
      case BlockKind::kPageBreak:
        break;
      case BlockKind::kNote:
        CollectParagraphs(block.children, paragraphs);
        break;
      case BlockKind::kTable:
        for (const QStringList& row : block.rows) {
          for (const QString& cell : row) paragraphs << PlainText(cell);
        }
        break;
      case BlockKind::kNumberedItem:
        paragraphs << block.marker + PlainText(block.text);
        break;
      case BlockKind::kTitle:
      case BlockKind::kSection:
      case BlockKind::kSubsection:
      case BlockKind::kParagraph:
      case BlockKind::kBulletItem:
        paragraphs << PlainText(block.text);
        break;
    }
  }
}

QString SourceFile(const TopicEntry& entry) {
  QFile file(QStringLiteral(TESSALY_TOPIC_SOURCES "/%1.txt")
                 .arg(QString::fromUtf8(
                     entry.page_control.data(),
                     static_cast<qsizetype>(entry.page_control.size()))));
  if (!file.open(QIODevice::ReadOnly)) return {};
  return QString::fromUtf8(file.readAll());
}

class TopicPdfTest : public testing::TestWithParam<std::u16string_view> {};

TEST_P(TopicPdfTest, TextComesBackInOrderWithOneSheetPerPage) {
  const QString title = QString::fromUtf16(
      GetParam().data(), static_cast<qsizetype>(GetParam().size()));
  SCOPED_TRACE(title.toStdString());
  const TopicEntry* entry = Lookup(title.toStdString());
  ASSERT_NE(entry, nullptr);
  const content_compiler::TopicSourceResult source =
      content_compiler::ParseTopicSource(SourceFile(*entry));
  ASSERT_TRUE(source.error.isEmpty()) << source.error.toStdString();

  QTemporaryDir dir;
  const QString pdf = dir.filePath(QStringLiteral("topic.pdf"));
  ASSERT_EQ(WriteTopicPdf(*entry, pdf), std::nullopt);
  QProcess extract;
  extract.start(QStringLiteral("pdftotext"),
                {QStringLiteral("-raw"), QStringLiteral("-enc"),
                 QStringLiteral("UTF-8"), pdf, QStringLiteral("-")});
  ASSERT_TRUE(extract.waitForFinished(30000))
      << "pdftotext (poppler-utils) is needed";
  ASSERT_EQ(extract.exitCode(), 0);
  const QString text = QString::fromUtf8(extract.readAllStandardOutput());

  // pdftotext ends every sheet with a form feed.
  QStringList sheets = text.split(QChar(u'\f'));
  if (sheets.last().trimmed().isEmpty()) sheets.removeLast();
  ASSERT_EQ(sheets.size(), entry->page_count);

  QString body;
  for (int i = 0; i < sheets.size(); ++i) {
    const QString footer = Squeezed(SheetFooter(title, i, entry->page_count));
    QString sheet = Squeezed(sheets[i]);
    ASSERT_TRUE(sheet.endsWith(footer))
        << "sheet " << i << " ends: " << sheet.right(40).toStdString();
    sheet.chop(footer.size());
    body += sheet;
  }

  QStringList paragraphs;
  std::vector<content_compiler::MarkupBlock> blocks =
      content_compiler::ParseBodyMarkup(source.source.body);
  content_compiler::RenderDataTokens(blocks);  // as the pages print them
  CollectParagraphs(blocks, paragraphs);
  ASSERT_FALSE(paragraphs.isEmpty());
  qsizetype from = 0;
  for (const QString& paragraph : paragraphs) {
    const QString wanted = Squeezed(paragraph);
    const qsizetype at = body.indexOf(wanted, from);
    ASSERT_GE(at, 0) << "missing or out of order: " << wanted.toStdString()
                     << "\nafter: " << body.mid(from, 80).toStdString();
    from = at + wanted.size();
  }
}

INSTANTIATE_TEST_SUITE_P(EveryTopic, TopicPdfTest,
                         testing::ValuesIn(app::TopicTitles()),
                         [](const auto& info) {
                           return std::to_string(info.index);
                         });

}  // namespace
}  // namespace tessaly::reader
