// Topics compiled into EMF pages: fitting, failing, and what the markup
// draws.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPainter>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextLayout>
#include <span>

#include "emf/emf_document.h"
#include "emf/emf_player.h"
#include "emf/record_types.h"
#include "tests/emf_writer/emf_stream_checks.h"
#include "tools/content_compiler/page_style.h"
#include "tools/content_compiler/topic_compiler.h"
#include "tools/content_compiler/topic_layout.h"

namespace tessaly::content_compiler {
namespace {

using emf::testing::CheckStream;
using emf::testing::ReadI32;
using emf::testing::ReadU32;
using emf::testing::TextRuns;

TopicSource Source(const QString& title, std::vector<int> frames,
                   const QString& body) {
  TopicSource source;
  source.title = title;
  source.control = QStringLiteral("Img_91");
  source.frames = std::move(frames);
  source.body = body;
  return source;
}

// `count` paragraphs of one short line each.
QString ShortParagraphs(int count) {
  QStringList paragraphs;
  for (int i = 0; i < count; ++i) {
    paragraphs << QStringLiteral("第%1段，一行。").arg(i + 1);
  }
  return paragraphs.join(QStringLiteral("\n\n"));
}

QByteArray ReadFile(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

TEST(CompiledPagesTest, FittingTopicGetsExactlyItsFrames) {
  const std::vector<int> frames = {24213, 4896};
  const TopicLayout layout =
      LayOutTopic(Source(QStringLiteral("合适"), frames, ShortParagraphs(38)),
                  LayoutDevice());
  ASSERT_TRUE(DescribeFlowError(layout).isEmpty())
      << DescribeFlowError(layout).toStdString();
  const std::vector<QByteArray> pages = RenderPages(layout);
  ASSERT_EQ(pages.size(), frames.size());
  for (std::size_t i = 0; i < pages.size(); ++i) {
    const auto check = CheckStream(pages[i]);
    EXPECT_TRUE(check.problems.isEmpty())
        << check.problems.join(u'\n').toStdString();
    EXPECT_EQ(ReadI32(pages[i], 32), 14650);  // frame right
    EXPECT_EQ(ReadI32(pages[i], 36), frames[i]);
  }
  // Both pages carry text: the second page got the last paragraphs.
  EXPECT_FALSE(TextRuns(pages[1]).empty());
}

TEST(CompiledPagesTest, TopicThatDoesNotFitNamesTitleAndPage) {
  struct Case {
    const char* name;
    std::vector<int> frames;
    int paragraphs;
    const char* message;
  };
  const Case cases[] = {
      {"overflow", {4896, 4896}, 30, "text does not fit on page 2 of 2"},
      {"empty last page",
       {24213, 4896},
       3,
       "page 2 of 2 (Img_91_1.emf) is left empty"},
  };
  for (const Case& c : cases) {
    const TopicLayout layout =
        LayOutTopic(Source(QStringLiteral("溢出测试"), c.frames,
                           ShortParagraphs(c.paragraphs)),
                    LayoutDevice());
    const QString error = DescribeFlowError(layout);
    EXPECT_TRUE(error.contains(QStringLiteral("溢出测试"))) << c.name;
    EXPECT_TRUE(error.contains(QString::fromUtf8(c.message)))
        << c.name << ": " << error.toStdString();
  }
}

TEST(CompiledPagesTest, BuildFailsForATopicThatDoesNotFit) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  const QString topic = dir.filePath(QStringLiteral("Img_92.txt"));
  {
    QFile file(topic);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("title: 太长\ncontrol: Img_92\nframes: 4896\n\n" +
               ShortParagraphs(20).toUtf8());
  }
  CompileOptions options;
  options.output_dir = dir.filePath(QStringLiteral("pages"));
  const CompileResult result = CompileTopics({topic}, options);
  ASSERT_EQ(result.errors.size(), 1);
  EXPECT_TRUE(result.errors[0].contains(QStringLiteral("太长")));
  EXPECT_TRUE(result.errors[0].contains(QStringLiteral("page 1 of 1")));
  EXPECT_FALSE(
      QFile::exists(dir.filePath(QStringLiteral("pages/Img_92_0.emf"))));

  options.draft = true;
  const CompileResult draft = CompileTopics({topic}, options);
  EXPECT_TRUE(draft.errors.isEmpty());
  EXPECT_EQ(draft.warnings.size(), 1);
}

TEST(CompiledPagesTest, AuthorsPageBreakStartsANewPage) {
  const TopicLayout layout =
      LayOutTopic(Source(QStringLiteral("分页"), {},
                         QStringLiteral("第一页。\n\n<<<\n\n第二页。")),
                  LayoutDevice());
  ASSERT_EQ(layout.flow.pages.size(), 2u);
  const std::vector<QByteArray> pages = RenderPages(layout);
  ASSERT_EQ(TextRuns(pages[1]).size(), 1u);
  EXPECT_EQ(TextRuns(pages[1])[0].text, QStringLiteral("第二页。"));
}

// The page (0-based) whose text runs include `text`, or -1.
int PageWithText(const std::vector<QByteArray>& pages, const QString& text) {
  for (std::size_t i = 0; i < pages.size(); ++i) {
    for (const auto& run : TextRuns(pages[i])) {
      if (run.text.contains(text)) return static_cast<int>(i);
    }
  }
  return -1;
}

// Whatever the amount of text above them, some things stay together on one
// page: a table's header row with its first body row, and a boxed note that
// fits on a page.
TEST(CompiledPagesTest, KeepsHeaderRowsAndNotesTogether) {
  const QString table = QStringLiteral(
      "| 表头甲 | 表头乙 |\n|---|---|\n| 首行甲 | 首行乙 |\n| 次行甲 | 次行乙 "
      "|");
  const QString note = QStringLiteral(
      "> 注文一，第一段。\n>\n> 注文二，第二段。\n>\n> 注文三，第三段。");
  int header_breaks = 0;
  int note_breaks = 0;
  // Thirty short paragraphs nearly fill a page; the next ten move the
  // table or note across the page foot a few pixels at a time.
  for (int n = 30; n <= 40; ++n) {
    SCOPED_TRACE(n);
    for (const QString& tail : {table, note}) {
      const TopicLayout layout =
          LayOutTopic(Source(QStringLiteral("成组"), {},
                             ShortParagraphs(n) + QStringLiteral("\n\n") +
                                 tail + QStringLiteral("\n\n尾段。")),
                      LayoutDevice());
      ASSERT_TRUE(DescribeFlowError(layout).isEmpty());
      const std::vector<QByteArray> pages = RenderPages(layout);
      if (tail == table) {
        const int header = PageWithText(pages, QStringLiteral("表头甲"));
        EXPECT_EQ(header, PageWithText(pages, QStringLiteral("首行甲")));
        header_breaks += header > 0;
      } else {
        const int first = PageWithText(pages, QStringLiteral("注文一"));
        EXPECT_EQ(first, PageWithText(pages, QStringLiteral("注文三")));
        note_breaks += first > 0;
      }
    }
  }
  // The sweep did push both onto a second page.
  EXPECT_GT(header_breaks, 0);
  EXPECT_GT(note_breaks, 0);
}

TEST(CompiledPagesTest, NoteTallerThanAPageStillFlows) {
  QStringList lines = {QStringLiteral("> 长注开头。\n>")};
  for (int i = 0; i < 60; ++i) lines << QStringLiteral("> 长注续文。\n>");
  const TopicLayout layout =
      LayOutTopic(Source(QStringLiteral("长注"), {},
                         QStringLiteral("开头。\n\n") + lines.join(u'\n')),
                  LayoutDevice());
  EXPECT_TRUE(DescribeFlowError(layout).isEmpty());
  const std::vector<QByteArray> pages = RenderPages(layout);
  ASSERT_EQ(pages.size(), 2u);
  // The note starts right under the opening line, not on a page of its own.
  EXPECT_EQ(PageWithText(pages, QStringLiteral("长注开头")), 0);
}

// A check box and the first character of its label share a line, wherever
// the line happens to end.
TEST(CompiledPagesTest, CheckBoxLabelNeverWrapsAwayFromItsBox) {
  int boxes = 0;
  for (int n = 0; n <= 34; ++n) {
    SCOPED_TRACE(n);
    const TopicLayout layout =
        LayOutTopic(Source(QStringLiteral("方框"), {},
                           QStringLiteral("1. %1 [ ]比较符合 [ ]不符合")
                               .arg(QString(n, QChar(0x5B57)))),
                    LayoutDevice());
    for (QTextBlock block = layout.document.document->begin(); block.isValid();
         block = block.next()) {
      const QString text = block.text();
      for (int i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != QChar::ObjectReplacementCharacter) continue;
        ++boxes;
        int label = i + 1;
        while (label < text.size() &&
               text[label].category() == QChar::Other_Format) {
          ++label;
        }
        EXPECT_EQ(block.layout()->lineForTextPosition(i).lineNumber(),
                  block.layout()->lineForTextPosition(label).lineNumber())
            << "box at " << i;
      }
    }
  }
  EXPECT_EQ(boxes, 2 * 35);
}

class MarkupSampleTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    dir_ = new QTemporaryDir;
    CompileOptions options;
    options.output_dir = dir_->filePath(QStringLiteral("pages"));
    options.index_file = dir_->filePath(QStringLiteral("pages/pages.json"));
    options.qrc_file = dir_->filePath(QStringLiteral("pages.qrc"));
    errors_ =
        CompileTopics(
            {QStringLiteral(TESSALY_CONTENT_FIXTURES "/markup_sample.txt")},
            options)
            .errors;
    page_ = ReadFile(dir_->filePath(QStringLiteral("pages/Img_90_0.emf")));
  }
  static void TearDownTestSuite() { delete dir_; }

  static QTemporaryDir* dir_;
  static QStringList errors_;
  static QByteArray page_;
};

