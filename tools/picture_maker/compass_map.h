// The title picture: a brass compass lying on an old sea chart.
#ifndef TESSALY_TOOLS_PICTURE_MAKER_COMPASS_MAP_H_
#define TESSALY_TOOLS_PICTURE_MAKER_COMPASS_MAP_H_

class QPainter;

namespace tessaly::tools {

// Paints the picture over (0, 0) to (width, height) in the painter's
// coordinates.
void PaintCompassMap(QPainter& p, int width, int height);

}  // namespace tessaly::tools

#endif  // TESSALY_TOOLS_PICTURE_MAKER_COMPASS_MAP_H_
