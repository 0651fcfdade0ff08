// The written stream itself: natural size, header fields, fonts and text
// advances, object and clip bookkeeping.
#include <gtest/gtest.h>

#include <QFontMetricsF>
#include <QPainter>
#include <span>

#include "emf/emf_document.h"
#include "emf/record_types.h"
#include "emf/writer/emf_writer.h"
#include "tests/emf_writer/emf_stream_checks.h"

namespace tessaly::emf {
namespace {

using testing::CheckStream;
using testing::ReadI32;
using testing::ReadU32;
using testing::TextRun;
using testing::TextRuns;

QSize PlayerNaturalSize(const QByteArray& stream) {
  return EmfDocument::Parse(
             std::as_bytes(std::span(stream.constData(), stream.size())))
      .NaturalSize();
}

TEST(EmfWriterTest, PagesComeOutAtTheNaturalSizeOfTheirFrame) {
  struct Case {
    int frame_width, frame_height, width, height;
  };
  // Catalogue frames, and frames made from pixel sizes at the extremes of
  // the 16-bit logical range.
  const Case cases[] = {
      {14650, 24213, 554, 915}, {14650, 24764, 554, 936},
      {14650, 4896, 554, 185},  {14650, 24637, 554, 931},
      {26, 26, 1, 1},           {57785, 4895, 2184, 185},
  };
  for (const Case& c : cases) {
    EmfWriter writer(c.frame_width, c.frame_height);
    EXPECT_EQ(writer.width(), c.width);
    EXPECT_EQ(writer.height(), c.height);
    {
      QPainter painter(&writer);
      painter.fillRect(QRect(0, 0, c.width, c.height), Qt::gray);
    }
    const QByteArray stream = writer.Finish();
    EXPECT_EQ(ReadI32(stream, 24 + 8), c.frame_width);
    EXPECT_EQ(ReadI32(stream, 24 + 12), c.frame_height);
    EXPECT_EQ(PlayerNaturalSize(stream), QSize(c.width, c.height))
        << c.frame_width << " x " << c.frame_height;
  }
}

TEST(EmfWriterTest, HeaderDescribesTheReferenceDevice) {
  EmfWriter writer(14650, 24213);
  { QPainter painter(&writer); }
  const QByteArray stream = writer.Finish();
  EXPECT_EQ(ReadU32(stream, 44), 0x10000u);
  EXPECT_EQ(ReadI32(stream, 72), kReferenceDeviceWidthPx);
  EXPECT_EQ(ReadI32(stream, 76), kReferenceDeviceHeightPx);
  EXPECT_EQ(ReadI32(stream, 80), kReferenceDeviceWidthMm);
  EXPECT_EQ(ReadI32(stream, 84), kReferenceDeviceHeightMm);
  const auto check = CheckStream(stream);
  EXPECT_TRUE(check.problems.isEmpty());
  bool anisotropic = false;
  for (const auto& record : check.records) {
    if (record.type == static_cast<std::uint32_t>(RecordType::kSetMapMode)) {
      anisotropic = ReadU32(stream, record.offset + 8) ==
                    static_cast<std::uint32_t>(MapMode::kAnisotropic);
    }
  }
  EXPECT_TRUE(anisotropic);
}

TEST(EmfWriterTest, TextKeepsTheProgramFontNamesAndAdvances) {
  EmfWriter writer(14650, 4896);
  QFont song(QStringLiteral("宋体"));
  song.setPointSizeF(10.5);
  QFont times(QStringLiteral("Times New Roman"));
  times.setPointSizeF(10.5);
  {
    QPainter painter(&writer);
    painter.setFont(song);
    painter.drawText(QPointF(10, 30), QStringLiteral("考生焦虑测评"));
    painter.setFont(times);
    painter.drawText(QPointF(10, 60), QStringLiteral("Times 2005"));
  }
  const std::vector<TextRun> runs = TextRuns(writer.Finish());
  ASSERT_EQ(runs.size(), 2u);
  EXPECT_EQ(runs[0].face, QStringLiteral("宋体"));
  EXPECT_EQ(runs[0].charset, 134);
  EXPECT_EQ(runs[0].height, -210);  // 10.5 pt = 14 px, 15 units a pixel
  EXPECT_EQ(runs[1].face, QStringLiteral("Times New Roman"));
  EXPECT_EQ(runs[1].charset, 0);
  EXPECT_EQ(runs[1].text, QStringLiteral("Times 2005"));
  const double expected =
      QFontMetricsF(times, &writer).horizontalAdvance(runs[1].text) * 15;
  EXPECT_NEAR(static_cast<double>(runs[1].advance), expected, 2);
}

// Objects replaced inside a clipped section, and sections one after the
// other: what a text page does all the time.
TEST(EmfWriterTest, ObjectsAndClipsStayBalanced) {
  EmfWriter writer(14650, 24213);
  {
    QPainter painter(&writer);
    for (int i = 0; i < 5; ++i) {
      painter.setClipRect(QRect(0, i * 100, 554, 100));
      painter.fillRect(QRect(10, i * 100, 50, 50), QColor(i * 40, 0, 0));
      painter.setPen(QColor(0, 0, i * 40));
      QFont font(QStringLiteral("宋体"));
      font.setPointSize(9 + i);
      painter.setFont(font);
      painter.drawText(QPointF(100, i * 100 + 40),
                       QStringLiteral("文字 %1").arg(i));
      painter.setPen(QPen(Qt::black, 0));
      painter.drawLine(0, i * 100 + 90, 554, i * 100 + 90);
    }
    painter.setClipping(false);
    painter.fillRect(QRect(0, 800, 554, 10), Qt::blue);
  }
  const auto check = CheckStream(writer.Finish());
  EXPECT_TRUE(check.problems.isEmpty())
      << check.problems.join(u'\n').toStdString();
  int saves = 0;
  for (const auto& record : check.records) {
    saves += record.type == static_cast<std::uint32_t>(RecordType::kSaveDc);
  }
  EXPECT_EQ(saves, 5);
}

}  // namespace
}  // namespace tessaly::emf