QTemporaryDir* MarkupSampleTest::dir_ = nullptr;
QStringList MarkupSampleTest::errors_;
QByteArray MarkupSampleTest::page_;

TEST_F(MarkupSampleTest, CompilesToOneSoundPageWithIndexAndResourceList) {
  ASSERT_TRUE(errors_.isEmpty()) << errors_.join(u'\n').toStdString();
  const auto check = CheckStream(page_);
  EXPECT_TRUE(check.problems.isEmpty())
      << check.problems.join(u'\n').toStdString();

  const QJsonArray index =
      QJsonDocument::fromJson(
          ReadFile(dir_->filePath(QStringLiteral("pages/pages.json"))))
          .array();
  ASSERT_EQ(index.size(), 1);
  const QJsonObject topic = index[0].toObject();
  EXPECT_EQ(topic[u"title"].toString(), QStringLiteral("标记示例"));
  EXPECT_EQ(topic[u"control"].toString(), QStringLiteral("Img_90"));
  ASSERT_EQ(topic[u"heights"].toArray().size(), 1);
  EXPECT_EQ(emf::FrameToPixels(ReadI32(page_, 36)),
            topic[u"heights"].toArray()[0].toInt());

  const QByteArray qrc = ReadFile(dir_->filePath(QStringLiteral("pages.qrc")));
  EXPECT_TRUE(qrc.contains("alias=\"Img_90_0.emf\">pages/Img_90_0.emf<"));
  EXPECT_TRUE(qrc.contains("alias=\"pages.json\""));
}

