// The compass star of the logo and the icon.
#ifndef TESSALY_TOOLS_PICTURE_MAKER_COMPASS_STAR_H_
#define TESSALY_TOOLS_PICTURE_MAKER_COMPASS_STAR_H_

#include <QPainterPath>
#include <QPointF>

namespace tessaly::tools {

// A star of `points` rays, the first pointing up, alternating between the
// outer and the inner radius.
QPainterPath CompassStar(QPointF centre, double outer, double inner,
                         int points);

}  // namespace tessaly::tools

#endif  // TESSALY_TOOLS_PICTURE_MAKER_COMPASS_STAR_H_
