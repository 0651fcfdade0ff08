#include "questionnaires/questionnaire_bar.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QToolButton>

#include "questionnaires/frm_test.h"
#include "questionnaires/questionnaire_catalogue.h"

namespace tessaly::questionnaires {
namespace {

constexpr int kBarHeight = 30;

}  // namespace

QuestionnaireBar::QuestionnaireBar(const Questionnaire& questionnaire,
                                   QRect viewport_rect, QWidget* parent)
    : QFrame(parent) {
  setObjectName(QStringLiteral("QuestionnaireBar"));
  setFrameShape(QFrame::StyledPanel);
  setAutoFillBackground(true);
  QPalette colours = palette();
  colours.setColor(QPalette::Window, QColor(0xFF, 0xF4, 0xD6));
  colours.setColor(QPalette::WindowText, Qt::black);
  setPalette(colours);
  // Inside the viewport's one-pixel border, over the top margin of the page.
  setGeometry(viewport_rect.left() + 1, viewport_rect.top() + 1,
              viewport_rect.width() - 2, kBarHeight);

  auto* layout = new QHBoxLayout(this);
  layout->setContentsMargins(8, 1, 2, 1);
  auto* text = new QLabel(
      QStringLiteral("本测评可以在这里直接填写，并自动计分。"), this);
  layout->addWidget(text, 1);
  auto* start = new QPushButton(QStringLiteral("填写并计分"), this);
  start->setObjectName(QStringLiteral("StartQuestionnaire"));
  start->setFocusPolicy(Qt::TabFocus);
  layout->addWidget(start);
  auto* close = new QToolButton(this);
  close->setObjectName(QStringLiteral("CloseQuestionnaireBar"));
  close->setText(QStringLiteral("×"));
  close->setToolTip(QStringLiteral("关闭提示条"));
  close->setAutoRaise(true);
  close->setFocusPolicy(Qt::TabFocus);
  layout->addWidget(close);

  const Questionnaire* shown = &questionnaire;
  connect(start, &QPushButton::clicked, this,
          [shown] { OpenQuestionnaire(*shown); });
  connect(close, &QToolButton::clicked, this, &QWidget::hide);
  raise();
}

void ShowQuestionnaireBarIfAny(const std::string& title, QRect viewport_rect,
                               QWidget* reader) {
  if (const Questionnaire* questionnaire = FindQuestionnaire(title)) {
    new QuestionnaireBar(*questionnaire, viewport_rect, reader);
  }
}

}  // namespace tessaly::questionnaires
