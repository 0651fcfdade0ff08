// The biorhythm chart: two picked dates and the three cycles and their mean
// drawn over the 31 days around the test date.
#ifndef TESSALY_BIORHYTHM_FRM_CS2_H_
#define TESSALY_BIORHYTHM_FRM_CS2_H_

#include <QPushButton>

#include "biorhythm/chart_view.h"
#include "toolkit/date_picker.h"
#include "toolkit/form.h"

namespace tessaly::biorhythm {

class FrmCs2 : public toolkit::Form {
  Q_OBJECT

 public:
  FrmCs2();

 private:
  void Command1_Click();
  static QString DescribeChart(int n);

  QPushButton* command1_ = nullptr;
  toolkit::DatePicker* birth_picker_ = nullptr;
  toolkit::DatePicker* test_picker_ = nullptr;
  ChartView* picture_ = nullptr;
};

}  // namespace tessaly::biorhythm

#endif  // TESSALY_BIORHYTHM_FRM_CS2_H_
