#include "toolkit/date_picker.h"

namespace tessaly::toolkit {
namespace {

QDate ToQDate(std::chrono::year_month_day value) {
  return QDate(static_cast<int>(value.year()),
               static_cast<int>(static_cast<unsigned>(value.month())),
               static_cast<int>(static_cast<unsigned>(value.day())));
}

}  // namespace

DatePicker::DatePicker(const QString& name, std::chrono::year_month_day value,
                       QWidget* parent)
    : QDateEdit(parent) {
  setObjectName(name);
  setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
  setCalendarPopup(true);
  setDateRange(QDate(1601, 1, 1), QDate(9999, 12, 31));
  SetValue(value);
}

std::chrono::year_month_day DatePicker::Value() const {
  const QDate d = date();
  return std::chrono::year_month_day{
      std::chrono::year{d.year()},
      std::chrono::month{static_cast<unsigned>(d.month())},
      std::chrono::day{static_cast<unsigned>(d.day())}};
}

void DatePicker::SetValue(std::chrono::year_month_day value) {
  setDate(ToQDate(value));
}

}  // namespace tessaly::toolkit
