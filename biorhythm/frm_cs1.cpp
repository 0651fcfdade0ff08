#include "biorhythm/frm_cs1.h"

#include <QLabel>
#include <QPushButton>
#include <string>

#include "biorhythm/control_design.h"
#include "biorhythm/date_entry.h"
#include "biorhythm/model.h"
#include "toolkit/accessibility.h"
#include "toolkit/date_text.h"
#include "toolkit/message_box.h"

namespace tessaly::biorhythm {
namespace {

using K = ControlKind;

constexpr ControlLook kPlain{false, std::nullopt, false};
constexpr ControlLook kSong{true, std::nullopt, false};

// clang-format off
constexpr ControlDesign kDesign[] = {
  // kind              name          caption                    left   top  width height tab
  {K::kLabel,         "Label1",     "输入日期格式 yyyy-mm-dd",  960,    0, 3015,  255, 14,
   {false, toolkit::Rgb(0, 128, 0), true}},
  {K::kLabel,         "Label2",     "出生日期",                 120,  360,  855,  255,  0, kSong},
  {K::kMaskedDateBox, "MaskEdBox1", "",                         960,  240, 1215,  375, 12, kPlain},
  {K::kLabel,         "Label3",     "测试日期",                2280,  360,  855,  255,  1, kSong},
  {K::kMaskedDateBox, "MaskEdBox2", "",                        3120,  240, 1215,  375, 13, kPlain},
  {K::kShape,         "Shape1",     "",                         360,  840, 4215, 1815, kNoTabStop, kPlain},
  {K::kLabel,         "Label4",     kCycles[0].row_label,       600, 1200,  735,  255,  3, kSong},
  {K::kTextBox,       "Text3",      "0",                       1560, 1080, 1095,  375,  2, kPlain},
  {K::kTextBox,       "Text6",      "",                        3000, 1080, 1095,  375,  7, kPlain},
  {K::kLabel,         "Label5",     kCycles[1].row_label,       600, 1680,  735,  255,  6, kSong},
  {K::kTextBox,       "Text4",      "0",                       1560, 1560, 1095,  375,  4, kPlain},
  {K::kTextBox,       "Text7",      "",                        3000, 1560, 1095,  375,  8, kPlain},
  {K::kLabel,         "Label6",     kCycles[2].row_label,       600, 2160,  735,  255,  9, kSong},
  {K::kTextBox,       "Text5",      "0",                       1560, 2040, 1095,  375,  5, kPlain},
  {K::kTextBox,       "Text8",      "",                        3000, 2040, 1095,  375, 10, kPlain},
  {K::kButton,        "Command1",   "测试",                    2040, 2880, 1095,  375, 11, kPlain},
};
// clang-format on

}  // namespace

FrmCs1::FrmCs1() : toolkit::Form(QStringLiteral("FRM_CS1")) {
  SetCaption(QStringLiteral("考生状态测试1"));
  setFont(DefaultFormFont());
  BuildControls(this, kDesign);
  SetFixedSingleFrame();
  SetClientSizeTwips(5130, 3435);
  SetDesignPlacementTwips(3630, 2730);

  birth_box_ = Control<toolkit::MaskedDateBox>(this, "MaskEdBox1");
  test_box_ = Control<toolkit::MaskedDateBox>(this, "MaskEdBox2");
  value_boxes_ = {Control<QLineEdit>(this, "Text3"),
                  Control<QLineEdit>(this, "Text4"),
                  Control<QLineEdit>(this, "Text5")};
  phase_boxes_ = {Control<QLineEdit>(this, "Text6"),
                  Control<QLineEdit>(this, "Text7"),
                  Control<QLineEdit>(this, "Text8")};

  connect(birth_box_, &toolkit::MaskedDateBox::LostFocus, this,
          &FrmCs1::MaskEdBox1_LostFocus);
  connect(test_box_, &toolkit::MaskedDateBox::LostFocus, this,
          &FrmCs1::MaskEdBox2_LostFocus);
  command1_ = Control<QPushButton>(this, "Command1");
  connect(command1_, &QPushButton::clicked, this, &FrmCs1::Command1_Click);
  // Enter runs the test; the focus stays in the box, so the date check still
  // runs when the user leaves it.
  PressOnEnter(this, command1_);
  NameForScreenReaders();
}

void FrmCs1::NameForScreenReaders() {
  auto caption = [this](const char* label) {
    return toolkit::AccessibleCaption(Control<QLabel>(this, label)->text());
  };
  birth_box_->setAccessibleName(caption("Label2"));
  test_box_->setAccessibleName(caption("Label3"));
  const std::array row_labels = {"Label4", "Label5", "Label6"};
  for (std::size_t i = 0; i < row_labels.size(); ++i) {
    const QString row = caption(row_labels[i]);
    value_boxes_[i]->setAccessibleName(row);
    phase_boxes_[i]->setAccessibleName(row + QStringLiteral("阶段"));
  }
}

void FrmCs1::MaskEdBox1_LostFocus() { CheckDateEntry(birth_box_); }

void FrmCs1::MaskEdBox2_LostFocus() { CheckDateEntry(test_box_); }

void FrmCs1::CheckDateEntry(const toolkit::MaskedDateBox* box) {
  if (!DateEntryLooksValid(box->Text().toStdString())) {
    toolkit::ShowInformation(this, ToQString(kInvalidDateMessage));
  }
}

void FrmCs1::Command1_Click() {
  const auto birth = toolkit::TextToDate(birth_box_->Text().toStdString());
  const auto test = toolkit::TextToDate(test_box_->Text().toStdString());
  // A date that cannot be read gives no day count at all; showing the
  // results of day 0 instead would pass off a guess as a test.
  if (!birth || !test) {
    toolkit::ShowInformation(this, ToQString(kInvalidDateMessage));
    return;
  }
  const int n = DayCount(*birth, *test);
  for (std::size_t i = 0; i < kCycles.size(); ++i) {
    const BiorhythmCycle cycle = kCycles[i].cycle;
    phase_boxes_[i]->setText(ToQString(CyclePhase(n, cycle)));
    value_boxes_[i]->setText(
        QString::fromStdString(FormatCycleValue(CycleValue(n, cycle))));
  }
}

}  // namespace tessaly::biorhythm
