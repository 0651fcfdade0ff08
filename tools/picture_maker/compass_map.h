// The title picture: a brass compass lying on an old sea chart.
#ifndef TESSALY_TOOLS_PICTURE_MAKER_COMPASS_MAP_H_
#define TESSALY_TOOLS_PICTURE_MAKER_COMPASS_MAP_H_

#include <QImage>

namespace tessaly::tools {

QImage DrawCompassMap(int width, int height);

}  // namespace tessaly::tools

#endif  // TESSALY_TOOLS_PICTURE_MAKER_COMPASS_MAP_H_
