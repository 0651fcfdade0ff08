// The numeric exam-state test: two typed dates, and each cycle's value and
// phase word for the test date.
#ifndef TESSALY_BIORHYTHM_FRM_CS1_H_
#define TESSALY_BIORHYTHM_FRM_CS1_H_

#include <QLineEdit>
#include <QPushButton>
#include <array>

#include "toolkit/form.h"
#include "toolkit/masked_date_box.h"

namespace tessaly::biorhythm {

class FrmCs1 : public toolkit::Form {
  Q_OBJECT

 public:
  FrmCs1();

 private:
  void MaskEdBox1_LostFocus();
  void MaskEdBox2_LostFocus();
  void Command1_Click();

  void CheckDateEntry(const toolkit::MaskedDateBox* box);
  void NameForScreenReaders();

  QPushButton* command1_ = nullptr;
  toolkit::MaskedDateBox* birth_box_ = nullptr;
  toolkit::MaskedDateBox* test_box_ = nullptr;
  // Physical, emotional, intellectual.
  std::array<QLineEdit*, 3> value_boxes_{};
  std::array<QLineEdit*, 3> phase_boxes_{};
};

}  // namespace tessaly::biorhythm

#endif  // TESSALY_BIORHYTHM_FRM_CS1_H_
