// libFuzzer target: any bytes through the reader and the player onto a small
// image. Must return for every input without a sanitizer report.
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <cstddef>
#include <cstdint>
#include <span>

#include "emf/emf_document.h"
#include "emf/emf_player.h"

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  // Font warnings about fuzzed face names would drown the fuzzer's output.
  qInstallMessageHandler(
      [](QtMsgType, const QMessageLogContext&, const QString&) {});
  static QGuiApplication app(*argc, *argv);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data,
                                      std::size_t size) {
  const auto document =
      tessaly::emf::EmfDocument::Parse(std::as_bytes(std::span(data, size)));
  (void)document.NaturalSize();
  QImage image(48, 48, QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter painter(&image);
  const auto result =
      tessaly::emf::Play(document, painter, QRectF(0, 0, 48, 48));
  painter.end();
  if (result.error) (void)result.error->Describe();
  return 0;
}
