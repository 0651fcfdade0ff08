// The questionnaire bar in the reader and the FRM_TEST form: opening, keyboard
// answering, progress, the result that follows every change, and the sheet.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QPdfWriter>
#include <QRadioButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>

#include "questionnaires/frm_test.h"
#include "questionnaires/item_widget.h"
#include "questionnaires/questionnaire_catalogue.h"
#include "questionnaires/result_sheet.h"
#include "questionnaires/sub_score_chart.h"
#include "reader/current_topic.h"
#include "reader/frm_z.h"
#include "tests/support/find_control.h"
#include "toolkit/forms.h"

namespace tessaly::questionnaires {
namespace {

using testing::FindControl;

class QuestionnaireWindowTest : public ::testing::Test {
 protected:
  void TearDown() override {
    toolkit::Unload<FrmTest>();
    toolkit::Unload<reader::FrmZ>();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }

  static reader::FrmZ* OpenReader(const char* title) {
    toolkit::Unload<reader::FrmZ>();
    reader::SetCurrentTopic(QString::fromUtf8(title));
    reader::FrmZ* form = toolkit::Load<reader::FrmZ>();
    toolkit::Show(form);
    form->SetCaption(reader::CurrentTopic());
    EXPECT_TRUE(QTest::qWaitForWindowExposed(form));
    return form;
  }

  static FrmTest* OpenForm(const char* title) {
    const Questionnaire* questionnaire = FindQuestionnaire(title);
    EXPECT_NE(questionnaire, nullptr) << title;
    OpenQuestionnaire(*questionnaire);
    FrmTest* form = toolkit::Instance<FrmTest>();
    form->activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(form));
    return form;
  }

