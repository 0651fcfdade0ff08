// The main window: title screen, entering the main screen, the edition
// switch, and leaving through the close box or the exit button.
#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include "app/frm_main.h"
#include "app/program.h"
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

}  // namespace
}  // namespace tessaly::app
