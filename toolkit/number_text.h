// A number as its shortest decimal text.
#ifndef TESSALY_TOOLKIT_NUMBER_TEXT_H_
#define TESSALY_TOOLKIT_NUMBER_TEXT_H_

#include <string>

namespace tessaly::toolkit {

// '.' as decimal point, no trailing zeros, no plus sign, never "-0":
// 63.10 → "63.1", 69 → "69", -22.25 → "-22.25".
std::string ShortestDecimalText(double value);

}  // namespace tessaly::toolkit

#endif  // TESSALY_TOOLKIT_NUMBER_TEXT_H_
