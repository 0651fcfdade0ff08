// The main window: title screen, entering the main screen, the edition
// switch, and leaving through the close box or the exit button.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QIcon>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include "app/commands.h"
#include "app/frm_main.h"
#include "app/program.h"
#include "biorhythm/frm_cs1.h"
#include "biorhythm/frm_cs2.h"
#include "predictions/frm_yt.h"
#include "reader/frm_z.h"
#include "tests/support/find_control.h"
#include "toolkit/forms.h"
#include "toolkit/image_control.h"
#include "toolkit/label_button.h"
#include "toolkit/line_control.h"
#include "toolkit/shape_rect.h"
#include "toolkit/sys_colors.h"

namespace tessaly::app {
namespace {

using testing::FindControl;
using toolkit::ColorRef;
using toolkit::LabelButton;

constexpr ColorRef kDesktopMenuColor = toolkit::Rgb(212, 208, 200);
constexpr ColorRef kOrange = 0x0057B3F6;

void SetMenuColor(ColorRef value) {
  const int index = toolkit::kColorMenu;
  toolkit::SetSysColors(1, &index, &value);
}

void Click(QWidget* widget) {
  QTest::mouseClick(widget, Qt::LeftButton, {}, widget->rect().center());
}

class MainWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    SetMenuColor(kDesktopMenuColor);
    form_ = StartProgram();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form_));
  }
  void TearDown() override {
    toolkit::Unload<FrmMain>();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }

  LabelButton* Label(const char* name) const {
    return FindControl<LabelButton>(form_, QString::fromLatin1(name));
  }
  toolkit::ImageControl* Background() const {
    return FindControl<toolkit::ImageControl>(form_, QStringLiteral("IMG_BG"));
  }
  void EnterMainScreen() { Click(Label("Lbl_03")); }
  void ExpectMainScreen() const {
    EXPECT_FALSE(Label("Lbl_03")->isVisible());
    EXPECT_EQ(form_->SavedMenuColor(), kDesktopMenuColor);
    EXPECT_EQ(toolkit::GetSysColor(toolkit::kColorMenu), kOrange);
    EXPECT_EQ(Background()->geometry(), QRect(120, 48, 369, 233));
    EXPECT_FALSE(Background()->isEnabled());
    EXPECT_TRUE(Label("Lbl_01")->isVisible());
  }

  FrmMain* form_ = nullptr;
};

TEST_F(MainWindowTest, OpensOnTheTitleScreen) {
  EXPECT_EQ(form_->objectName(), QStringLiteral("FRM_main"));
  EXPECT_EQ(form_->windowTitle(), QStringLiteral("2005中高考Tessaly"));
  EXPECT_EQ(form_->size(), QSize(612, 326));
  EXPECT_EQ(Background()->geometry(), QRect(0, 0, 612, 326));
  EXPECT_TRUE(Label("Lbl_03")->isVisible());
  EXPECT_EQ(Label("Lbl_03")->text(), QStringLiteral("单击本画面进入"));
  EXPECT_EQ(Label("Lbl_01")->text(), QStringLiteral("欢迎使用Tessaly"));
  EXPECT_EQ(form_->EditionKey(), QStringLiteral("Tessaly"));
  // Only the welcome and click lines lie over the picture.
  const QPoint edition_button = Label("Lbl_CMD_GK")->geometry().center();
  EXPECT_EQ(form_->childAt(edition_button), Background());
}

TEST_F(MainWindowTest, TheWelcomeLineDoesNotLeaveTheTitleScreen) {
  QSignalSpy colour_writes(&toolkit::SysColors::Instance(),
                           &toolkit::SysColors::Changed);
  Click(Label("Lbl_01"));
  EXPECT_TRUE(Label("Lbl_03")->isVisible());
  EXPECT_EQ(Background()->geometry(), QRect(0, 0, 612, 326));
  EXPECT_EQ(colour_writes.count(), 0);
}

TEST_F(MainWindowTest, ThePictureEntersTheMainScreen) {
  QTest::mouseClick(Background(), Qt::LeftButton, {}, QPoint(20, 300));
  ExpectMainScreen();
}

TEST_F(MainWindowTest, TheClickLineEntersTheMainScreen) {
  EnterMainScreen();
  ExpectMainScreen();
  // The picture, now disabled, and the hidden click line lead nowhere again.
  QSignalSpy colour_writes(&toolkit::SysColors::Instance(),
                           &toolkit::SysColors::Changed);
  Click(Background());
  EXPECT_EQ(colour_writes.count(), 0);
}

