#include "emf/page_placement.h"

#include <cmath>

namespace tessaly::emf {

double PagePlacement::DefaultEm() const {
  return 12.0 / 72.0 * 25.4 * ref_px_per_mm_y *
         std::hypot(base.m21(), base.m22());
}

PagePlacement PlacePage(const EmfHeader& h, const QRectF& target,
                        const QTransform& to_device) {
  PagePlacement placement;
  // The frame in reference pixels places the picture; without a usable
  // reference device, the bounds (already in reference pixels) stand in.
  QRectF frame_px;
  if (h.device_mm.cx > 0 && h.device_mm.cy > 0 && h.device_px.cx > 0 &&
      h.device_px.cy > 0) {
    const double sx = double(h.device_px.cx) / (h.device_mm.cx * 100.0);
    const double sy = double(h.device_px.cy) / (h.device_mm.cy * 100.0);
    frame_px = QRectF(QPointF(h.frame.left * sx, h.frame.top * sy),
                      QPointF(h.frame.right * sx, h.frame.bottom * sy));
    placement.ref_px_per_mm_y = double(h.device_px.cy) / h.device_mm.cy;
    placement.reference_rect = QRect(0, 0, h.device_px.cx, h.device_px.cy);
  }
  if (frame_px.width() <= 0 || frame_px.height() <= 0) {
    frame_px = QRectF(
        QPointF(h.bounds.left, h.bounds.top),
        QPointF(double(h.bounds.right) + 1, double(h.bounds.bottom) + 1));
  }
  if (frame_px.width() > 0 && frame_px.height() > 0 && !target.isEmpty()) {
    placement.base =
        QTransform::fromTranslate(-frame_px.left(), -frame_px.top()) *
        QTransform::fromScale(target.width() / frame_px.width(),
                              target.height() / frame_px.height()) *
        QTransform::fromTranslate(target.left(), target.top()) * to_device;
  } else {
    placement.base = QTransform(0, 0, 0, 0, 0, 0);
  }
  placement.reference_rect =
      placement.reference_rect.united(frame_px.toAlignedRect());
  return placement;
}

}  // namespace tessaly::emf
