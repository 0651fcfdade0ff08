// A date picker for dates from 1601-01-01 to 9999-12-31, without a time.
#ifndef TESSALY_TOOLKIT_DATE_PICKER_H_
#define TESSALY_TOOLKIT_DATE_PICKER_H_

#include <QDateEdit>
#include <chrono>

namespace tessaly::toolkit {

class DatePicker : public QDateEdit {
  Q_OBJECT

 public:
  DatePicker(const QString& name, std::chrono::year_month_day value,
             QWidget* parent);

  std::chrono::year_month_day Value() const;
  void SetValue(std::chrono::year_month_day value);

 protected:
  // Tab leaves the picker, as the desktop's date pickers do; the arrow keys
  // move between year, month and day.
  bool focusNextPrevChild(bool next) override {
    return QWidget::focusNextPrevChild(next);
  }
};

}  // namespace tessaly::toolkit

#endif  // TESSALY_TOOLKIT_DATE_PICKER_H_
