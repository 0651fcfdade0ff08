#include "toolkit/number_text.h"

#include <array>
#include <charconv>

namespace tessaly::toolkit {

std::string ShortestDecimalText(double value) {
  if (value == 0) return "0";
  std::array<char, 32> buffer{};
  const auto result =
      std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                    std::chars_format::fixed);
  return std::string(buffer.data(), result.ptr);
}

}  // namespace tessaly::toolkit
