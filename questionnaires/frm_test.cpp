#include "questionnaires/frm_test.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>

#include "questionnaires/item_widget.h"
#include "questionnaires/result_sheet.h"
#include "questionnaires/result_summary.h"
#include "questionnaires/result_view.h"
#include "toolkit/forms.h"
#include "toolkit/message_box.h"

namespace tessaly::questionnaires {
namespace {

constexpr int kWidth = 900;
constexpr int kHeight = 640;
constexpr int kSidePanelWidth = 330;

QString FromStd(const std::string& text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QLabel* WrappedLabel(const char* name, QWidget* parent) {
  auto* label = new QLabel(parent);
  label->setObjectName(QString::fromLatin1(name));
  label->setWordWrap(true);
  return label;
}

}  // namespace

FrmTest::FrmTest() : Form(QStringLiteral("FRM_TEST")) {
  resize(kWidth, kHeight);
  auto* layout = new QVBoxLayout(this);
  instructions_ = WrappedLabel("Instructions", this);
  layout->addWidget(instructions_);

  auto* columns = new QHBoxLayout();
  layout->addLayout(columns, 1);
  items_area_ = new QScrollArea(this);
  items_area_->setObjectName(QStringLiteral("Items"));
  items_area_->setWidgetResizable(true);
  items_area_->setFocusPolicy(Qt::NoFocus);
  columns->addWidget(items_area_, 1);

  auto* side = new QVBoxLayout();
  columns->addLayout(side);
  progress_ = WrappedLabel("Progress", this);
  QFont bold = progress_->font();
  bold.setBold(true);
  progress_->setFont(bold);
  side->addWidget(progress_);
  pending_ = WrappedLabel("ResultPending", this);
  pending_->setText(QStringLiteral("答完全部题目后，这里显示得分和结果解释。"));
  side->addWidget(pending_);
  result_area_ = new QScrollArea(this);
  result_area_->setWidgetResizable(true);
  result_area_->setFocusPolicy(Qt::NoFocus);
  result_area_->setFrameShape(QFrame::NoFrame);
  result_area_->setFixedWidth(kSidePanelWidth);
  result_ = new ResultView(result_area_);
  result_area_->setWidget(result_);
  result_area_->setVisible(false);
  side->addWidget(result_area_, 1);
  side->addStretch(0);
  auto* note = WrappedLabel("SelfCheckNote", this);
  note->setText(QStringLiteral(
      "这只是帮助你了解自己的自我检查，不是诊断。答案和结果不会保存，"
      "关闭本窗口即全部清除。"));
  note->setFixedWidth(kSidePanelWidth);
  side->addWidget(note);
  auto* buttons = new QHBoxLayout();
  side->addLayout(buttons);
  restart_ = new QPushButton(QStringLiteral("重新填写"), this);
  restart_->setObjectName(QStringLiteral("Restart"));
  print_ = new QPushButton(QStringLiteral("打印结果"), this);
  print_->setObjectName(QStringLiteral("PrintResult"));
  print_->setEnabled(false);
  buttons->addWidget(restart_);
  buttons->addWidget(print_);
  connect(restart_, &QPushButton::clicked, this, &FrmTest::Restart);
  connect(print_, &QPushButton::clicked, this, &FrmTest::PrintResult);
}

void FrmTest::Fill(const Questionnaire& questionnaire) {
  questionnaire_ = &questionnaire;
  std::size_t options = questionnaire.points.size();
  instructions_->setText(
      QStringLiteral(
          "请按自己的真实情况作答，每题选一项。键盘：Tab 键移到下一题，"
          "方向键选择，数字键 1–%1 选定后自动进入下一题。")
          .arg(options));
  auto* list = new QWidget(items_area_);
  auto* list_layout = new QVBoxLayout(list);
  list_layout->setSpacing(4);
  for (std::size_t i = 0; i < questionnaire.items.size(); ++i) {
    auto* item =
        new ItemWidget(static_cast<int>(i + 1), questionnaire.items[i], list);
    list_layout->addWidget(item);
    items_.push_back(item);
    connect(item, &ItemWidget::AnswerChanged, this, &FrmTest::UpdateResult);
    connect(item, &ItemWidget::MoveOnRequested, this,
            [this, item] { MoveOnFrom(item->Number()); });
    connect(item, &ItemWidget::FocusEntered, this,
            [this, item] { items_area_->ensureWidgetVisible(item, 0, 8); });
  }
  list_layout->addStretch(1);
  items_area_->setWidget(list);
  if (!items_.empty()) setFocusProxy(items_.front());
  UpdateResult();
}

Answers FrmTest::CurrentAnswers() const {
  Answers answers;
  for (const ItemWidget* item : items_) answers.push_back(item->Answer());
  return answers;
}

void FrmTest::UpdateResult() {
  if (questionnaire_ == nullptr) return;
  const Answers answers = CurrentAnswers();
  progress_->setText(QStringLiteral("已答 %1 / %2")
                         .arg(AnsweredCount(*questionnaire_, answers))
                         .arg(items_.size()));
  const auto result = Score(*questionnaire_, answers);
  if (result) result_->ShowSummary(Summarise(*questionnaire_, *result));
  result_area_->setVisible(result.has_value());
  pending_->setVisible(!result.has_value());
  print_->setEnabled(result.has_value());
}

void FrmTest::Restart() {
  for (ItemWidget* item : items_) item->SetAnswer(kNoAnswer);
  UpdateResult();
  items_area_->verticalScrollBar()->setValue(0);
  if (!items_.empty()) items_.front()->setFocus(Qt::OtherFocusReason);
}

void FrmTest::MoveOnFrom(int number) {
  if (number < static_cast<int>(items_.size())) {
    items_[static_cast<std::size_t>(number)]->setFocus(Qt::TabFocusReason);
  } else if (print_->isEnabled()) {
    print_->setFocus(Qt::TabFocusReason);
  }
}

void FrmTest::PrintResult() {
  if (questionnaire_ == nullptr) return;
  QPrinter printer;
  printer.setDocName(FromStd(questionnaire_->title));
  QPrintDialog dialog(&printer, this);
  dialog.setWindowTitle(QStringLiteral("打印结果"));
  if (dialog.exec() != QDialog::Accepted) return;
  if (!PrintResultSheet(*questionnaire_, CurrentAnswers(), printer)) {
    toolkit::ShowInformation(this, QStringLiteral("无法打印结果。"));
  }
}

void OpenQuestionnaire(const Questionnaire& questionnaire) {
  toolkit::Unload<FrmTest>();
  FrmTest* form = toolkit::Load<FrmTest>();
  form->Fill(questionnaire);
  toolkit::Show(form);
  form->SetCaption(FromStd(questionnaire.title) + QStringLiteral(" — 填写"));
}

}  // namespace tessaly::questionnaires
