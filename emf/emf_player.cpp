#include "emf/emf_player.h"

#include <cmath>

#include "emf/playback.h"

namespace tessaly::emf {

namespace {

// Bigger pages than this are refused rather than allocated (1 GiB of RGB32).
constexpr double kMaxPagePixels = 256.0 * 1024 * 1024;
constexpr int kMaxPageSide = 32767;

}  // namespace

PlayResult Play(const EmfDocument& document, QPainter& painter,
                const QRectF& target) {
  Playback playback(document, painter, target);
  return playback.Run();
}

QImage RenderPage(const EmfDocument& document, qreal device_pixel_ratio,
                  PlayResult* result) {
  const QSize natural = document.NaturalSize();
  if (!(device_pixel_ratio > 0) || !std::isfinite(device_pixel_ratio) ||
      natural.isEmpty()) {
    if (result) *result = {0, document.error()};
    return {};
  }
  const double w = std::round(natural.width() * device_pixel_ratio);
  const double h = std::round(natural.height() * device_pixel_ratio);
  if (w < 1 || h < 1 || w > kMaxPageSide || h > kMaxPageSide ||
      w * h > kMaxPagePixels) {
    if (result) *result = {0, document.error()};
    return {};
  }
  QImage image(static_cast<int>(w), static_cast<int>(h), QImage::Format_RGB32);
  if (image.isNull()) {
    if (result) *result = {0, document.error()};
    return {};
  }
  image.fill(Qt::white);
  image.setDevicePixelRatio(device_pixel_ratio);
  QPainter painter(&image);
  const PlayResult played =
      Play(document, painter, QRectF(QPointF(0, 0), QSizeF(natural)));
  painter.end();
  if (result) *result = played;
  return image;
}

}  // namespace tessaly::emf
