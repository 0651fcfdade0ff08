// The plausibility check of a typed date, made when the user leaves its box.
#ifndef TESSALY_BIORHYTHM_DATE_ENTRY_H_
#define TESSALY_BIORHYTHM_DATE_ENTRY_H_

#include <string_view>

namespace tessaly::biorhythm {

inline constexpr std::string_view kInvalidDateMessage = "非法日期请重新输入";

// Takes the ten characters of a "####-##-##" box with "_" as its prompt.
// Accepts a year from 1000, a month 1-12 and a day 1-31 with both day
// digits typed; month lengths are left to the date conversion.
bool DateEntryLooksValid(std::string_view text);

}  // namespace tessaly::biorhythm

#endif  // TESSALY_BIORHYTHM_DATE_ENTRY_H_
