// A label that acts as a button, for the keyboard, the pointer and screen
// readers; a plain label stays out of their way.
#include "toolkit/label_button.h"

#include <gtest/gtest.h>

#include <QAccessible>
#include <QSignalSpy>
#include <QTest>

#include "toolkit/accessibility.h"

namespace tessaly::toolkit {
namespace {

class LabelButtonTest : public ::testing::Test {
 protected:
  void SetUp() override {
    window_.resize(200, 100);
    button_ = new LabelButton(QStringLiteral("Lbl_end"),
                              QStringLiteral("退　出"), &window_);
    button_->setGeometry(10, 10, 81, 17);
    button_->SetBackColor(Rgb(246, 179, 87));
    button_->SetClickable();
    plain_ = new LabelButton(QStringLiteral("Label4"),
                             QStringLiteral("体   力"), &window_);
    plain_->setGeometry(10, 50, 49, 17);
    window_.show();
    window_.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window_));
    // The window hands the button the focus when it comes up, and the
    // button gives it back until the keyboard is used.
    QTest::qWait(20);
    ASSERT_FALSE(button_->hasFocus());
  }

  QWidget window_;
  LabelButton* button_ = nullptr;
  LabelButton* plain_ = nullptr;
};

TEST_F(LabelButtonTest, TabReachesItAndSpaceOrEnterClickIt) {
  QSignalSpy clicks(button_, &LabelButton::Click);
  QTest::keyClick(&window_, Qt::Key_Tab);
  ASSERT_TRUE(button_->hasFocus());
  for (Qt::Key key : {Qt::Key_Space, Qt::Key_Return, Qt::Key_Enter}) {
    QTest::keyClick(button_, key);
  }
  EXPECT_EQ(clicks.count(), 3);
  // Other keys do nothing.
  QTest::keyClick(button_, Qt::Key_A);
  EXPECT_EQ(clicks.count(), 3);

  // A plain label is no Tab stop.
  QTest::keyClick(button_, Qt::Key_Tab);
  EXPECT_FALSE(plain_->hasFocus());
  EXPECT_EQ(plain_->focusPolicy(), Qt::NoFocus);

  button_->setEnabled(false);
  EXPECT_FALSE(button_->hasFocus());
  QTest::keyClick(button_, Qt::Key_Space);
  EXPECT_EQ(clicks.count(), 3);
}

TEST_F(LabelButtonTest, MouseClickLeavesNoFocusRectangle) {
  const QImage at_rest = button_->grab().toImage();
  QSignalSpy clicks(button_, &LabelButton::Click);
  QTest::mouseClick(button_, Qt::LeftButton, {}, QPoint(40, 8));
  EXPECT_EQ(clicks.count(), 1);
  EXPECT_FALSE(button_->hasFocus());
  EXPECT_EQ(button_->grab().toImage(), at_rest);

  button_->setFocus(Qt::TabFocusReason);
  EXPECT_NE(button_->grab().toImage(), at_rest) << "no focus rectangle";
}

TEST_F(LabelButtonTest, LooksPressedOnlyWhileTheButtonIsDownOverIt) {
  const QImage at_rest = button_->grab().toImage();
  QTest::mousePress(button_, Qt::LeftButton, {}, QPoint(40, 8));
  EXPECT_NE(button_->grab().toImage(), at_rest);
  // Dragged off it springs back; back over it, it is pressed again.
  QTest::mouseMove(button_, QPoint(150, 60));
  EXPECT_EQ(button_->grab().toImage(), at_rest);
  QTest::mouseMove(button_, QPoint(40, 8));
  EXPECT_NE(button_->grab().toImage(), at_rest);
  QTest::mouseRelease(button_, Qt::LeftButton, {}, QPoint(40, 8));
  EXPECT_EQ(button_->grab().toImage(), at_rest);

  // A plain label never looks pressed.
  const QImage plain_at_rest = plain_->grab().toImage();
  QTest::mousePress(plain_, Qt::LeftButton, {}, QPoint(20, 8));
  EXPECT_EQ(plain_->grab().toImage(), plain_at_rest);
  QTest::mouseRelease(plain_, Qt::LeftButton, {}, QPoint(20, 8));
}

TEST_F(LabelButtonTest, PointingHandOnlyOverAnEnabledClickableLabel) {
  EXPECT_EQ(button_->cursor().shape(), Qt::PointingHandCursor);
  EXPECT_EQ(plain_->cursor().shape(), Qt::ArrowCursor);
  button_->setEnabled(false);
  EXPECT_EQ(button_->cursor().shape(), Qt::ArrowCursor);
  button_->setEnabled(true);
  EXPECT_EQ(button_->cursor().shape(), Qt::PointingHandCursor);
}

TEST_F(LabelButtonTest, ScreenReadersSeeAButtonNamedByItsCaption) {
  QAccessibleInterface* button = QAccessible::queryAccessibleInterface(button_);
  ASSERT_NE(button, nullptr);
  EXPECT_EQ(button->role(), QAccessible::Button);
  EXPECT_EQ(button->text(QAccessible::Name), QStringLiteral("退出"));
  EXPECT_TRUE(button->state().focusable);

  QSignalSpy clicks(button_, &LabelButton::Click);
  ASSERT_NE(button->actionInterface(), nullptr);
  button->actionInterface()->doAction(
      QAccessibleActionInterface::pressAction());
  QTest::qWait(0);
  EXPECT_EQ(clicks.count(), 1);

  button_->SetCaption(QStringLiteral("返　回"));
  EXPECT_EQ(button->text(QAccessible::Name), QStringLiteral("返回"));
  button_->setEnabled(false);
  EXPECT_TRUE(button->state().disabled);

  QAccessibleInterface* plain = QAccessible::queryAccessibleInterface(plain_);
  ASSERT_NE(plain, nullptr);
  EXPECT_EQ(plain->role(), QAccessible::StaticText);
}

TEST(AccessibleCaptionTest, DropsThePaddingSpaces) {
  EXPECT_EQ(AccessibleCaption(QStringLiteral("高　考　版")),
            QStringLiteral("高考版"));
  EXPECT_EQ(AccessibleCaption(QStringLiteral("体   力")),
            QStringLiteral("体力"));
  EXPECT_EQ(AccessibleCaption(QStringLiteral("北京考区")),
            QStringLiteral("北京考区"));
}

}  // namespace
}  // namespace tessaly::toolkit
