// Qt's own texts read in Chinese, whatever language the environment asks for.
#include "toolkit/chinese_interface.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QCalendarWidget>
#include <QLineEdit>
#include <QMenu>
#include <QToolButton>
#include <memory>

#include "tests/support/message_box_catcher.h"
#include "toolkit/date_picker.h"
#include "toolkit/message_box.h"

namespace tessaly::toolkit {
namespace {

using namespace std::chrono_literals;

class ChineseInterfaceTest : public ::testing::Test {
 protected:
  void SetUp() override {
    // As a desktop with LANG=en_US.UTF-8 would have it.
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    UseChineseInterface();
  }
};

TEST_F(ChineseInterfaceTest, TheMessageBoxButtonReadsQueding) {
  EXPECT_EQ(QLocale().name(), QStringLiteral("zh_CN"));
  testing::MessageBoxCatcher catcher;
  ShowInformation(nullptr, QStringLiteral("请输入正确的出生日期"));
  ASSERT_EQ(catcher.Messages().size(), 1u);
  EXPECT_EQ(catcher.Messages()[0].ok_text, QStringLiteral("确定"));
}

TEST_F(ChineseInterfaceTest, CalendarsAndTextBoxMenusAreChinese) {
  DatePicker picker(QStringLiteral("DTPicker1"), 2005y / 11 / 7d, nullptr);
  auto* month = picker.calendarWidget()->findChild<QToolButton*>(
      QStringLiteral("qt_calendar_monthbutton"));
  ASSERT_NE(month, nullptr);
  EXPECT_EQ(month->text(), QStringLiteral("十一月"));
  EXPECT_EQ(picker.calendarWidget()->locale().dayName(1, QLocale::ShortFormat),
            QStringLiteral("周一"));

  QLineEdit edit;
  const std::unique_ptr<QMenu> menu(edit.createStandardContextMenu());
  QStringList texts;
  for (const QAction* action : menu->actions()) {
    if (!action->isSeparator()) texts << action->text().section(u'\t', 0, 0);
  }
  EXPECT_EQ(texts,
            (QStringList{QStringLiteral("撤消(&U)"), QStringLiteral("重做(&R)"),
                         QStringLiteral("剪切(&T)"), QStringLiteral("复制(&C)"),
                         QStringLiteral("粘贴(&P)"), QStringLiteral("删除"),
                         QStringLiteral("全选")}))
      << texts.join(u'|').toStdString();
}

}  // namespace
}  // namespace tessaly::toolkit
