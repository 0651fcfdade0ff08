// The pages built into the program: reachable by control name and index,
// complete streams, with the sizes the index promises.
#include <gtest/gtest.h>

#include <span>

#include "content/topic_pages.h"
#include "emf/emf_document.h"
#include "tests/emf_writer/emf_stream_checks.h"

namespace tessaly::content {
namespace {

TEST(BuiltPagesTest, EveryIndexedPageLoadsWithItsSize) {
  for (const TopicPages& topic : BuiltTopics()) {
    SCOPED_TRACE(topic.control.toStdString());
    const int count = PageCount(topic.control);
    ASSERT_EQ(count, static_cast<int>(topic.heights.size()));
    ASSERT_EQ(topic.frames.size(), topic.heights.size());
    for (int i = 0; i < count; ++i) {
      const std::optional<QByteArray> page = LoadPage(topic.control, i);
      ASSERT_TRUE(page.has_value()) << i;
      EXPECT_TRUE(emf::testing::CheckStream(*page).problems.isEmpty()) << i;
      const auto document = emf::EmfDocument::Parse(
          std::as_bytes(std::span(page->constData(), page->size())));
      EXPECT_EQ(document.NaturalSize(),
                QSize(554, topic.heights[static_cast<std::size_t>(i)]))
          << i;
      EXPECT_EQ(emf::testing::ReadI32(*page, 36),
                topic.frames[static_cast<std::size_t>(i)]);
    }
    EXPECT_FALSE(LoadPage(topic.control, count).has_value());
  }
}

TEST(BuiltPagesTest, UnknownPagesAreAbsent) {
  EXPECT_FALSE(LoadPage(u"Img_99").has_value());
  EXPECT_FALSE(LoadPage(u"Img_03", -1).has_value());
  EXPECT_EQ(PageCount(u"Img_99"), 0);
}

}  // namespace
}  // namespace tessaly::content
