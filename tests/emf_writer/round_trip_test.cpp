// Scenes painted directly into an image and recorded through the writer,
// then played back by the player: the two images must agree.
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <cmath>
#include <functional>
#include <span>

#include "emf/emf_document.h"
#include "emf/emf_player.h"
#include "emf/record_types.h"
#include "emf/writer/emf_writer.h"
#include "tests/emf_writer/emf_stream_checks.h"

namespace tessaly::emf {
namespace {

constexpr int kWidth = 240;
constexpr int kHeight = 160;

QImage WhiteImage(int width, int height) {
  QImage image(width, height, QImage::Format_RGB32);
  image.setDotsPerMeterX(3780);
  image.setDotsPerMeterY(3780);
  image.fill(Qt::white);
  return image;
}

int FrameFor(int pixels) {
  return static_cast<int>(std::lround(pixels * 2540.0 / 96.0));
}

QByteArray Record(const std::function<void(QPainter&)>& paint) {
  EmfWriter writer(FrameFor(kWidth), FrameFor(kHeight));
  {
    QPainter painter(&writer);
    paint(painter);
  }
  return writer.Finish();
}

QImage Play(const QByteArray& stream) {
  const EmfDocument document = EmfDocument::Parse(
      std::as_bytes(std::span(stream.constData(), stream.size())));
  PlayResult result;
  QImage image = RenderPage(document, 1, &result);
  EXPECT_FALSE(result.error.has_value()) << result.error->Describe();
  return image.convertToFormat(QImage::Format_RGB32);
}

QRect InkBox(const QImage& image) {
  QRect box;
  for (int y = 0; y < image.height(); ++y) {
    const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
    for (int x = 0; x < image.width(); ++x) {
      if (qGray(line[x]) < 200) box |= QRect(x, y, 1, 1);
    }
  }
  return box;
}

double MeanDifference(const QImage& a, const QImage& b) {
  double sum = 0;
  for (int y = 0; y < a.height(); ++y) {
    const auto* la = reinterpret_cast<const QRgb*>(a.constScanLine(y));
    const auto* lb = reinterpret_cast<const QRgb*>(b.constScanLine(y));
    for (int x = 0; x < a.width(); ++x) {
      sum += std::abs(qRed(la[x]) - qRed(lb[x])) +
             std::abs(qGreen(la[x]) - qGreen(lb[x])) +
             std::abs(qBlue(la[x]) - qBlue(lb[x]));
    }
  }
  return sum / (3.0 * a.width() * a.height());
}

QFont Font(const char* family, double points) {
  QFont font(QString::fromUtf8(family));
  font.setPointSizeF(points);
  return font;
}

QImage CheckerImage(QImage::Format format) {
  QImage image(24, 16, QImage::Format_RGB32);
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      const bool dark = ((x / 4) + (y / 4)) % 2 == 0;
      image.setPixel(x, y, dark ? qRgb(20, 40, 160) : qRgb(250, 220, 30));
    }
  }
  if (format == QImage::Format_Mono) {
    return image.convertToFormat(QImage::Format_Mono, Qt::ThresholdDither);
  }
  return image.convertToFormat(format);
}

struct Scene {
  const char* name;
  std::function<void(QPainter&)> paint;
  double max_mean_difference;
  int box_tolerance;  // pixels, each edge
};

void PaintHole(QPainter& painter, Qt::FillRule rule) {
  QPainterPath path;
  path.addRect(20, 20, 180, 120);
  path.addRect(70, 50, 80, 60);
  path.setFillRule(rule);
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(0, 90, 200));
  painter.drawPath(path);
}

void PaintText(QPainter& painter, Qt::Alignment alignment) {
  painter.setFont(Font("Times New Roman", 14));
  painter.drawText(QRect(10, 40, 220, 40), alignment | Qt::AlignVCenter,
                   QStringLiteral("Handbook 2005"));
}

