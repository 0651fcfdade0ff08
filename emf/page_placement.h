// Where a picture lands: its frame in reference pixels mapped onto a target
// rectangle, as the player and the text layer both place it.
#ifndef TESSALY_EMF_PAGE_PLACEMENT_H_
#define TESSALY_EMF_PAGE_PLACEMENT_H_

#include <QRect>
#include <QRectF>
#include <QTransform>

#include "emf/emf_header.h"

namespace tessaly::emf {

struct PagePlacement {
  // Reference pixels -> device pixels; all zero when nothing can be seen.
  QTransform base;
  // The reference device and the frame, for "no clip" in region combines.
  QRect reference_rect;
  double ref_px_per_mm_y = 1;

  // The em of a font of height 0: 12 points on the reference device.
  double DefaultEm() const;
};

// `to_device` takes the target's coordinates to device pixels (the painter's
// transform times the device pixel ratio; identity for page pixels).
PagePlacement PlacePage(const EmfHeader& header, const QRectF& target,
                        const QTransform& to_device = QTransform());

}  // namespace tessaly::emf

#endif  // TESSALY_EMF_PAGE_PLACEMENT_H_
