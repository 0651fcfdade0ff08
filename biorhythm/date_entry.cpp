#include "biorhythm/date_entry.h"

#include <cstddef>

namespace tessaly::biorhythm {
namespace {

// The value of the leading digits of text[from, from + length); a piece that
// starts with a prompt or runs off the end reads as far as it has digits.
int LeadingNumber(std::string_view text, std::size_t from, std::size_t length) {
  int value = 0;
  for (std::size_t i = from; i < from + length && i < text.size(); ++i) {
    const char c = text[i];
    if (c < '0' || c > '9') break;
    value = value * 10 + (c - '0');
  }
  return value;
}

}  // namespace

bool DateEntryLooksValid(std::string_view text) {
  const int year = LeadingNumber(text, 0, 4);
  const int month = LeadingNumber(text, 5, 2);
  const int day = LeadingNumber(text, 8, 2);
  const bool last_digit_typed = text.size() >= 10 && text[9] != '_';
  return year >= 1000 && month >= 1 && month <= 12 && day >= 1 && day <= 31 &&
         last_digit_typed;
}

}  // namespace tessaly::biorhythm