const Scene kScenes[] = {
    {"HoleOddEven", [](QPainter& p) { PaintHole(p, Qt::OddEvenFill); }, 2, 1},
    {"HoleWinding", [](QPainter& p) { PaintHole(p, Qt::WindingFill); }, 2, 1},
    {"CosmeticLines",
     [](QPainter& p) {
       p.setPen(QPen(Qt::black, 0));
       p.drawLine(10, 10, 230, 150);
       p.drawPolyline(
           QPolygon({QPoint(10, 150), QPoint(120, 20), QPoint(230, 150)}));
     },
     3, 1},
    {"ThreePixelLines",
     [](QPainter& p) {
       p.setPen(QPen(QColor(200, 0, 0), 3, Qt::SolidLine, Qt::SquareCap,
                     Qt::MiterJoin));
       p.drawPolyline(QPolygon({QPoint(20, 20), QPoint(220, 20),
                                QPoint(220, 140), QPoint(20, 100)}));
     },
     2, 1},
    {"SolidRects",
     [](QPainter& p) {
       p.fillRect(QRect(10, 10, 100, 60), QColor(230, 60, 40));
       p.fillRect(QRect(60, 40, 150, 100), QColor(40, 160, 60));
       p.fillRect(QRect(0, 150, 240, 1), Qt::black);
     },
     1, 0},
    {"OutlinedRect",
     [](QPainter& p) {
       p.setPen(QPen(Qt::black, 1));
       p.setBrush(QColor(250, 240, 200));
       p.drawRect(QRectF(30.5, 30.5, 150, 90));
     },
     2, 1},
    {"LatinTextLeft", [](QPainter& p) { PaintText(p, Qt::AlignLeft); }, 4, 1},
    {"LatinTextRight", [](QPainter& p) { PaintText(p, Qt::AlignRight); }, 4, 1},
    {"LatinTextCentre", [](QPainter& p) { PaintText(p, Qt::AlignHCenter); }, 4,
     1},
    {"SongAndLatin",
     [](QPainter& p) {
       p.setFont(Font("宋体", 12));
       p.drawText(QPointF(10, 40), QStringLiteral("考生焦虑测评"));
       p.setFont(Font("Times New Roman", 12));
       p.drawText(QPointF(106, 40), QStringLiteral("Test 2005"));
       QFont bold = Font("宋体", 16);
       bold.setBold(true);
       p.setFont(bold);
       p.setPen(QColor(0, 0, 160));
       p.drawText(QPointF(10, 100), QStringLiteral("高考 2005 年"));
     },
     5, 1},
    {"MonoImage",
     [](QPainter& p) {
       p.drawImage(QPoint(30, 30), CheckerImage(QImage::Format_Mono));
     },
     1, 0},
    {"IndexedImage",
     [](QPainter& p) {
       p.drawImage(QPoint(30, 30), CheckerImage(QImage::Format_Indexed8));
     },
     1, 0},
    {"Rgb24Image",
     [](QPainter& p) {
       p.drawImage(QPoint(30, 30), CheckerImage(QImage::Format_RGB888));
     },
     1, 0},
    {"Argb32ImageScaled",
     [](QPainter& p) {
       QImage image = CheckerImage(QImage::Format_ARGB32);
       image.setPixel(0, 0, qRgba(0, 0, 0, 0));
       p.drawImage(QRect(40, 40, 96, 64), image);
     },
     3, 1},
    {"ClippedFill",
     [](QPainter& p) {
       p.setClipRect(QRect(50, 30, 100, 50));
       p.fillRect(QRect(0, 0, 240, 160), QColor(90, 90, 90));
       p.setClipping(false);
       p.fillRect(QRect(0, 140, 240, 10), QColor(0, 0, 0));
     },
     1, 0},
    {"TranslatedAndScaled",
     [](QPainter& p) {
       p.translate(40, 20);
       p.scale(2, 1.5);
       p.fillRect(QRectF(0, 0, 40, 30), QColor(120, 0, 120));
       p.setFont(Font("Times New Roman", 10));
       p.drawText(QPointF(0, 60), QStringLiteral("Scaled"));
     },
     4, 1},
};

class RoundTripTest : public ::testing::TestWithParam<Scene> {};

TEST_P(RoundTripTest, PlaysBackLikeDirectPainting) {
  const Scene& scene = GetParam();
  QImage direct = WhiteImage(kWidth, kHeight);
  {
    QPainter painter(&direct);
    scene.paint(painter);
  }
  const QByteArray stream = Record(scene.paint);
  const testing::StreamCheck check = testing::CheckStream(stream);
  EXPECT_TRUE(check.problems.isEmpty())
      << check.problems.join(u'\n').toStdString();

  const QImage played = Play(stream);
  ASSERT_EQ(played.size(), direct.size());
  const QRect a = InkBox(direct);
  const QRect b = InkBox(played);
  const double difference = MeanDifference(direct, played);
  const bool boxes_agree =
      std::abs(a.left() - b.left()) <= scene.box_tolerance &&
      std::abs(a.top() - b.top()) <= scene.box_tolerance &&
      std::abs(a.right() - b.right()) <= scene.box_tolerance &&
      std::abs(a.bottom() - b.bottom()) <= scene.box_tolerance;
  if (!boxes_agree || difference > scene.max_mean_difference) {
    const QString base = QStringLiteral("round_trip_%1").arg(scene.name);
    direct.save(base + QStringLiteral("_direct.png"));
    played.save(base + QStringLiteral("_played.png"));
  }
  EXPECT_TRUE(boxes_agree) << "direct ink " << a.x() << "," << a.y() << " "
                           << a.width() << "x" << a.height() << ", played "
                           << b.x() << "," << b.y() << " " << b.width() << "x"
                           << b.height();
  EXPECT_LE(difference, scene.max_mean_difference);
}

INSTANTIATE_TEST_SUITE_P(Scenes, RoundTripTest, ::testing::ValuesIn(kScenes),
                         [](const auto& info) {
                           return std::string(info.param.name);
                         });

}  // namespace
}  // namespace tessaly::emf
