// The device-context state that SAVEDC saves and RESTOREDC brings back.
#ifndef TESSALY_EMF_DC_STATE_H_
#define TESSALY_EMF_DC_STATE_H_

#include <QColor>
#include <QPointF>
#include <QSizeF>
#include <QTransform>
#include <cstdint>
#include <memory>

#include "emf/clip_region.h"
#include "emf/gdi_objects.h"

namespace tessaly::emf {

// Starts as a fresh device context: MM_TEXT, identity, no clip, black pen,
// white brush, default font, OPAQUE background, ROP2 COPYPEN, ALTERNATE.
struct DcState {
  std::uint32_t map_mode = 1;
  QPointF window_org;
  QSizeF window_ext{1, 1};
  QPointF viewport_org;
  QSizeF viewport_ext{1, 1};
  QTransform world;
  ClipRegion clip;  // reference-device pixels
  GdiPen pen;
  GdiBrush brush;
  std::shared_ptr<const GdiFont> font = std::make_shared<const GdiFont>();
  QColor text_color = Qt::black;
  QColor bk_color = Qt::white;
  std::uint32_t bk_mode = 2;
  std::uint32_t text_align = 0;
  std::uint32_t rop2 = 13;
  std::uint32_t fill_mode = 1;
  double miter_limit = 10;
  QPointF current_position;
};

}  // namespace tessaly::emf

#endif  // TESSALY_EMF_DC_STATE_H_
