// The four hidden section menus of the main window, built from the menu
// table, their items wired to the commands.
#ifndef TESSALY_APP_SECTION_MENUS_H_
#define TESSALY_APP_SECTION_MENUS_H_

#include <QObject>
#include <QString>
#include <map>
#include <string>

class QMenu;
class QWidget;

namespace tessaly::app {

struct MenuItem;
class FrmMain;

class SectionMenus : public QObject {
  Q_OBJECT

 public:
  explicit SectionMenus(FrmMain* form);
  ~SectionMenus() override;

  // A top-level menu or a submenu by its item name ("menuBK", "menuZY_QX").
  QMenu* Menu(const std::string& name) const;

 private:
  void RunCommand(const MenuItem& item);

  FrmMain* form_;
  std::map<std::string, QMenu*> menus_;
};

}  // namespace tessaly::app

#endif  // TESSALY_APP_SECTION_MENUS_H_
