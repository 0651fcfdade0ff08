#include "toolkit/popup_menu.h"

#include <QMenu>
#include <QMouseEvent>
#include <QWidget>

#include "toolkit/sys_colors.h"

namespace tessaly::toolkit {
namespace {

// Qt chooses a menu item on the release of any mouse button outside Windows.
// An open submenu hands the events over its parent menus on to them, so a
// filter on each menu sees every event over that menu.
class LeftButtonOnlyFilter : public QObject {
 public:
  static LeftButtonOnlyFilter* Instance() {
    static auto* filter = new LeftButtonOnlyFilter();
    return filter;
  }

  bool eventFilter(QObject* watched, QEvent* event) override {
    switch (event->type()) {
      case QEvent::MouseButtonPress:
      case QEvent::MouseButtonRelease:
      case QEvent::MouseButtonDblClick: {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        const auto* menu = static_cast<QWidget*>(watched);
        return mouse->button() != Qt::LeftButton &&
               menu->rect().contains(mouse->position().toPoint());
      }
      case QEvent::ContextMenu:
        return true;
      default:
        return false;
    }
  }
};

}  // namespace

void ChooseWithLeftButtonOnly(QMenu* menu) {
  // Installing the same filter again only moves it to the front.
  menu->installEventFilter(LeftButtonOnlyFilter::Instance());
  for (QMenu* submenu : menu->findChildren<QMenu*>()) {
    submenu->installEventFilter(LeftButtonOnlyFilter::Instance());
  }
}

void PopupMenu(QWidget* form, QMenu* menu, QPoint at) {
  ChooseWithLeftButtonOnly(menu);
  menu->exec(form->mapToGlobal(at));
}

void FollowMenuColor(QMenu* menu) {
  FollowSysColors(menu, [menu] {
    const QColor back = ResolveColor(SysColorRef(kColorMenu));
    const QColor text = ResolveColor(SysColorRef(kColorButtonText));
    // A style sheet rather than the palette: styles tint the palette's menu
    // colour, and the menu must show exactly the system colour.
    menu->setStyleSheet(
        QStringLiteral("QMenu { background-color: %1; color: %2;"
                       " border: 1px solid #808080; }"
                       "QMenu::item { padding: 3px 24px 3px 20px; }"
                       "QMenu::item:selected { background-color: #0A246A;"
                       " color: #FFFFFF; }"
                       "QMenu::right-arrow { width: 8px; height: 8px; }")
            .arg(back.name(), text.name()));
  });
}

}  // namespace tessaly::toolkit
