// The section menus: the tree, the pop-ups and the commands they run.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QScrollBar>
#include <QTest>
#include <QTimer>
#include <set>

#include "app/commands.h"
#include "app/frm_main.h"
#include "app/menu_tree.h"
#include "app/program.h"
#include "biorhythm/frm_cs1.h"
#include "biorhythm/frm_cs2.h"
#include "predictions/frm_yt.h"
#include "predictions/frm_yt1.h"
#include "reader/current_topic.h"
#include "reader/frm_z.h"
#include "tests/support/find_control.h"
#include "toolkit/forms.h"
#include "toolkit/label_button.h"

namespace tessaly::app {
namespace {

using testing::FindControl;

void Click(QWidget* widget) {
  QTest::mouseClick(widget, Qt::LeftButton, {}, widget->rect().center());
}

void FlushDeletes() {
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

class SectionMenusTest : public ::testing::Test {
 protected:
  void SetUp() override {
    form_ = StartProgram();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form_));
    Click(Label("Lbl_03"));
  }
  void TearDown() override {
    toolkit::Unload<reader::FrmZ>();
    toolkit::Unload<biorhythm::FrmCs1>();
    toolkit::Unload<biorhythm::FrmCs2>();
    toolkit::Unload<predictions::FrmYt>();
    toolkit::Unload<predictions::FrmYt1>();
    toolkit::Unload<FrmMain>();
    FlushDeletes();
  }

  toolkit::LabelButton* Label(const char* name) const {
    return FindControl<toolkit::LabelButton>(form_, QString::fromLatin1(name));
  }
  QAction* Action(const char* name) const {
    return FindControl<QAction>(form_, QString::fromLatin1(name));
  }

  // Clicks a section button and reports which menu popped up where (in the
  // window's pixels), closing it without a choice.
  struct Popup {
    QString menu;
    QPoint at;
  };
  std::optional<Popup> PopUp(const char* button) {
    std::optional<Popup> seen;
    QTimer::singleShot(50, form_, [&] {
      if (QWidget* popup = QApplication::activePopupWidget()) {
        seen = Popup{popup->objectName(), form_->mapFromGlobal(popup->pos())};
        popup->close();
      }
    });
    Click(Label(button));
    QTest::qWait(100);
    return seen;
  }

