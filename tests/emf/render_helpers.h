// Shared helpers of the player tests: play a stream, look at the pixels.
#ifndef TESSALY_TESTS_EMF_RENDER_HELPERS_H_
#define TESSALY_TESTS_EMF_RENDER_HELPERS_H_

#include <QByteArray>
#include <QImage>
#include <QRect>
#include <span>

#include "emf/emf_document.h"
#include "emf/emf_player.h"

namespace tessaly::emf::testing {

inline EmfDocument ParseBytes(const QByteArray& bytes) {
  return EmfDocument::Parse(
      std::as_bytes(std::span(bytes.constData(), bytes.size())));
}

struct Rendered {
  QImage image;
  PlayResult result;
};

inline Rendered RenderBytes(const QByteArray& bytes, qreal dpr = 1) {
  Rendered out;
  out.image = RenderPage(ParseBytes(bytes), dpr, &out.result);
  return out;
}

// Bounding box of the pixels darker than `threshold` (sum of channels).
inline QRect InkBox(const QImage& image, int threshold = 600) {
  QRect box;
  for (int y = 0; y < image.height(); ++y) {
    const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
    for (int x = 0; x < image.width(); ++x) {
      const QRgb c = line[x];
      if (qRed(c) + qGreen(c) + qBlue(c) < threshold) box |= QRect(x, y, 1, 1);
    }
  }
  return box;
}

inline QRgb Pixel(const QImage& image, int x, int y) {
  return image.pixel(x, y) & 0x00FFFFFF;
}

}  // namespace tessaly::emf::testing

#endif  // TESSALY_TESTS_EMF_RENDER_HELPERS_H_
