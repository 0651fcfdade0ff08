// The program's logo: a compass star over the name.
#ifndef TESSALY_TOOLS_PICTURE_MAKER_LOGO_H_
#define TESSALY_TOOLS_PICTURE_MAKER_LOGO_H_

class QPainter;

namespace tessaly::tools {

// Paints the logo over (0, 0) to (width, height) in the painter's
// coordinates.
void PaintLogo(QPainter& p, int width, int height);

}  // namespace tessaly::tools

#endif  // TESSALY_TOOLS_PICTURE_MAKER_LOGO_H_
