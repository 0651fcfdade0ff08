// Logical coordinates to reference-device pixels: the map mode, window and
// viewport, and the world transform of a device context, as one value.
#ifndef TESSALY_EMF_DEVICE_MAPPING_H_
#define TESSALY_EMF_DEVICE_MAPPING_H_

#include <QPointF>
#include <QSizeF>
#include <QTransform>
#include <cstdint>

#include "emf/emf_header.h"
#include "emf/gdi_constants.h"

namespace tessaly::emf {

// Transforms too extreme to draw with (not finite, singular, absurd scales).
bool IsUsableTransform(const QTransform& t);

class DeviceMapping {
 public:
  DeviceMapping() = default;
  // The fixed map modes take their units from the reference device.
  explicit DeviceMapping(EmfSize device_px, EmfSize device_mm)
      : device_px_(device_px), device_mm_(device_mm) {}

  MapMode map_mode() const { return map_mode_; }
  const QTransform& world() const { return world_; }

  // SETMAPMODE: MM_TEXT resets both extents; other modes keep them.
  void SetMapMode(MapMode mode);
  // SETWINDOWEXTEX / SETVIEWPORTEXTEX: only the two scalable modes use
  // extents, so they are ignored in the others; zero is refused.
  void SetWindowExtent(std::int32_t cx, std::int32_t cy);
  void SetViewportExtent(std::int32_t cx, std::int32_t cy);
  void SetWindowOrigin(QPointF origin) { window_org_ = origin; }
  void SetViewportOrigin(QPointF origin) { viewport_org_ = origin; }
  // SETWORLDTRANSFORM and MODIFYWORLDTRANSFORM; unusable results keep the
  // transform as it was.
  void SetWorld(const QTransform& world);
  void ModifyWorld(const QTransform& x, WorldTransformMode mode);

  // Logical -> reference pixels, without and with the world transform.
  QTransform WindowToViewport() const;
  QTransform ToReference() const { return world_ * WindowToViewport(); }

 private:
  EmfSize device_px_;
  EmfSize device_mm_;
  MapMode map_mode_ = MapMode::kText;
  QPointF window_org_;
  QSizeF window_ext_{1, 1};
  QPointF viewport_org_;
  QSizeF viewport_ext_{1, 1};
  QTransform world_;
};

}  // namespace tessaly::emf

#endif  // TESSALY_EMF_DEVICE_MAPPING_H_