TEST_F(MarkupSampleTest, EveryTextRunHasOneScriptAndItsFont) {
  const auto runs = TextRuns(page_);
  ASSERT_FALSE(runs.empty());
  for (const auto& run : runs) {
    bool latin = false;
    bool cjk = false;
    for (const QChar c : run.text) {
      latin = latin || (c.isLetterOrNumber() && c.unicode() < 0x80);
      cjk = cjk || c.unicode() >= 0x2E80;
    }
    EXPECT_FALSE(latin && cjk) << run.text.toStdString();
    if (latin) {
      EXPECT_EQ(run.face, QStringLiteral("Times New Roman"))
          << run.text.toStdString();
    } else {
      EXPECT_EQ(run.face, QStringLiteral("宋体")) << run.text.toStdString();
      EXPECT_EQ(run.charset, 134);
    }
  }
}

TEST_F(MarkupSampleTest, DrawsListsCheckBoxesNoteAndTable) {
  const auto runs = TextRuns(page_);
  const auto find = [&](const QString& text) {
    return std::find_if(runs.begin(), runs.end(),
                        [&](const auto& run) { return run.text == text; });
  };
  // List markers sit at the left margin, their text at the indent.
  const auto one = find(QStringLiteral("1"));
  ASSERT_NE(one, runs.end());
  EXPECT_NEAR(one->x / 15.0, 38, 1);
  ASSERT_NE(find(QStringLiteral("•")), runs.end());
  // Emphasis and the table's header row are bold.
  ASSERT_NE(find(QStringLiteral("提示：")), runs.end());
  EXPECT_EQ(find(QStringLiteral("提示："))->weight, 700);
  ASSERT_NE(find(QStringLiteral("类型")), runs.end());
  EXPECT_EQ(find(QStringLiteral("类型"))->weight, 700);
  EXPECT_EQ(find(QStringLiteral("实际型"))->weight, 400);

  // Check boxes: closed square outlines; the note and the table: filled
  // borders and backgrounds.
  int squares = 0;
  int fills = 0;
  for (const auto& record : CheckStream(page_).records) {
    if (record.type == static_cast<std::uint32_t>(emf::RecordType::kBitBlt)) {
      ++fills;
    }
    if (record.type !=
            static_cast<std::uint32_t>(emf::RecordType::kPolyline16) ||
        ReadU32(page_, record.offset + 24) != 5) {
      continue;
    }
    const auto point = [&](int i) {
      const std::uint32_t at = record.offset + 28 + 4 * i;
      return QPoint(static_cast<std::int16_t>(ReadU32(page_, at) & 0xFFFF),
                    static_cast<std::int16_t>(ReadU32(page_, at) >> 16));
    };
    const QRect box = QRect(point(0), point(2)).normalized();
    if (point(0) == point(4) && std::abs(box.width() - box.height()) <= 1) {
      ++squares;
    }
  }
  EXPECT_EQ(squares, 4);
  // Note border (4 sides) and background, table borders and header cells.
  EXPECT_GE(fills, 10);
}

