// emf2png IN.emf OUT.png [--scale S]: draws a stream at its natural size
// times S on white. Prints the natural size and the records drawn; for a
// damaged stream says what is wrong, still writes what it drew and exits 2.
// emf2png --text IN.emf: prints the stream's text in reading order, one
// paragraph a line; for a damaged stream, the text read before the damage,
// and exits 2.
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QString>
#include <cstdio>
#include <optional>
#include <span>

#include "emf/emf_document.h"
#include "emf/emf_player.h"
#include "emf/text_layer.h"
#include "text/flat_text.h"

namespace {

int Usage() {
  std::fprintf(stderr,
               "usage: emf2png IN.emf OUT.png [--scale S]\n"
               "       emf2png --text IN.emf\n");
  return 1;
}

std::optional<QByteArray> ReadFile(const char* path) {
  QFile in(QString::fromLocal8Bit(path));
  if (!in.open(QIODevice::ReadOnly)) {
    std::fprintf(stderr, "emf2png: cannot read %s\n", path);
    return std::nullopt;
  }
  return in.readAll();
}

tessaly::emf::EmfDocument Parse(const QByteArray& bytes) {
  return tessaly::emf::EmfDocument::Parse(
      std::as_bytes(std::span(bytes.constData(), bytes.size())));
}

int PrintText(const char* path) {
  const std::optional<QByteArray> bytes = ReadFile(path);
  if (!bytes) return 1;
  const auto extracted = tessaly::emf::ExtractText(Parse(*bytes));
  const tessaly::text::FlatText flat =
      tessaly::text::Flatten(std::span(&extracted.page, 1));
  const std::string utf8 = tessaly::text::ToUtf8(flat.text);
  std::fwrite(utf8.data(), 1, utf8.size(), stdout);
  if (!utf8.empty()) std::fputc('\n', stdout);
  if (extracted.error) {
    std::fprintf(stderr, "emf2png: %s: %s\n", path,
                 extracted.error->Describe().c_str());
    return 2;
  }
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
  }
  QGuiApplication app(argc, argv);
  if (argc == 3 && QString::fromLatin1(argv[1]) == QLatin1String("--text")) {
    return PrintText(argv[2]);
  }
  if (argc != 3 && argc != 5) return Usage();
  double scale = 1;
  if (argc == 5) {
    bool ok = false;
    scale = QString::fromLocal8Bit(argv[4]).toDouble(&ok);
    if (QString::fromLatin1(argv[3]) != QLatin1String("--scale") || !ok ||
        !(scale > 0) || scale > 64) {
      return Usage();
    }
  }
  const std::optional<QByteArray> bytes = ReadFile(argv[1]);
  if (!bytes) return 1;
  const auto doc = Parse(*bytes);
  const QSize natural = doc.NaturalSize();
  std::printf("natural size %dx%d\n", natural.width(), natural.height());

  tessaly::emf::PlayResult result;
  QImage image = tessaly::emf::RenderPage(doc, scale, &result);
  std::printf("%d records drawn\n", result.records_drawn);
  if (result.error) {
    std::fprintf(stderr, "emf2png: %s: %s\n", argv[1],
                 result.error->Describe().c_str());
  }
  if (image.isNull()) {
    std::fprintf(stderr, "emf2png: %s: nothing to draw\n", argv[1]);
    return 2;
  }
  // The file gets the device pixels; a ratio would only confuse viewers.
  image.setDevicePixelRatio(1);
  if (!image.save(QString::fromLocal8Bit(argv[2]), "PNG")) {
    std::fprintf(stderr, "emf2png: cannot write %s\n", argv[2]);
    return 1;
  }
  return result.error ? 2 : 0;
}
