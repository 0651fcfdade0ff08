// Every topic of the menus has built pages: the catalogue knows its title,
// each page is a valid EMF stream of the page width that draws text, and the
// original page sets keep their page sizes.
#include "content/topic_pages.h"

#include <gtest/gtest.h>

#include <QImage>
#include <span>

#include "app/menu_tree.h"
#include "emf/emf_document.h"
#include "emf/emf_player.h"
#include "emf/record_types.h"
#include "reader/topic_catalogue.h"

namespace tessaly::reader {
namespace {

emf::EmfDocument ParsePage(std::string_view control, int index) {
  const QByteArray bytes =
      content::LoadPage(
          QString::fromUtf8(control.data(),
                            static_cast<qsizetype>(control.size())),
          index)
          .value_or(QByteArray());
  return emf::EmfDocument::Parse(std::as_bytes(
      std::span(bytes.constData(), static_cast<std::size_t>(bytes.size()))));
}

bool DrawsDarkPixels(const QImage& image) {
  for (int y = 0; y < image.height(); y += 2) {
    const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
    for (int x = 0; x < image.width(); ++x) {
      if (qGray(line[x]) < 96) return true;
    }
  }
  return false;
}

TEST(TopicPagesTest, EveryMenuTopicHasPagesThatDrawText) {
  int topics = 0;
  for (const app::MenuItem& item : app::kMenuTree) {
    if (item.command != app::MenuCommand::kTopic || item.hidden) continue;
    ++topics;
    const std::string title =
        QString::fromUtf16(item.caption.data(),
                           static_cast<qsizetype>(item.caption.size()))
            .toStdString();
    SCOPED_TRACE(title);
    const TopicEntry* entry = Lookup(title);
    ASSERT_NE(entry, nullptr);
    for (int i = 0; i < entry->page_count; ++i) {
      SCOPED_TRACE(i);
      const emf::EmfDocument page = ParsePage(entry->page_control, i);
      ASSERT_TRUE(page.valid());
      EXPECT_FALSE(page.error().has_value());
      EXPECT_EQ(page.NaturalSize().width(), 554);
      EXPECT_LE(page.NaturalSize().height(), 936);
      const bool has_text = std::any_of(
          page.records().begin(), page.records().end(),
          [](const emf::EmfRecord& record) {
            return record.type ==
                   static_cast<std::uint32_t>(emf::RecordType::kExtTextOutW);
          });
      EXPECT_TRUE(has_text);
      EXPECT_TRUE(DrawsDarkPixels(emf::RenderPage(page, 1)));
    }
    // The catalogue's page count is the number of pages built, no fewer.
    EXPECT_EQ(content::PageCount(QString::fromUtf8(
                  entry->page_control.data(),
                  static_cast<qsizetype>(entry->page_control.size()))),
              entry->page_count)
        << "the catalogue's page count differs from the pages built";
  }
  EXPECT_EQ(topics, 56);
}

TEST(TopicPagesTest, OriginalPageSetsHaveTheirFrames) {
  struct Case {
    const char* control;
    std::vector<int> heights;
    std::vector<int> frames;
  };
  const Case cases[] = {
      {"Img_01", {208}, {5502}},
      {"Img_02", {354}, {9355}},
      {"Img_03",
       {915, 936, 936, 915, 931, 624, 185},
       {24213, 24764, 24764, 24213, 24637, 16509, 4896}},
      {"Img_04", {915, 936, 832, 185}, {24213, 24764, 22012, 4896}},
      {"Img_05",
       {915, 936, 936, 915, 250, 185},
       {24213, 24764, 24764, 24213, 6603, 4896}},
      {"Img_06", {915, 166}, {24213, 4402}},
      {"Img_07", {853}, {22562}},
      {"Img_08", {562}, {14858}},
      {"Img_09", {707}, {18710}},
      {"Img_10", {915, 125}, {24213, 3301}},
      {"Img_11", {915, 458}, {24213, 12106}},
      {"Img_12", {930, 368}, {24619, 9736}},
      {"Img_13", {910, 368}, {24086, 9736}},
      {"Img_14", {910, 368}, {24086, 9736}},
      {"Img_15", {790}, {20911}},
      {"Img_16", {478}, {12657}},
  };
  for (const Case& c : cases) {
    for (std::size_t i = 0; i < c.heights.size(); ++i) {
      SCOPED_TRACE(std::string(c.control) + " page " + std::to_string(i));
      const emf::EmfDocument page = ParsePage(c.control, static_cast<int>(i));
      ASSERT_TRUE(page.valid());
      EXPECT_EQ(page.NaturalSize(), QSize(554, c.heights[i]));
      const auto& frame = page.header().frame;
      EXPECT_EQ(frame.right - frame.left, 14650);
      EXPECT_EQ(frame.bottom - frame.top, c.frames[i]);
    }
  }
}

// Rows without ink at the top (from_bottom false) or bottom of a page.
int BlankRows(const QImage& image, bool from_bottom) {
  int rows = 0;
  for (; rows < image.height(); ++rows) {
    const int y = from_bottom ? image.height() - 1 - rows : rows;
    const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
    bool ink = false;
    for (int x = 0; x < image.width() && !ink; ++x) ink = qGray(line[x]) < 160;
    if (ink) break;
  }
  return rows;
}

// The topics beyond the original sixteen stack pages that are as tall as
// their text: where two meet, the column shows no more white than the gap
// between two paragraphs.
TEST(TopicPagesTest, FurtherTopicsShowNoWhiteBandWherePagesMeet) {
  constexpr int kMostWhiteAtAJoin = 28;
  int joins = 0;
  for (std::size_t t = 16; t < kTopicCatalogue.size(); ++t) {
    const TopicEntry& entry = kTopicCatalogue[t];
    SCOPED_TRACE(std::string(entry.title));
    QImage above = emf::RenderPage(ParsePage(entry.page_control, 0), 1)
                       .convertToFormat(QImage::Format_RGB32);
    for (int i = 1; i < entry.page_count; ++i) {
      SCOPED_TRACE(i);
      const QImage below = emf::RenderPage(ParsePage(entry.page_control, i), 1)
                               .convertToFormat(QImage::Format_RGB32);
      const int bottom = BlankRows(above, true);
      const int top = BlankRows(below, false);
      EXPECT_LE(bottom + top, kMostWhiteAtAJoin)
          << bottom << " blank rows above the join, " << top << " below";
      ++joins;
      above = below;
    }
  }
  EXPECT_GT(joins, 0);
}

}  // namespace
}  // namespace tessaly::reader
