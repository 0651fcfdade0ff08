// Contrast between two colours as the accessibility guidelines measure it:
// from 1 (the same luminance) to 21 (black on white).
#ifndef TESSALY_TOOLKIT_CONTRAST_H_
#define TESSALY_TOOLKIT_CONTRAST_H_

#include <cstdint>

namespace tessaly::toolkit {

// `a` and `b` are 0xRRGGBB values.
double ContrastRatio(std::uint32_t a, std::uint32_t b);

}  // namespace tessaly::toolkit

#endif  // TESSALY_TOOLKIT_CONTRAST_H_