TEST_F(MainWindowTest, TheMainScreenIsDrawnInTheMenuColour) {
  EnterMainScreen();
  const QImage shot = form_->grab().toImage();
  const QColor orange(246, 179, 87);
  // Lbl_CAP's background, the top of Shape3 and the frame's left line.
  EXPECT_EQ(
      QColor(shot.pixel(Label("Lbl_CAP")->geometry().topLeft() + QPoint(1, 1))),
      orange);
  EXPECT_EQ(QColor(shot.pixel(30, 8)), orange);
  EXPECT_EQ(QColor(shot.pixel(112, 150)), orange);
  EXPECT_EQ(
      FindControl<toolkit::LineControl>(form_, QStringLiteral("Line8"))->From(),
      QPoint(496, 24));
}

TEST_F(MainWindowTest, SectionButtonsWaitForAnEdition) {
  EnterMainScreen();
  for (const char* name : {"lblBK", "lblYS", "lblJZ", "lblZY"}) {
    EXPECT_FALSE(Label(name)->isEnabled()) << name;
  }
  EXPECT_EQ(form_->windowTitle(), QStringLiteral("2005中高考Tessaly"));
}

TEST_F(MainWindowTest, EditionButtonsSwitchTheEdition) {
  struct Step {
    const char* button;
    bool zy_enabled;
    const char16_t* key;
    const char16_t* caption;
  };
  const Step steps[] = {
      {"Lbl_CMD_ZK", false, u"中考Tessaly", u"2005中考Tessaly"},
      {"Lbl_CMD_GK", true, u"高考Tessaly", u"2005高考Tessaly"},
      {"Lbl_CMD_GK", true, u"高考Tessaly", u"2005高考Tessaly"},
      {"Lbl_CMD_ZK", false, u"中考Tessaly", u"2005中考Tessaly"},
  };
  EnterMainScreen();
  for (const Step& step : steps) {
    Click(Label(step.button));
    EXPECT_TRUE(Label("lblBK")->isEnabled());
    EXPECT_TRUE(Label("lblYS")->isEnabled());
    EXPECT_TRUE(Label("lblJZ")->isEnabled());
    EXPECT_EQ(Label("lblZY")->isEnabled(), step.zy_enabled) << step.button;
    EXPECT_EQ(Label("Lbl_CAP")->text(), QString::fromUtf16(step.key));
    EXPECT_EQ(form_->windowTitle(), QString::fromUtf16(step.caption));
    EXPECT_EQ(toolkit::GetSysColor(toolkit::kColorMenu), kOrange);
  }
}

TEST_F(MainWindowTest, CloseBoxOnTheTitleScreenWritesNoColour) {
  QSignalSpy colour_writes(&toolkit::SysColors::Instance(),
                           &toolkit::SysColors::Changed);
  form_->close();
  EXPECT_EQ(colour_writes.count(), 0);
  EXPECT_EQ(toolkit::Instance<FrmMain>(), nullptr);
}

TEST_F(MainWindowTest, CloseBoxRestoresTwiceAndLeavesOtherWindowsOpen) {
  EnterMainScreen();
  QWidget other;
  other.show();
  QSignalSpy colour_writes(&toolkit::SysColors::Instance(),
                           &toolkit::SysColors::Changed);
  form_->close();
  EXPECT_EQ(colour_writes.count(), 2);
  EXPECT_EQ(toolkit::GetSysColor(toolkit::kColorMenu), kDesktopMenuColor);
  EXPECT_TRUE(other.isVisible());
}

TEST_F(MainWindowTest, ExitButtonRestoresOnceAndEndsTheProgram) {
  EnterMainScreen();
  QSignalSpy colour_writes(&toolkit::SysColors::Instance(),
                           &toolkit::SysColors::Changed);
  QPointer<FrmMain> form = form_;
  QTimer::singleShot(0, form_, [this] { Click(Label("Lbl_end")); });
  EXPECT_EQ(QApplication::exec(), 0);
  EXPECT_EQ(colour_writes.count(), 1);
  EXPECT_EQ(toolkit::GetSysColor(toolkit::kColorMenu), kDesktopMenuColor);
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_TRUE(form.isNull());
}

