// The device-context state that SAVEDC saves and RESTOREDC brings back.
#ifndef TESSALY_EMF_DC_STATE_H_
#define TESSALY_EMF_DC_STATE_H_

#include <QColor>
#include <QPointF>
#include <cstdint>
#include <memory>

#include "emf/clip_region.h"
#include "emf/device_mapping.h"
#include "emf/gdi_constants.h"
#include "emf/gdi_objects.h"

namespace tessaly::emf {

// Starts as a fresh device context: MM_TEXT, identity, no clip, black pen,
// white brush, default font, OPAQUE background, ROP2 COPYPEN, ALTERNATE.
struct DcState {
  DeviceMapping mapping;
  ClipRegion clip;  // reference-device pixels
  GdiPen pen;
  GdiBrush brush;
  std::shared_ptr<const GdiFont> font = std::make_shared<const GdiFont>();
  QColor text_color = Qt::black;
  QColor bk_color = Qt::white;
  BackgroundMode bk_mode = BackgroundMode::kOpaque;
  std::uint32_t text_align = 0;  // TextAlign flags
  Rop2 rop2 = Rop2::kCopyPen;
  PolygonFillMode fill_mode = PolygonFillMode::kAlternate;
  double miter_limit = 10;
  QPointF current_position;
};

}  // namespace tessaly::emf

#endif  // TESSALY_EMF_DC_STATE_H_
