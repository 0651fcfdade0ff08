#include "biorhythm/frm_cs2.h"

#include <QLabel>
#include <QPushButton>
#include <QStringList>

#include "biorhythm/chart.h"
#include "biorhythm/control_design.h"
#include "biorhythm/model.h"
#include "toolkit/accessibility.h"
#include "toolkit/message_box.h"
#include "toolkit/sys_colors.h"

namespace tessaly::biorhythm {
namespace {

using K = ControlKind;
using toolkit::Rgb;

constexpr ControlLook kPlain{false, std::nullopt, false};

constexpr ControlLook Legend(toolkit::ColorRef color) {
  return {false, color, true};
}

// The legend captions use their own colours, not quite those of the curves
// (yellow and green where the curves are dark yellow and bright green).
// clang-format off
constexpr ControlDesign kDesign[] = {
  // kind           name         caption                        left   top  width height tab
  {K::kLabel,      "Label1",    "图示颜色",                      240,  600,  840,  210,  3,
   {true, std::nullopt, true}},
  {K::kLabel,      "Label3",    kCycles[1].legend_text,          240, 1440,  900,  180,  5, Legend(Rgb(255, 0, 0))},
  {K::kLabel,      "Label2",    kCycles[0].legend_text,          240, 2400,  900,  180,  4, Legend(Rgb(0, 0, 255))},
  {K::kLabel,      "Label4",    kCycles[2].legend_text,          240, 3240,  900,  180,  6, Legend(Rgb(255, 255, 0))},
  {K::kLabel,      "Label5",    "综合周期值",                    240, 4200,  900,  180,  7, Legend(Rgb(0, 192, 0))},
  {K::kPicture,    "Picture1",  "",                             1320,  240, 9735, 4335,  2, kPlain},
  {K::kLabel,      "Label6",    "粗黑竖线处为测试日当天的状态",  360, 4920, 2895,  255,  9, kPlain},
  {K::kLabel,      "Label9",    "每两条黑线表示间隔一天",        480, 5280, 2415,  375, 12, kPlain},
  {K::kLabel,      "Label7",    "出生日期",                     3600, 4800,  855,  255, 10, kPlain},
  {K::kDatePicker, "DTPicker2", "2004-11-16",                   3360, 5160, 1455,  375,  8, kPlain},
  {K::kLine,       "Line1",     "",                             4800, 5280, 5520, 5280, kNoTabStop, kPlain},
  {K::kLabel,      "Label8",    "测试日期",                     5880, 4800, 1215,  375, 11, kPlain},
  {K::kDatePicker, "DTPicker1", "2004-11-05",                   5640, 5160, 1335,  375,  0, kPlain},
  {K::kButton,     "Command1",  "确定",                         7800, 5040,  975,  495,  1, kPlain},
};
// clang-format on

}  // namespace

FrmCs2::FrmCs2() : toolkit::Form(QStringLiteral("FRM_CS2")) {
  SetCaption(QStringLiteral("节律周期表"));
  setFont(DefaultFormFont());
  setAutoFillBackground(true);
  toolkit::FollowSysColors(this, [this] {
    QPalette pal = palette();
    pal.setColor(QPalette::Window, toolkit::ResolveColor(toolkit::SysColorRef(
                                       toolkit::kColorActiveBorder)));
    setPalette(pal);
  });
  BuildControls(this, kDesign, [this](const ControlDesign& row) {
    picture_ = new ChartView(
        QString::fromUtf8(row.name.data(),
                          static_cast<qsizetype>(row.name.size())),
        this);
    return picture_;
  });
  SetClientSizeTwips(11760, 6075);
  SetDesignPlacementTwips(285, 570);

  birth_picker_ = Control<toolkit::DatePicker>(this, "DTPicker2");
  test_picker_ = Control<toolkit::DatePicker>(this, "DTPicker1");
  command1_ = Control<QPushButton>(this, "Command1");
  connect(command1_, &QPushButton::clicked, this, &FrmCs2::Command1_Click);
  // Enter draws.
  PressOnEnter(this, command1_);
  birth_picker_->setAccessibleName(
      toolkit::AccessibleCaption(Control<QLabel>(this, "Label7")->text()));
  test_picker_->setAccessibleName(
      toolkit::AccessibleCaption(Control<QLabel>(this, "Label8")->text()));
  picture_->setAccessibleDescription(QStringLiteral("尚未绘制"));
}

QString FrmCs2::DescribeChart(int n) {
  // What a sighted user reads off the chart's test-day line.
  QStringList values;
  for (const CycleTraits& traits : kCycles) {
    values << toolkit::AccessibleCaption(ToQString(traits.row_label)) +
                  QLatin1Char(' ') +
                  QString::fromStdString(
                      FormatCycleValue(CycleValue(n, traits.cycle)));
  }
  values << QStringLiteral("综合 ") + QString::number(CombinedValue(n), 'f', 2);
  return QStringLiteral(
             "测试日前后各15天的体力、情绪、智力和综合周期值。"
             "测试日：") +
         values.join(QStringLiteral("，"));
}

void FrmCs2::Command1_Click() {
  const auto birth = birth_picker_->Value();
  const auto test = test_picker_->Value();
  if (const auto refusal = ChartDatesRefusal(birth, test)) {
    toolkit::ShowInformation(
        this, QString::fromUtf8(refusal->data(),
                                static_cast<qsizetype>(refusal->size())));
    return;
  }
  const int n = DayCount(birth, test);
  picture_->SetChart(MakeChart(n));
  picture_->setAccessibleDescription(DescribeChart(n));
}

}  // namespace tessaly::biorhythm
