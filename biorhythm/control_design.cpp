#include "biorhythm/control_design.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <algorithm>
#include <utility>
#include <vector>

#include "toolkit/date_picker.h"
#include "toolkit/date_text.h"
#include "toolkit/fonts.h"
#include "toolkit/label_button.h"
#include "toolkit/line_control.h"
#include "toolkit/masked_date_box.h"
#include "toolkit/shape_rect.h"
#include "toolkit/units.h"

namespace tessaly::biorhythm {
namespace {

QWidget* MakeLabel(const ControlDesign& row, QWidget* parent) {
  auto* label = new toolkit::LabelButton(ToQString(row.name),
                                         ToQString(row.caption), parent);
  label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  if (row.look.transparent) {
    label->SetTransparentBack();
  } else {
    label->SetBackColor(toolkit::SysColorRef(toolkit::kColorButtonFace));
  }
  if (row.look.fore) label->SetForeColor(*row.look.fore);
  return label;
}

QWidget* MakeControl(const ControlDesign& row, QWidget* parent,
                     const OwnControlMaker& make_own) {
  const QString name = ToQString(row.name);
  switch (row.kind) {
    case ControlKind::kLabel:
      return MakeLabel(row, parent);
    case ControlKind::kMaskedDateBox:
      return new toolkit::MaskedDateBox(name, parent);
    case ControlKind::kShape:
      return new toolkit::ShapeRect(
          name, toolkit::SysColorRef(toolkit::kColorWindowText), parent);
    case ControlKind::kTextBox: {
      auto* box = new QLineEdit(ToQString(row.caption), parent);
      box->setObjectName(name);
      return box;
    }
    case ControlKind::kButton: {
      auto* button = new QPushButton(ToQString(row.caption), parent);
      button->setObjectName(name);
      return button;
    }
    case ControlKind::kDatePicker: {
      const auto value = toolkit::TextToDate(row.caption);
      return new toolkit::DatePicker(
          name, value.value_or(std::chrono::year_month_day{}), parent);
    }
    case ControlKind::kLine:
      return new toolkit::LineControl(
          name, row.left, row.top, row.width, row.height,
          toolkit::SysColorRef(toolkit::kColorWindowText), parent);
    case ControlKind::kPicture:
      return make_own ? make_own(row) : nullptr;
  }
  return nullptr;
}

}  // namespace

void PressOnEnter(QWidget* form, QAbstractButton* button) {
  // A key that no control took travels up to the form, where this filter
  // sees it.
  class EnterFilter : public QObject {
   public:
    EnterFilter(QWidget* form, QAbstractButton* button)
        : QObject(button), form_(form), button_(button) {}
    bool eventFilter(QObject* watched, QEvent* event) override {
      if (watched != form_ || event->type() != QEvent::KeyPress) return false;
      auto* key = static_cast<QKeyEvent*>(event);
      const bool enter =
          key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
      // The keypad's Enter carries the keypad modifier.
      if (!enter ||
          (key->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier) {
        return false;
      }
      key->accept();
      button_->click();
      return true;
    }

   private:
    QWidget* form_;
    QAbstractButton* button_;
  };
  form->installEventFilter(new EnterFilter(form, button));
}

QFont DefaultFormFont() { return toolkit::SongFont(9); }

void BuildControls(QWidget* form, std::span<const ControlDesign> design,
                   const OwnControlMaker& make_own) {
  std::vector<std::pair<int, QWidget*>> tab_stops;
  for (const ControlDesign& row : design) {
    QWidget* control = MakeControl(row, form, make_own);
    if (control == nullptr) continue;
    if (row.look.song_font) control->setFont(toolkit::SongFont(10.5));
    if (row.kind != ControlKind::kLine) {
      toolkit::PlaceTwips(control, row.left, row.top, row.width, row.height);
    }
    if (row.tab_index != kNoTabStop && control->focusPolicy() != Qt::NoFocus) {
      tab_stops.emplace_back(row.tab_index, control);
    }
  }
  std::ranges::sort(tab_stops, {}, &std::pair<int, QWidget*>::first);
  for (std::size_t i = 1; i < tab_stops.size(); ++i) {
    QWidget::setTabOrder(tab_stops[i - 1].second, tab_stops[i].second);
  }
  // The tab chain is a ring; the window opens on its lowest tab index.
  if (!tab_stops.empty()) tab_stops.front().second->setFocus();
}

QString ToQString(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace tessaly::biorhythm
