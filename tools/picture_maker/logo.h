// The program's logo: a compass star over the name.
#ifndef TESSALY_TOOLS_PICTURE_MAKER_LOGO_H_
#define TESSALY_TOOLS_PICTURE_MAKER_LOGO_H_

#include <QImage>

namespace tessaly::tools {

QImage DrawLogo(int width, int height);

}  // namespace tessaly::tools

#endif  // TESSALY_TOOLS_PICTURE_MAKER_LOGO_H_
