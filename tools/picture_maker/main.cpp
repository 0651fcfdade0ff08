// Writes the main window's JPEG pictures into the folder given.
#include <QDir>
#include <QGuiApplication>
#include <cstdio>

#include "compass_map.h"
#include "logo.h"

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication application(argc, argv);
  if (argc != 2) {
    std::fprintf(stderr, "usage: picture_maker <folder>\n");
    return 1;
  }
  const QDir folder(QString::fromLocal8Bit(argv[1]));
  const bool ok =
      tessaly::tools::DrawCompassMap(407, 257).save(
          folder.filePath(QStringLiteral("img_bg.jpg")), "JPEG", 92) &&
      tessaly::tools::DrawLogo(90, 68).save(
          folder.filePath(QStringLiteral("image1.jpg")), "JPEG", 95);
  if (!ok) {
    std::fprintf(stderr, "picture_maker: cannot write into %s\n", argv[1]);
    return 1;
  }
  return 0;
}
