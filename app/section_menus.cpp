#include "app/section_menus.h"

#include <QAction>
#include <QMenu>

#include "app/commands.h"
#include "app/frm_main.h"
#include "app/menu_tree.h"
#include "toolkit/popup_menu.h"

namespace tessaly::app {
namespace {

QString Caption(const MenuItem& item) {
  return QString::fromUtf16(item.caption.data(),
                            static_cast<qsizetype>(item.caption.size()));
}

QString Name(std::string_view name) {
  return QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size()));
}

}  // namespace

SectionMenus::SectionMenus(FrmMain* form) : QObject(form), form_(form) {
  setObjectName(QStringLiteral("SectionMenus"));
  for (const MenuItem& item : kMenuTree) {
    const std::string name(item.name);
    switch (item.command) {
      case MenuCommand::kPopup: {
        // Owned by the window, but never shown as a menu-bar entry: top-level
        // menus only ever pop up.
        auto* menu = new QMenu(Caption(item), form);
        menu->setObjectName(Name(item.name));
        toolkit::FollowMenuColor(menu);
        menus_[name] = menu;
        break;
      }
      case MenuCommand::kSubmenu: {
        QMenu* parent = menus_.at(std::string(item.parent));
        QMenu* menu = parent->addMenu(Caption(item));
        menu->setObjectName(Name(item.name));
        menu->menuAction()->setObjectName(Name(item.name));
        toolkit::FollowMenuColor(menu);
        menus_[name] = menu;
        break;
      }
      case MenuCommand::kTopic:
      case MenuCommand::kStateTest1:
      case MenuCommand::kStateTest2:
      case MenuCommand::kPredictionBoard: {
        QMenu* parent = menus_.at(std::string(item.parent));
        QAction* action = parent->addAction(Caption(item));
        action->setObjectName(Name(item.name));
        action->setVisible(!item.hidden);
        connect(action, &QAction::triggered, this,
                [this, &item] { RunCommand(item); });
        break;
      }
    }
  }
}

SectionMenus::~SectionMenus() = default;

QMenu* SectionMenus::Menu(const std::string& name) const {
  const auto it = menus_.find(name);
  return it == menus_.end() ? nullptr : it->second;
}

void SectionMenus::RunCommand(const MenuItem& item) {
  switch (item.command) {
    case MenuCommand::kTopic:
      RunTopicCommand(Caption(item));
      return;
    case MenuCommand::kStateTest1:
      RunStateTest1Command();
      return;
    case MenuCommand::kStateTest2:
      RunStateTest2Command();
      return;
    case MenuCommand::kPredictionBoard:
      RunPredictionBoardCommand(form_->EditionKey());
      return;
    case MenuCommand::kPopup:
    case MenuCommand::kSubmenu:
      return;
  }
}

}  // namespace tessaly::app
