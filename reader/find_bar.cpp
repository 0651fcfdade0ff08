#include "reader/find_bar.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>

namespace tessaly::reader {
namespace {

constexpr int kHeight = 30;

QToolButton* MakeButton(QWidget* parent, const char* name, const QString& text,
                        const QString& tip) {
  auto* button = new QToolButton(parent);
  button->setObjectName(QString::fromLatin1(name));
  button->setText(text);
  button->setToolTip(tip);
  button->setAccessibleName(tip);
  button->setAutoRaise(true);
  return button;
}

}  // namespace

FindBar::FindBar(QWidget* viewport)
    : QFrame(viewport), edit_(new QLineEdit(this)), count_(new QLabel(this)) {
  setObjectName(QStringLiteral("FindBar"));
  setFrameStyle(QFrame::StyledPanel | QFrame::Raised);
  setAutoFillBackground(true);
  edit_->setObjectName(QStringLiteral("FindText"));
  edit_->setPlaceholderText(QStringLiteral("查找"));
  edit_->setAccessibleName(QStringLiteral("查找内容"));
  edit_->installEventFilter(this);
  count_->setObjectName(QStringLiteral("FindCount"));
  count_->setMinimumWidth(96);

  QToolButton* previous = MakeButton(this, "FindPrevious", QStringLiteral("▲"),
                                     QStringLiteral("上一处 (Shift+F3)"));
  QToolButton* next = MakeButton(this, "FindNext", QStringLiteral("▼"),
                                 QStringLiteral("下一处 (F3)"));
  QToolButton* close = MakeButton(this, "FindClose", QStringLiteral("✕"),
                                  QStringLiteral("关闭查找 (Esc)"));
  auto* layout = new QHBoxLayout(this);
  layout->setContentsMargins(4, 2, 4, 2);
  layout->setSpacing(4);
  layout->addWidget(edit_, 1);
  layout->addWidget(count_);
  layout->addWidget(previous);
  layout->addWidget(next);
  layout->addWidget(close);

  connect(edit_, &QLineEdit::textChanged, this, &FindBar::QueryChanged);
  connect(previous, &QToolButton::clicked, this, &FindBar::Previous);
  connect(next, &QToolButton::clicked, this, &FindBar::Next);
  connect(close, &QToolButton::clicked, this, &FindBar::Closed);
  hide();
}

void FindBar::ShowCount(int current, int total) {
  if (edit_->text().isEmpty()) {
    count_->clear();
  } else if (total == 0) {
    count_->setText(QStringLiteral("未找到"));
  } else {
    count_->setText(QStringLiteral("第 %1 / %2 处").arg(current).arg(total));
  }
}

void FindBar::PlaceOver(const QRect& area) {
  setGeometry(area.left(), area.bottom() + 1 - kHeight, area.width(), kHeight);
  raise();
}

bool FindBar::eventFilter(QObject* watched, QEvent* event) {
  if (watched == edit_ && event->type() == QEvent::KeyPress) {
    const auto* key = static_cast<QKeyEvent*>(event);
    const bool shift = key->modifiers() & Qt::ShiftModifier;
    switch (key->key()) {
      case Qt::Key_Return:
      case Qt::Key_Enter:
        shift ? Q_EMIT Previous() : Q_EMIT Next();
        return true;
      case Qt::Key_Escape:
        Q_EMIT Closed();
        return true;
      default:
        break;
    }
  }
  return QFrame::eventFilter(watched, event);
}

}  // namespace tessaly::reader
