// Writes the main window's JPEG pictures into the folder given: each picture
// at its design size, and again at every size the window shows it at, once
// for ordinary screens and once (name@2x.jpg) for screens at scale 2.
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <cstdio>
#include <functional>

#include "compass_map.h"
#include "logo.h"

namespace {

using Painting = std::function<void(QPainter&, int, int)>;

struct Picture {
  const char* name;
  QSize design;
  int quality;
  Painting paint;
  std::vector<QSize> shown;  // the window stretches the design picture to these
};

// The drawing made at the design size and stretched to `size`, as the
// window stretches the design picture, but drawn from its shapes and so
// sharp at every size.
QImage Render(const Picture& picture, QSize size) {
  QImage image(size, QImage::Format_RGB32);
  QPainter painter(&image);
  painter.scale(static_cast<double>(size.width()) / picture.design.width(),
                static_cast<double>(size.height()) / picture.design.height());
  picture.paint(painter, picture.design.width(), picture.design.height());
  return image;
}

bool Save(const QImage& image, const QDir& folder, const QString& name,
          int quality) {
  return image.save(folder.filePath(name), "JPEG", quality);
}

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication application(argc, argv);
  if (argc != 2) {
    std::fprintf(stderr, "usage: picture_maker <folder>\n");
    return 1;
  }
  const QDir folder(QString::fromLocal8Bit(argv[1]));
  // Sizes in pixels at 96 dpi: the title screen (9180 x 4890 twips), the
  // main screen's centre (5535 x 3495) and the logo's box (1455 x 1065).
  const Picture pictures[] = {
      {"img_bg",
       {407, 257},
       92,
       tessaly::tools::PaintCompassMap,
       {{612, 326}, {369, 233}}},
      {"image1", {90, 68}, 95, tessaly::tools::PaintLogo, {{97, 71}}},
  };
  bool ok = true;
  for (const Picture& picture : pictures) {
    const QString name = QString::fromLatin1(picture.name);
    ok = ok && Save(Render(picture, picture.design), folder,
                    name + QStringLiteral(".jpg"), picture.quality);
    for (const QSize size : picture.shown) {
      const QString sized = QStringLiteral("%1-%2x%3")
                                .arg(name)
                                .arg(size.width())
                                .arg(size.height());
      ok = ok &&
           Save(Render(picture, size), folder, sized + QStringLiteral(".jpg"),
                picture.quality) &&
           Save(Render(picture, size * 2), folder,
                sized + QStringLiteral("@2x.jpg"), picture.quality);
    }
  }
  if (!ok) {
    std::fprintf(stderr, "picture_maker: cannot write into %s\n", argv[1]);
    return 1;
  }
  return 0;
}
