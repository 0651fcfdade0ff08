// Plays every stream of a folder once through reader and player, as the
// fuzzer does: a regression check that its seeds (and any crash inputs
// added to them) still return.
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <cstdio>
#include <span>

#include "emf/emf_document.h"
#include "emf/emf_player.h"

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  if (argc != 2) {
    std::fprintf(stderr, "usage: emf_corpus_replay FOLDER\n");
    return 1;
  }
  const QDir dir(QString::fromLocal8Bit(argv[1]));
  const QStringList names = dir.entryList(QDir::Files, QDir::Name);
  if (names.isEmpty()) {
    std::fprintf(stderr, "no streams in %s\n", argv[1]);
    return 1;
  }
  for (const QString& name : names) {
    QFile file(dir.filePath(name));
    if (!file.open(QIODevice::ReadOnly)) return 1;
    const QByteArray bytes = file.readAll();
    const auto doc = tessaly::emf::EmfDocument::Parse(
        std::as_bytes(std::span(bytes.constData(), bytes.size())));
    QImage image(64, 64, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    const auto result = tessaly::emf::Play(doc, painter, QRectF(0, 0, 64, 64));
    painter.end();
    std::printf("%s: %d records%s%s\n", qPrintable(name), result.records_drawn,
                result.error ? ", " : "",
                result.error ? result.error->Describe().c_str() : "");
  }
  return 0;
}
