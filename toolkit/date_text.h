// Reading a year-month-day text as a calendar date.
#ifndef TESSALY_TOOLKIT_DATE_TEXT_H_
#define TESSALY_TOOLKIT_DATE_TEXT_H_

#include <chrono>
#include <optional>
#include <string_view>

namespace tessaly::toolkit {

// "2005-06-07" (also with '/' and with one-digit months and days) as a
// Gregorian date; nothing for any other text or a day the calendar lacks.
std::optional<std::chrono::year_month_day> TextToDate(std::string_view text);

}  // namespace tessaly::toolkit

#endif  // TESSALY_TOOLKIT_DATE_TEXT_H_
