// Pop-up menus: shown at a point of a form and drawn in the menu colour.
#ifndef TESSALY_TOOLKIT_POPUP_MENU_H_
#define TESSALY_TOOLKIT_POPUP_MENU_H_

#include <QPoint>

class QMenu;
class QWidget;

namespace tessaly::toolkit {

// Shows `menu` with its top-left corner at `at` (pixels in `form`'s client
// area) and returns when it closes; a chosen item has run its command then.
// Only the left mouse button chooses an item, in the menu and its submenus.
void PopupMenu(QWidget* form, QMenu* menu, QPoint at);

// Makes the right and middle buttons do nothing over `menu` and every
// submenu below it: no item is chosen or highlighted and the menu stays
// open. A press outside every open menu still closes them.
void ChooseWithLeftButtonOnly(QMenu* menu);

// Draws `menu` and its submenus in the current system menu colour, now and
// after every change of it.
void FollowMenuColor(QMenu* menu);

}  // namespace tessaly::toolkit

#endif  // TESSALY_TOOLKIT_POPUP_MENU_H_