  static ItemWidget* Item(const FrmTest* form, int i) {
    return FindControl<ItemWidget>(form, QStringLiteral("Item(%1)").arg(i));
  }
  static QString Text(const FrmTest* form, const char* name) {
    return FindControl<QLabel>(form, QString::fromLatin1(name))->text();
  }
  static bool ResultShown(const FrmTest* form) {
    return FindControl<QWidget>(form, QStringLiteral("QuestionnaireResult"))
        ->isVisibleTo(form);
  }
  // Answers every item from the keyboard: the digit moves on by itself.
  static void AnswerAllWithDigit(FrmTest* form, int count, char digit) {
    Item(form, 1)->setFocus();
    for (int i = 0; i < count; ++i) {
      QTest::keyClick(QApplication::focusWidget(), digit);
    }
  }
};

TEST_F(QuestionnaireWindowTest, ReaderBarOpensTheFormOverAnUnchangedLayout) {
  reader::FrmZ* reader = OpenReader("考生焦虑测评");
  auto* bar = FindControl<QWidget>(reader, QStringLiteral("QuestionnaireBar"));
  const QWidget* viewport =
      FindControl<QWidget>(reader, QStringLiteral("Pic_03"));
  EXPECT_EQ(viewport->geometry(), QRect(8, 8, 569, 441));
  EXPECT_EQ(
      FindControl<QScrollBar>(reader, QStringLiteral("Vsl_01"))->geometry(),
      QRect(584, 8, 17, 441));
  EXPECT_TRUE(bar->isVisible());
  EXPECT_EQ(bar->geometry().top(), 9);
  EXPECT_TRUE(
      viewport->geometry().adjusted(1, 1, -1, -1).contains(bar->geometry()));
  EXPECT_LT(bar->height(), 40);
  EXPECT_EQ(QApplication::focusWidget()->objectName(),
            QStringLiteral("Vsl_01"));

  QTest::mouseClick(
      FindControl<QAbstractButton>(bar, QStringLiteral("StartQuestionnaire")),
      Qt::LeftButton);
  FrmTest* form = toolkit::Instance<FrmTest>();
  ASSERT_NE(form, nullptr);
  EXPECT_EQ(form->objectName(), QStringLiteral("FRM_TEST"));
  EXPECT_EQ(form->Caption(), QStringLiteral("考生焦虑测评 — 填写"));
  EXPECT_EQ(form->findChildren<ItemWidget*>().size(), 60);
  const auto options = Item(form, 60)->findChildren<QRadioButton*>();
  ASSERT_EQ(options.size(), 4);
  QStringList texts;
  for (const QRadioButton* option : options) texts.append(option->text());
  EXPECT_EQ(texts,
            (QStringList{QStringLiteral("从不"), QStringLiteral("有时"),
                         QStringLiteral("经常"), QStringLiteral("总是")}));
  EXPECT_EQ(Text(form, "Progress"), QStringLiteral("已答 0 / 60"));
  EXPECT_FALSE(ResultShown(form));

  QTest::mouseClick(FindControl<QAbstractButton>(
                        bar, QStringLiteral("CloseQuestionnaireBar")),
                    Qt::LeftButton);
  EXPECT_FALSE(bar->isVisible());
}

TEST_F(QuestionnaireWindowTest, OnlyQuestionnaireTopicsGetTheBar) {
  for (const char* title : {"如何科学的安排考生饮食", "考生能力自我诊断系统"}) {
    reader::FrmZ* reader = OpenReader(title);
    EXPECT_EQ(reader->findChild<QWidget*>(QStringLiteral("QuestionnaireBar")),
              nullptr)
        << title;
  }
  for (const Questionnaire& questionnaire : CompiledQuestionnaires()) {
    reader::FrmZ* reader = OpenReader(questionnaire.title.c_str());
    EXPECT_NE(reader->findChild<QWidget*>(QStringLiteral("QuestionnaireBar")),
              nullptr)
        << questionnaire.title;
  }
}

TEST_F(QuestionnaireWindowTest, KeyboardAnswersAndMovesOn) {
  FrmTest* form = OpenForm("考生焦虑测评");
  Item(form, 1)->setFocus();
  QTest::keyClick(Item(form, 1), '3');
  EXPECT_EQ(Item(form, 1)->Answer(), 2);
  EXPECT_EQ(QApplication::focusWidget(), Item(form, 2));
  QTest::keyClick(Item(form, 2), Qt::Key_Right);  // nothing chosen: the first
  QTest::keyClick(Item(form, 2), Qt::Key_Right);
  EXPECT_EQ(Item(form, 2)->Answer(), 1);
  QTest::keyClick(Item(form, 2), Qt::Key_Left);
  QTest::keyClick(Item(form, 2), Qt::Key_Left);  // stays on the first
  EXPECT_EQ(Item(form, 2)->Answer(), 0);
  EXPECT_EQ(QApplication::focusWidget(), Item(form, 2));
  QTest::keyClick(Item(form, 2), Qt::Key_Tab);
  EXPECT_EQ(QApplication::focusWidget(), Item(form, 3));
  QTest::keyClick(Item(form, 3), '5');  // no fifth option
  EXPECT_EQ(Item(form, 3)->Answer(), kNoAnswer);
  EXPECT_EQ(Text(form, "Progress"), QStringLiteral("已答 2 / 60"));
  EXPECT_EQ(form->CurrentAnswers()[0], 2);
}

TEST_F(QuestionnaireWindowTest, ResultOnlyWhenCompleteAndFollowsEveryChange) {
  FrmTest* form = OpenForm("考生焦虑测评");
  Item(form, 1)->setFocus();
  for (int i = 0; i < 59; ++i) {
    QTest::keyClick(QApplication::focusWidget(), '4');
  }
  EXPECT_EQ(Text(form, "Progress"), QStringLiteral("已答 59 / 60"));
  EXPECT_FALSE(ResultShown(form));
  EXPECT_FALSE(
      FindControl<QWidget>(form, QStringLiteral("PrintResult"))->isEnabled());

  QTest::keyClick(QApplication::focusWidget(), '4');
  EXPECT_TRUE(ResultShown(form));
  EXPECT_EQ(Text(form, "ResultTotal"), QStringLiteral("总分 240（60～240分）"));
  EXPECT_EQ(Text(form, "ResultBand"), QStringLiteral("焦虑程度严重"));
  const auto* chart =
      FindControl<SubScoreChart>(form, QStringLiteral("SubScoreChart"));
  ASSERT_EQ(chart->Rows().size(), 6u);
  EXPECT_EQ(chart->Rows()[0].name, QStringLiteral("平时复习时"));
  EXPECT_EQ(chart->Rows()[0].score, 40);

  // Each change shows at once, across a band boundary too.
  QTest::mouseClick(Item(form, 1)->findChildren<QRadioButton*>()[0],
                    Qt::LeftButton);
  EXPECT_EQ(Text(form, "ResultTotal"), QStringLiteral("总分 237（60～240分）"));
  EXPECT_EQ(chart->Rows()[0].score, 37);
  for (int i = 2; i <= 19; ++i) Item(form, i)->SetAnswer(0);
  QTest::keyClick(Item(form, 20), '1');  // 237 - 19 × 3 = 180
  EXPECT_EQ(Text(form, "ResultTotal"), QStringLiteral("总分 180（60～240分）"));
  EXPECT_EQ(Text(form, "ResultBand"), QStringLiteral("焦虑程度较重"));
  EXPECT_TRUE(
      Text(form, "ResultText").startsWith(QStringLiteral("焦虑已经明显干扰")));

  QTest::mouseClick(
      FindControl<QAbstractButton>(form, QStringLiteral("Restart")),
      Qt::LeftButton);
  EXPECT_EQ(Text(form, "Progress"), QStringLiteral("已答 0 / 60"));
  EXPECT_FALSE(ResultShown(form));
  EXPECT_EQ(Item(form, 20)->Answer(), kNoAnswer);
  EXPECT_TRUE(Text(form, "SelfCheckNote").contains(QStringLiteral("不是诊断")));
}

TEST_F(QuestionnaireWindowTest, CareerTestRanksTheTypes) {
  FrmTest* form = OpenForm("职业倾向测评1");
  AnswerAllWithDigit(form, 24, '2');  // 否 everywhere
  for (const int item : {2, 8, 14, 20}) Item(form, item)->SetAnswer(0);
  QTest::keyClick(Item(form, 1), '1');  // 是: 实际型 1
  EXPECT_EQ(Text(form, "ResultTotal"),
            QStringLiteral("得分最高：研究型（4分）"));
  EXPECT_EQ(Text(form, "ResultText"),
            QStringLiteral("兴趣明显，可优先考虑相近的专业。"));
  const auto* chart =
      FindControl<SubScoreChart>(form, QStringLiteral("SubScoreChart"));
  ASSERT_EQ(chart->Rows().size(), 6u);
  EXPECT_EQ(chart->Rows()[0].name, QStringLiteral("研究型"));
  EXPECT_EQ(chart->Rows()[1].name, QStringLiteral("实际型"));
  EXPECT_EQ(chart->Rows()[1].score, 1);
}

TEST(ResultSheet, AnswersAndResultOnOneSheet) {
  const Questionnaire* questionnaire = FindQuestionnaire("考生焦虑测评");
  ASSERT_NE(questionnaire, nullptr);
  Answers answers(60, 3);
  answers[59] = 1;
  const QString html = ResultSheetHtml(*questionnaire, answers);
  EXPECT_TRUE(html.contains(QStringLiteral("总分 238（60～240分）")));
  EXPECT_TRUE(html.contains(QStringLiteral("60. 有时")));
  EXPECT_TRUE(html.contains(QStringLiteral("1. 总是")));

  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("sheet.pdf"));
  {
    QPdfWriter pdf(path);
    EXPECT_TRUE(PrintResultSheet(*questionnaire, answers, pdf));
  }
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  const QByteArray bytes = file.readAll();
  EXPECT_EQ(bytes.count("/Type /Page\n") + bytes.count("/Type /Page "), 1);

  answers[0] = kNoAnswer;
  QPdfWriter incomplete(dir.filePath(QStringLiteral("none.pdf")));
  EXPECT_FALSE(PrintResultSheet(*questionnaire, answers, incomplete));
}

}  // namespace
}  // namespace tessaly::questionnaires
