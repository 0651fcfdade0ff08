// Real mouse buttons on a section menu: only the left one chooses an item.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QTest>
#include <QTimer>

#include "app/frm_main.h"
#include "app/program.h"
#include "reader/frm_z.h"
#include "tests/support/find_control.h"
#include "tests/wm/x_tools.h"
#include "toolkit/forms.h"
#include "toolkit/label_button.h"

namespace tessaly::app {
namespace {

using testing::FindControl;

void Click(QWidget* widget) {
  QTest::mouseClick(widget, Qt::LeftButton, {}, widget->rect().center());
}

TEST(MenuButtonsTest, OnlyTheLeftButtonChoosesAnItem) {
  FrmMain* form = StartProgram();
  ASSERT_TRUE(testing::WaitUntilFramed(form));
  Click(FindControl<toolkit::LabelButton>(form, QStringLiteral("Lbl_03")));
  Click(FindControl<toolkit::LabelButton>(form, QStringLiteral("Lbl_CMD_GK")));

  // Runs inside the menu's own event loop once it is up.
  struct Seen {
    bool menu_up = false;
    bool open_after_middle = false;
    bool open_after_right = false;
    bool reader_after_other_buttons = true;
    bool reader_after_left = false;
  } seen;
  QTimer::singleShot(300, form, [&] {
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    if (menu == nullptr || menu->objectName() != QLatin1String("menuZY"))
      return;
    seen.menu_up = true;
    QAction* item = FindControl<QAction>(form, QStringLiteral("menuZY_MN"));
    const QPoint at = menu->mapToGlobal(menu->actionGeometry(item).center());
    testing::ClickOnScreen(at, 2);
    seen.open_after_middle = QApplication::activePopupWidget() == menu;
    testing::ClickOnScreen(at, 3);
    seen.open_after_right = QApplication::activePopupWidget() == menu;
    seen.reader_after_other_buttons =
        toolkit::Instance<reader::FrmZ>() != nullptr;
    // The left button on the same spot does choose it: the clicks above
    // reached the item.
    testing::ClickOnScreen(at, 1);
    seen.reader_after_left = toolkit::Instance<reader::FrmZ>() != nullptr;
    if (QApplication::activePopupWidget() != nullptr) {
      QApplication::activePopupWidget()->close();
    }
  });
  Click(FindControl<toolkit::LabelButton>(form, QStringLiteral("lblZY")));

  EXPECT_TRUE(seen.menu_up);
  EXPECT_TRUE(seen.open_after_middle);
  EXPECT_TRUE(seen.open_after_right);
  EXPECT_FALSE(seen.reader_after_other_buttons);
  EXPECT_TRUE(seen.reader_after_left);

  toolkit::Unload<reader::FrmZ>();
  toolkit::Unload<FrmMain>();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

}  // namespace
}  // namespace tessaly::app
