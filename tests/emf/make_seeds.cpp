// Writes the fuzzer's hand-built seed streams into a folder:
// emf_make_seeds fuzz/corpus
#include <QDir>
#include <QFile>
#include <QImage>
#include <cstdio>

#include "tests/emf/stream_builder.h"

using tessaly::emf::testing::MakeDib;
using tessaly::emf::testing::Payload;
using tessaly::emf::testing::StreamBuilder;
using tessaly::emf::testing::StretchDiBits;

namespace {

bool Write(const QDir& dir, const char* name, const QByteArray& bytes) {
  QFile file(dir.filePath(QString::fromLatin1(name)));
  return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

StreamBuilder Page() {
  // A small page of the shape of ours: anisotropic, 1/15 px units.
  StreamBuilder b(QRect(0, 0, 1693, 1693), QSize(4756, 6810), QSize(201, 288));
  b.Record(17, {8}).Record(9, {960, 960}).Record(11, {200, 200});
  b.Record(18, {1}).Record(22, {24});
  return b;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) return 1;
  const QDir dir(QString::fromLocal8Bit(argv[1]));
  bool ok = true;

  StreamBuilder text = Page();
  text.Font(1, -180, u"宋体", 400, 0, 134).Select(1).Record(24, {0x0000FF});
  text.Text(QPoint(30, 300), u"考生焦虑测评 Ab", 180, 0x04,
            QRect(0, 0, 900, 900));
  text.Font(2, -150, u"Times New Roman", 700).Select(2).Record(22, {6 | 24});
  text.Text(QPoint(480, 600), u"Centre", 80, 0x2000);
  text.Font(3, -150, u"MARLETT", 400, 0, 2)
      .Select(3)
      .Text(QPoint(30, 800), u"abgn6", 150);
  ok &= Write(dir, "text.emf", text.Finish());

  StreamBuilder shapes = Page();
  shapes.SolidBrush(1, 0x3366CC).Select(1).Record(19, {2});
  shapes.Polygon16({{10, 10}, {900, 100}, {100, 900}, {500, 10}, {10, 500}});
  shapes.Pen(2, 1, 0, 0xFF0000).Select(2).Record(20, {7});
  shapes.Record(43, {100, 100, 800, 800}).Record(20, {13});
  shapes.Record(33)
      .Record(30, {200, 200, 600, 600})
      .FillRect(QRect(0, 0, 960, 960));
  shapes.Record(34, {-1}).Record(37, {static_cast<std::int32_t>(0x80000005)});
  Payload world;
  world.F32(0.7f).F32(0.7f).F32(-0.7f).F32(0.7f).F32(400).F32(0).U32(2);
  shapes.Record(36, world).Record(39, {3, 2, 0x00FF00, 3}).Select(3);
  shapes.FillRect(QRect(100, 100, 300, 300));
  ok &= Write(dir, "shapes.emf", shapes.Finish());

  StreamBuilder bitmaps = Page();
  QImage picture(5, 3, QImage::Format_RGB32);
  for (int y = 0; y < 3; ++y) {
    for (int x = 0; x < 5; ++x)
      picture.setPixel(x, y, qRgb(50 * x, 80 * y, 200));
  }
  int x = 0;
  for (const int bpp : {1, 4, 8, 16, 24, 32}) {
    // One bit per pixel holds two colours only.
    const QImage source =
        bpp == 1 ? picture.convertToFormat(QImage::Format_Mono) : picture;
    bitmaps.Record(81, StretchDiBits(MakeDib(source, bpp, bpp == 8),
                                     QRect(x, 0, 150, 90)));
    x += 150;
  }
  bitmaps.Record(81, StretchDiBits(MakeDib(picture, 16, false, true),
                                   QRect(0, 200, 300, 180), 0x008800C6));
  ok &= Write(dir, "bitmaps.emf", bitmaps.Finish());

  StreamBuilder clips = Page();
  Payload region;
  region.U32(64).U32(2).U32(32).U32(1).U32(2).U32(32).U32(0).U32(0).U32(0).U32(
      0);
  region.U32(10).U32(10).U32(100).U32(100).U32(50).U32(50).U32(150).U32(150);
  clips.Record(75, region).SolidBrush(1, 0x808080).Select(1);
  clips.FillRect(QRect(0, 0, 960, 960));
  clips.Record(17, {1}).Record(10, {-5, -5}).FillRect(QRect(0, 0, 30, 30));
  ok &= Write(dir, "clips.emf", clips.Finish());

  QByteArray truncated = shapes.Finish();
  truncated.chop(37);
  ok &= Write(dir, "truncated.emf", truncated);

  std::printf(ok ? "seeds written\n" : "could not write the seeds\n");
  return ok ? 0 : 1;
}
