#include "biorhythm/date_entry.h"

#include <gtest/gtest.h>

namespace tessaly::biorhythm {
namespace {

TEST(DateEntryTest, AcceptsPlausibleDatesAndRefusesTheRest) {
  struct Case {
    const char* text;
    bool accepted;
  };
  const Case cases[] = {
      {"1990-01-31", true},
      {"1990-02-30", true},  // month lengths are not this check's business
      {"1000-12-01", true},
      {"1990-1_-01", true},  // the month reads 1
      {"1990-00-15", false},
      {"1990-13-01", false},
      {"1990-01-00", false},
      {"1990-01-32", false},
      {"0990-01-01", false},
      {"199_-01-01", false},  // the year reads 199
      {"1990-01-3_", false},
      {"1990-01-_3", false},  // the day reads 0
      {"____-__-__", false},
      {"", false},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(DateEntryLooksValid(c.text), c.accepted) << c.text;
  }
}

}  // namespace
}  // namespace tessaly::biorhythm