// The whole path: the page played back from its EMF looks like the
// document painted directly.
TEST(CompiledPagesTest, PlayedPageLooksLikeTheDocument) {
  QFile file(QStringLiteral(TESSALY_CONTENT_FIXTURES "/markup_sample.txt"));
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  const TopicLayout layout =
      LayOutTopic(ParseTopicSource(QString::fromUtf8(file.readAll())).source,
                  LayoutDevice());
  const std::vector<QByteArray> pages = RenderPages(layout);
  ASSERT_EQ(pages.size(), 1u);
  const PageSlice& slice = layout.flow.pages[0];

  QImage direct(kPageWidthPx, slice.height_px, QImage::Format_RGB32);
  direct.setDotsPerMeterX(3780);
  direct.setDotsPerMeterY(3780);
  direct.fill(Qt::white);
  {
    QPainter painter(&direct);
    painter.translate(0, kMarginTopPx - slice.content_top);
    layout.document.document->drawContents(
        &painter, QRectF(0, slice.clip_top, kPageWidthPx,
                         slice.clip_bottom - slice.clip_top));
  }
  const QImage played =
      emf::RenderPage(emf::EmfDocument::Parse(std::as_bytes(
                          std::span(pages[0].constData(), pages[0].size()))),
                      1)
          .convertToFormat(QImage::Format_RGB32);
  ASSERT_EQ(played.size(), direct.size());

  // Compare ink per band of 8 rows: text lines, borders and boxes must be
  // where the document has them, give or take a row.
  const auto ink = [](const QImage& image, int y0, int y1) {
    int count = 0;
    for (int y = std::max(0, y0); y < std::min(y1, image.height()); ++y) {
      for (int x = 0; x < image.width(); ++x) {
        count += qGray(image.pixel(x, y)) < 160;
      }
    }
    return count;
  };
  int bands_differing = 0;
  for (int y = 0; y < direct.height(); y += 8) {
    const int low = ink(direct, y + 1, y + 7);
    const int high = ink(direct, y - 1, y + 9);
    const int played_ink = ink(played, y, y + 8);
    const int tolerance = std::max(8, high / 5);
    if (played_ink < low - tolerance || played_ink > high + tolerance) {
      ++bands_differing;
      ADD_FAILURE() << "ink in rows " << y << "+8: document " << low << " to "
                    << high << ", played " << played_ink;
    }
  }
  if (bands_differing > 0) {
    direct.save(QStringLiteral("markup_sample_direct.png"));
    played.save(QStringLiteral("markup_sample_played.png"));
  }
  EXPECT_EQ(bands_differing, 0);
}

}  // namespace
}  // namespace tessaly::content_compiler
