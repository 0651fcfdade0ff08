// System colours: the table, references, and controls that follow changes.
#include "toolkit/sys_colors.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QMenu>

#include "toolkit/label_button.h"
#include "toolkit/popup_menu.h"
#include "toolkit/shape_rect.h"

namespace tessaly::toolkit {
namespace {

class SysColorsTest : public ::testing::Test {
 protected:
  void SetUp() override { saved_ = GetSysColor(kColorMenu); }
  void TearDown() override { SetMenuColor(saved_); }
  static void SetMenuColor(ColorRef value) {
    const int index = kColorMenu;
    SetSysColors(1, &index, &value);
  }
  ColorRef saved_ = 0;
};

TEST_F(SysColorsTest, SetThenGetAndReferencesResolveToTheCurrentValue) {
  SetMenuColor(Rgb(246, 179, 87));
  EXPECT_EQ(GetSysColor(kColorMenu), 0x0057B3F6u);
  EXPECT_EQ(ResolveColor(SysColorRef(kColorMenu)), QColor(246, 179, 87));
  EXPECT_EQ(ResolveColor(0x000000FF), QColor(255, 0, 0));
  EXPECT_EQ(GetSysColor(-1), 0u);
  EXPECT_EQ(GetSysColor(kSysColorCount), 0u);
}

TEST_F(SysColorsTest, ControlsInTheMenuColourRepaintWhenItChanges) {
  SetMenuColor(Rgb(10, 20, 30));
  QWidget window;
  window.resize(100, 100);
  LabelButton label(QStringLiteral("Lbl"), QString(), &window);
  label.SetBackColor(SysColorRef(kColorMenu));
  label.setGeometry(0, 0, 40, 20);
  ShapeRect shape(QStringLiteral("Shp"), SysColorRef(kColorMenu), &window);
  shape.setGeometry(50, 50, 30, 30);

  SetMenuColor(Rgb(246, 179, 87));
  const QImage image = window.grab().toImage();
  EXPECT_EQ(QColor(image.pixel(20, 10)), QColor(246, 179, 87));
  EXPECT_EQ(QColor(image.pixel(50, 60)), QColor(246, 179, 87));
}

TEST_F(SysColorsTest, PopupMenusFollowTheMenuColour) {
  QMenu menu;
  menu.addAction(QStringLiteral("一项"));
  FollowMenuColor(&menu);
  SetMenuColor(Rgb(246, 179, 87));
  EXPECT_TRUE(menu.styleSheet().contains(QStringLiteral("#f6b357")));
}

}  // namespace
}  // namespace tessaly::toolkit
