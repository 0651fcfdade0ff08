#include "toolkit/date_text.h"

#include <array>

namespace tessaly::toolkit {
namespace {

// Reads 1 to `max_digits` digits; nothing if there are none or more.
std::optional<int> ReadNumber(std::string_view& rest, std::size_t max_digits) {
  std::size_t length = 0;
  int value = 0;
  while (length < rest.size() && rest[length] >= '0' && rest[length] <= '9') {
    value = value * 10 + (rest[length] - '0');
    ++length;
  }
  if (length == 0 || length > max_digits) return std::nullopt;
  rest.remove_prefix(length);
  return value;
}

bool ReadSeparator(std::string_view& rest, char& separator) {
  if (rest.empty() || (rest[0] != '-' && rest[0] != '/')) return false;
  if (separator != 0 && rest[0] != separator) return false;
  separator = rest[0];
  rest.remove_prefix(1);
  return true;
}

}  // namespace

std::optional<std::chrono::year_month_day> TextToDate(std::string_view text) {
  char separator = 0;
  const auto year = ReadNumber(text, 4);
  if (!year || !ReadSeparator(text, separator)) return std::nullopt;
  const auto month = ReadNumber(text, 2);
  if (!month || !ReadSeparator(text, separator)) return std::nullopt;
  const auto day = ReadNumber(text, 2);
  if (!day || !text.empty() || *year < 1) return std::nullopt;
  const std::chrono::year_month_day date{
      std::chrono::year{*year},
      std::chrono::month{static_cast<unsigned>(*month)},
      std::chrono::day{static_cast<unsigned>(*day)}};
  if (!date.ok()) return std::nullopt;
  return date;
}

}  // namespace tessaly::toolkit
