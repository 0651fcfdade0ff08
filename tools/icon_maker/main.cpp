// Writes the program's icon in every size into the folder given.
#include <QDir>
#include <QGuiApplication>
#include <cstdio>

#include "icon.h"

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication application(argc, argv);
  if (argc != 2) {
    std::fprintf(stderr, "usage: icon_maker <folder>\n");
    return 1;
  }
  const QDir folder(QString::fromLocal8Bit(argv[1]));
  for (const int size : tessaly::tools::kIconSizes) {
    const QString name = QStringLiteral("tessaly-%1.png").arg(size);
    if (!tessaly::tools::DrawIcon(size).save(folder.filePath(name), "PNG")) {
      std::fprintf(stderr, "icon_maker: cannot write %s into %s\n",
                   qPrintable(name), argv[1]);
      return 1;
    }
  }
  return 0;
}