TEST_F(MainWindowTest, KeyboardEntersAndWalksTheButtonsInVisualOrder) {
  form_->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(form_));
  QTest::qWait(20);
  auto focused = [] {
    QWidget* widget = QApplication::focusWidget();
    return widget != nullptr ? widget->objectName() : QString();
  };
  // The title screen: the picture covers every button but the click line,
  // and Enter anywhere enters.
  QTest::keyClick(form_, Qt::Key_Tab);
  EXPECT_EQ(focused(), QStringLiteral("Lbl_03"));
  QTest::keyClick(form_, Qt::Key_Tab);
  EXPECT_EQ(focused(), QStringLiteral("Lbl_03"));
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
  ExpectMainScreen();
  EXPECT_EQ(focused(), QStringLiteral("Lbl_CMD_GK"));

  // The disabled section buttons are skipped.
  QStringList visited;
  for (int i = 0; i < 3; ++i) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    visited << focused();
  }
  EXPECT_EQ(visited, (QStringList{"Lbl_CMD_ZK", "Lbl_end", "Lbl_CMD_GK"}));

  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
  EXPECT_EQ(form_->EditionKey(), QStringLiteral("高考Tessaly"));
  visited.clear();
  for (int i = 0; i < 7; ++i) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    visited << focused();
  }
  EXPECT_EQ(visited, (QStringList{"Lbl_CMD_ZK", "lblBK", "lblYS", "lblJZ",
                                  "lblZY", "Lbl_end", "Lbl_CMD_GK"}));
}

TEST_F(MainWindowTest, SpaceOnTheTitleScreenEntersAtTheFirstEditionButton) {
  form_->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(form_));
  QTest::qWait(20);
  QTest::keyClick(form_, Qt::Key_Space);
  ExpectMainScreen();
  EXPECT_EQ(QApplication::focusWidget(), Label("Lbl_CMD_GK"));
}

TEST_F(MainWindowTest, EnterOnASectionButtonPopsItsMenuBesideIt) {
  EnterMainScreen();
  Click(Label("Lbl_CMD_GK"));
  Label("lblYS")->setFocus(Qt::TabFocusReason);
  QString menu;
  QPoint at;
  QTimer::singleShot(50, form_, [&] {
    if (QWidget* popup = QApplication::activePopupWidget()) {
      menu = popup->objectName();
      at = form_->mapFromGlobal(popup->pos());
      // The arrow keys work in it.
      QTest::keyClick(popup, Qt::Key_Down);
      popup->close();
    }
  });
  QTest::keyClick(Label("lblYS"), Qt::Key_Return);
  EXPECT_EQ(menu, QStringLiteral("menuYS"));
  EXPECT_EQ(at, QPoint(97, 120));
}

TEST_F(MainWindowTest, ScreenReadersSeeButtonsNamedWithoutPadding) {
  struct Case {
    const char* control;
    QAccessible::Role role;
    QString name;
  };
  const Case cases[] = {
      {"Lbl_CMD_GK", QAccessible::Button, "高考版"},
      {"Lbl_CMD_ZK", QAccessible::Button, "中考版"},
      {"lblBK", QAccessible::Button, "备考篇"},
      {"lblZY", QAccessible::Button, "志愿填报篇"},
      {"Lbl_end", QAccessible::Button, "退出"},
      {"Lbl_03", QAccessible::Button, "单击本画面进入"},
      {"Lbl_CAP", QAccessible::StaticText, "Tessaly"},
  };
  for (const Case& c : cases) {
    QAccessibleInterface* control =
        QAccessible::queryAccessibleInterface(Label(c.control));
    ASSERT_NE(control, nullptr) << c.control;
    EXPECT_EQ(control->role(), c.role) << c.control;
    EXPECT_EQ(control->text(QAccessible::Name), c.name) << c.control;
  }
  EXPECT_TRUE(
      QAccessible::queryAccessibleInterface(Label("lblBK"))->state().disabled);
}

TEST_F(MainWindowTest, EveryWindowCarriesTheProgramIcon) {
  EnterMainScreen();
  Click(Label("Lbl_CMD_GK"));
  RunStateTest1Command();
  RunStateTest2Command();
  RunPredictionBoardCommand(form_->EditionKey());
  RunTopicCommand(QStringLiteral("考生焦虑测评"));
  const QImage program_icon =
      QIcon(QStringLiteral(":/icons/tessaly-32.png")).pixmap(32).toImage();
  ASSERT_FALSE(program_icon.isNull());
  const QStringList windows = {"FRM_main", "FRM_CS1", "FRM_CS2", "FRM_YT",
                               "FRM_Z"};
  QStringList seen;
  for (QWidget* window : QApplication::topLevelWidgets()) {
    if (!windows.contains(window->objectName()) || !window->isVisible()) {
      continue;
    }
    seen << window->objectName();
    EXPECT_EQ(window->windowIcon().pixmap(32).toImage(), program_icon)
        << window->objectName().toStdString();
  }
  seen.sort();
  QStringList all = windows;
  all.sort();
  EXPECT_EQ(seen, all);
  toolkit::Unload<biorhythm::FrmCs1>();
  toolkit::Unload<biorhythm::FrmCs2>();
  toolkit::Unload<predictions::FrmYt>();
  toolkit::Unload<reader::FrmZ>();
}

}  // namespace
}  // namespace tessaly::app
