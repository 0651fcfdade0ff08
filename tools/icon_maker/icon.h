// The program's icon: the logo's compass star on its night-blue tile.
#ifndef TESSALY_TOOLS_ICON_MAKER_ICON_H_
#define TESSALY_TOOLS_ICON_MAKER_ICON_H_

#include <QImage>
#include <array>

namespace tessaly::tools {

// The sizes a desktop theme looks for under hicolor/<size>x<size>/apps.
inline constexpr std::array kIconSizes = {16, 32, 48, 64, 128, 256};

// A square icon of `size` pixels with a transparent corner.
QImage DrawIcon(int size);

}  // namespace tessaly::tools

#endif  // TESSALY_TOOLS_ICON_MAKER_ICON_H_
