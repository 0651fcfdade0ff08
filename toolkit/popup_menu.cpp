#include "toolkit/popup_menu.h"

#include <QMenu>
#include <QWidget>

#include "toolkit/sys_colors.h"

namespace tessaly::toolkit {

void PopupMenu(QWidget* form, QMenu* menu, QPoint at) {
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
