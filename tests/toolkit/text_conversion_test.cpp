// Text to date and number to shortest decimal text.
#include <gtest/gtest.h>

#include "toolkit/date_text.h"
#include "toolkit/number_text.h"

namespace tessaly::toolkit {
namespace {

using std::chrono::day;
using std::chrono::month;
using std::chrono::year;

TEST(TextToDateTest, ReadsYearMonthDayAndRefusesEverythingElse) {
  EXPECT_EQ(TextToDate("2005-06-07"), year{2005} / month{6} / day{7});
  EXPECT_EQ(TextToDate("2000-02-29"), year{2000} / month{2} / day{29});
  EXPECT_EQ(TextToDate("1990/1/5"), year{1990} / month{1} / day{5});
  EXPECT_EQ(TextToDate("0990-01-01"), year{990} / month{1} / day{1});
  for (const char* bad :
       {"", "____-__-__", "1990-0_-__", "1990-01-3_", "1990-02-30",
        "1900-02-29", "1990-13-01", "1990-00-10", "1990-01-00", "0000-01-01",
        "1990-01-01 ", "1990-01/01", "19900-01-01", "1990-001-01"}) {
    EXPECT_EQ(TextToDate(bad), std::nullopt) << bad;
  }
}

TEST(ShortestDecimalTextTest, WritesTheShortestForm) {
  struct Case {
    double value;
    const char* text;
  };
  const Case cases[] = {{26.97, "26.97"}, {63.10, "63.1"},    {69, "69"},
                        {100, "100"},     {-22.25, "-22.25"}, {0.0, "0"},
                        {-0.0, "0"},      {-9.5, "-9.5"}};
  for (const Case& c : cases) EXPECT_EQ(ShortestDecimalText(c.value), c.text);
}

}  // namespace
}  // namespace tessaly::toolkit