  FrmMain* form_ = nullptr;
};

TEST(MenuTreeTest, HasTheShapeOfTheSections) {
  int top_level = 0, submenus = 0, topics = 0, tools = 0, hidden = 0;
  std::set<std::u16string_view> captions;
  std::size_t longest = 0;
  for (const MenuItem& item : kMenuTree) {
    switch (item.command) {
      case MenuCommand::kPopup:
        ++top_level;
        break;
      case MenuCommand::kSubmenu:
        ++submenus;
        break;
      case MenuCommand::kTopic:
        if (item.hidden) {
          ++hidden;
        } else {
          ++topics;
          captions.insert(item.caption);
          longest = std::max(longest, item.caption.size());
        }
        break;
      case MenuCommand::kStateTest1:
      case MenuCommand::kStateTest2:
      case MenuCommand::kPredictionBoard:
        ++tools;
        break;
    }
  }
  EXPECT_EQ(top_level, 4);
  EXPECT_EQ(submenus, 14);
  EXPECT_EQ(topics + tools, 59);
  EXPECT_EQ(topics, 56);
  EXPECT_EQ(hidden, 1);
  EXPECT_EQ(captions.size(), 56u);
  EXPECT_EQ(longest,
            std::u16string_view(
                u"建档线、录取控制分数线、提档分数线和录取分数线有何区别")
                .size());
}

TEST_F(SectionMenusTest, MenusHoldTheItemsInTableOrder) {
  QMenu* zy = FindControl<QMenu>(form_, QStringLiteral("menuZY"));
  QStringList shown;
  for (QAction* action : zy->actions()) shown << action->text();
  EXPECT_EQ(shown,
            (QStringList{"填报知识", "填报技巧", "热门专业", "就业前景",
                         "分数预测", "职业倾向测评", "模拟志愿填报系统"}));
  QMenu* bd = FindControl<QMenu>(form_, QStringLiteral("menuJZ_BD"));
  EXPECT_EQ(bd->actions().size(), 6);
  EXPECT_EQ(bd->actions().last()->objectName(),
            QStringLiteral("menuJZ_BD_BKWQ"));
  EXPECT_FALSE(Action("menuJZ_BD_BKWQ")->isVisible());
  EXPECT_EQ(Action("menuJZ_YS_JDSP")->text(),
            QStringLiteral("最后30天考生经典食谱"));
  EXPECT_EQ(Action("menuYS_FB_YSZT_CS1")->text(), QStringLiteral("状态测试1"));
}

TEST_F(SectionMenusTest, DisabledSectionButtonsPopUpNothing) {
  EXPECT_EQ(PopUp("lblBK"), std::nullopt);
  Click(Label("Lbl_CMD_ZK"));
  EXPECT_EQ(PopUp("lblZY"), std::nullopt);
}

TEST_F(SectionMenusTest, SectionButtonsPopUpBesideThemselves) {
  Click(Label("Lbl_CMD_GK"));
  struct Case {
    const char* button;
    const char* menu;
    QPoint at;
  };
  const Case cases[] = {{"lblBK", "menuBK", {97, 88}},
                        {"lblYS", "menuYS", {97, 120}},
                        {"lblJZ", "menuJZ", {97, 152}},
                        {"lblZY", "menuZY", {97, 184}}};
  for (const Case& c : cases) {
    const auto popup = PopUp(c.button);
    ASSERT_TRUE(popup) << c.button;
    EXPECT_EQ(popup->menu, QString::fromLatin1(c.menu));
    EXPECT_EQ(popup->at, c.at) << c.button;
  }
  // Closed without a choice: no window opened.
  EXPECT_EQ(toolkit::Instance<reader::FrmZ>(), nullptr);
}

TEST_F(SectionMenusTest, OnlyTheLeftButtonChoosesAnItem) {
  Click(Label("Lbl_CMD_GK"));
  // In a top-level menu (a command) and in a submenu (a topic), the middle
  // and right buttons leave the item alone and the menu open; the left one
  // then chooses it.
  struct Case {
    const char* submenu;  // opened first, or nullptr
    const char* item;
  };
  const Case cases[] = {{nullptr, "menuZY_MN"}, {"menuZY_QX", "menuZY_QX_CP2"}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.item);
    struct {
      bool open_after_other_buttons = false;
      bool reader_after_other_buttons = true;
      bool reader_after_left = false;
    } seen;
    QTimer::singleShot(50, form_, [&] {
      auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
      if (menu == nullptr) return;
      if (c.submenu != nullptr) {
        menu->setActiveAction(Action(c.submenu));
        QTest::keyClick(menu, Qt::Key_Right);
        menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (menu == nullptr || menu->objectName() != c.submenu) return;
      }
      const QPoint at = menu->actionGeometry(Action(c.item)).center();
      QTest::mouseMove(menu, at);
      for (Qt::MouseButton button : {Qt::MiddleButton, Qt::RightButton}) {
        QTest::mouseClick(menu, button, {}, at);
        QTest::mouseDClick(menu, button, {}, at);
      }
      seen.open_after_other_buttons = QApplication::activePopupWidget() == menu;
      seen.reader_after_other_buttons =
          toolkit::Instance<reader::FrmZ>() != nullptr;
      QTest::mouseClick(menu, Qt::LeftButton, {}, at);
      seen.reader_after_left = toolkit::Instance<reader::FrmZ>() != nullptr;
      while (QWidget* popup = QApplication::activePopupWidget()) popup->close();
    });
    Click(Label("lblZY"));
    EXPECT_TRUE(seen.open_after_other_buttons);
    EXPECT_FALSE(seen.reader_after_other_buttons);
    EXPECT_TRUE(seen.reader_after_left);
    toolkit::Unload<reader::FrmZ>();
    FlushDeletes();
  }
}

