#include "questionnaires/item_widget.h"

#include <QButtonGroup>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>

#include "questionnaires/scoring.h"

namespace tessaly::questionnaires {
namespace {

QString FromStd(const std::string& text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

ItemWidget::ItemWidget(int number, const Item& item, QWidget* parent)
    : QFrame(parent), number_(number), group_(new QButtonGroup(this)) {
  setObjectName(QStringLiteral("Item(%1)").arg(number));
  setFocusPolicy(Qt::StrongFocus);
  setFrameShape(QFrame::StyledPanel);
  setAutoFillBackground(true);
  ShowFocus(false);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(8, 4, 8, 4);
  layout->setSpacing(2);
  auto* text = new QLabel(
      QStringLiteral("%1. %2").arg(number).arg(FromStd(item.text)), this);
  text->setWordWrap(true);
  layout->addWidget(text);
  auto* options = new QHBoxLayout();
  options->setSpacing(16);
  options->setContentsMargins(16, 0, 0, 0);
  layout->addLayout(options);
  for (std::size_t i = 0; i < item.options.size(); ++i) {
    auto* button = new QRadioButton(FromStd(item.options[i]), this);
    button->setObjectName(QStringLiteral("Option(%1)").arg(i + 1));
    button->setFocusPolicy(Qt::NoFocus);
    group_->addButton(button, static_cast<int>(i));
    options->addWidget(button);
    buttons_.push_back(button);
  }
  options->addStretch(1);
  connect(group_, &QButtonGroup::idClicked, this, [this] {
    setFocus(Qt::MouseFocusReason);
    Q_EMIT AnswerChanged();
  });
}

int ItemWidget::Answer() const {
  const int id = group_->checkedId();
  return id < 0 ? kNoAnswer : id;
}

void ItemWidget::SetAnswer(int option) {
  if (option >= 0 && option < static_cast<int>(buttons_.size())) {
    buttons_[static_cast<std::size_t>(option)]->setChecked(true);
    return;
  }
  // An exclusive group never lets its last checked button go.
  group_->setExclusive(false);
  for (QRadioButton* button : buttons_) button->setChecked(false);
  group_->setExclusive(true);
}

void ItemWidget::Choose(int option) {
  if (option == Answer()) return;
  SetAnswer(option);
  Q_EMIT AnswerChanged();
}

void ItemWidget::keyPressEvent(QKeyEvent* event) {
  const int count = static_cast<int>(buttons_.size());
  const int key = event->key();
  if (key >= Qt::Key_1 && key <= Qt::Key_9 && key - Qt::Key_1 < count &&
      !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
    Choose(key - Qt::Key_1);
    Q_EMIT MoveOnRequested();
    return;
  }
  const int answer = Answer();
  switch (key) {
    case Qt::Key_Left:
    case Qt::Key_Up:
      Choose(answer == kNoAnswer ? 0 : std::max(0, answer - 1));
      return;
    case Qt::Key_Right:
    case Qt::Key_Down:
      Choose(answer == kNoAnswer ? 0 : std::min(count - 1, answer + 1));
      return;
    default:
      QFrame::keyPressEvent(event);
  }
}

void ItemWidget::focusInEvent(QFocusEvent* event) {
  QFrame::focusInEvent(event);
  ShowFocus(true);
  Q_EMIT FocusEntered();
}

void ItemWidget::focusOutEvent(QFocusEvent* event) {
  QFrame::focusOutEvent(event);
  ShowFocus(false);
}

void ItemWidget::ShowFocus(bool focused) {
  QPalette colours = palette();
  colours.setColor(QPalette::Window, focused ? QColor(0xFF, 0xF4, 0xD6)
                                             : palette().color(QPalette::Base));
  setPalette(colours);
}

}  // namespace tessaly::questionnaires