TEST_F(SectionMenusTest, TopicCommandReplacesTheReaderAndCaptionsIt) {
  Click(Label("Lbl_CMD_GK"));
  Action("menuBK_JY_JLCP")->trigger();
  QPointer<reader::FrmZ> first = toolkit::Instance<reader::FrmZ>();
  ASSERT_NE(first, nullptr);
  EXPECT_EQ(first->windowTitle(), QStringLiteral("考生焦虑测评"));

  Action("menuZY_ZS_FSXQ")->trigger();
  FlushDeletes();
  EXPECT_TRUE(first.isNull());
  reader::FrmZ* second = toolkit::Instance<reader::FrmZ>();
  ASSERT_NE(second, nullptr);
  EXPECT_TRUE(second->isVisible());
  EXPECT_EQ(
      second->windowTitle(),
      QStringLiteral("建档线、录取控制分数线、提档分数线和录取分数线有何区别"));
  EXPECT_EQ(reader::CurrentTopic(), second->windowTitle());
}

TEST_F(SectionMenusTest, SameTopicAgainReopensFromItsStart) {
  Click(Label("Lbl_CMD_GK"));
  Action("menuBK_JY_JLCP")->trigger();
  auto* scroll = FindControl<QScrollBar>(toolkit::Instance<reader::FrmZ>(),
                                         QStringLiteral("Vsl_01"));
  scroll->setValue(1000);
  Action("menuBK_JY_JLCP")->trigger();
  scroll = FindControl<QScrollBar>(toolkit::Instance<reader::FrmZ>(),
                                   QStringLiteral("Vsl_01"));
  EXPECT_EQ(scroll->value(), 0);
}

TEST_F(SectionMenusTest, ToolCommandsOpenTheirWindowsSideBySide) {
  Click(Label("Lbl_CMD_GK"));
  Action("menuYS_FB_YSZT_CS1")->trigger();
  Action("menuYS_FB_YSZT_CS2")->trigger();
  Action("menuYS_FB_YTXX")->trigger();
  Action("menuBK_KS_ZD")->trigger();
  EXPECT_NE(toolkit::Instance<biorhythm::FrmCs1>(), nullptr);
  EXPECT_NE(toolkit::Instance<biorhythm::FrmCs2>(), nullptr);
  EXPECT_NE(toolkit::Instance<predictions::FrmYt>(), nullptr);
  EXPECT_EQ(toolkit::Instance<predictions::FrmYt1>(), nullptr);
  EXPECT_NE(toolkit::Instance<reader::FrmZ>(), nullptr);

  // After the switch the other board opens beside the first.
  Click(Label("Lbl_CMD_ZK"));
  Action("menuYS_FB_YTXX")->trigger();
  EXPECT_NE(toolkit::Instance<predictions::FrmYt>(), nullptr);
  EXPECT_NE(toolkit::Instance<predictions::FrmYt1>(), nullptr);
}

TEST_F(SectionMenusTest, ToolCommandReopensAFreshWindow) {
  Click(Label("Lbl_CMD_GK"));
  Action("menuYS_FB_YSZT_CS1")->trigger();
  QPointer<biorhythm::FrmCs1> first = toolkit::Instance<biorhythm::FrmCs1>();
  Action("menuYS_FB_YSZT_CS1")->trigger();
  FlushDeletes();
  EXPECT_TRUE(first.isNull());
  EXPECT_NE(toolkit::Instance<biorhythm::FrmCs1>(), nullptr);
}

TEST_F(SectionMenusTest, BoardCommandDoesNothingWithoutAnEdition) {
  RunPredictionBoardCommand(QStringLiteral("Tessaly"));
  EXPECT_EQ(toolkit::Instance<predictions::FrmYt>(), nullptr);
  EXPECT_EQ(toolkit::Instance<predictions::FrmYt1>(), nullptr);
}

}  // namespace
}  // namespace tessaly::app
