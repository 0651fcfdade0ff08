// FRM_main: the program's home window.
//
// It opens on a title screen (the picture IMG_BG over the whole window with a
// welcome line and a click line). A click on the picture or the click line
// saves the system menu colour, turns it orange and uncovers the main screen:
// a framed layout with the picture in the middle, the two edition buttons,
// the four section buttons (disabled until an edition is chosen), the caption
// box Lbl_CAP whose text is the edition key, the logo and the exit button.
// The section buttons pop up the menus of section_menus.h; their commands are
// in commands.h. Leaving writes the saved menu colour back.
#ifndef TESSALY_APP_FRM_MAIN_H_
#define TESSALY_APP_FRM_MAIN_H_

#include <QString>
#include <array>
#include <optional>

#include "toolkit/form.h"
#include "toolkit/sys_colors.h"
#include "toolkit/units.h"

class QMenu;

namespace tessaly::toolkit {
class ImageControl;
class LabelButton;
}  // namespace tessaly::toolkit

namespace tessaly::app {

class SectionMenus;

// The edition key: the caption of Lbl_CAP.
inline constexpr char16_t kEditionNone[] = u"Tessaly";
inline constexpr char16_t kEditionGaokao[] = u"高考Tessaly";
inline constexpr char16_t kEditionZhongkao[] = u"中考Tessaly";

// The orange of the main screen and the boards, RGB(246, 179, 87).
inline constexpr toolkit::ColorRef kOrangeMenuColor =
    toolkit::Rgb(246, 179, 87);

class FrmMain : public toolkit::Form {
  Q_OBJECT

 public:
  FrmMain();
  ~FrmMain() override;

  // The user scale: 676.477 × 360 units over the 9180 × 4890 twips interior.
  static constexpr toolkit::UserScale kScale{676.477, 360, 9180, 4890};

  QString EditionKey() const;
  std::optional<toolkit::ColorRef> SavedMenuColor() const {
    return saved_menu_color_;
  }
  SectionMenus& Menus() { return *menus_; }

 protected:
  void Form_Load() override;
  void Form_QueryUnload() override;
  void Form_Unload() override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void BuildControls();
  void IMG_BG_Click();
  void Lbl_03_Click();
  void Lbl_CMD_GK_Click();
  void Lbl_CMD_ZK_Click();
  void Lbl_end_Click();
  void lblBK_Click();
  void lblYS_Click();
  void lblJZ_Click();
  void lblZY_Click();

  void EnterMainScreen();
  void EnterMainScreenFromKeyboard();
  void SetMainScreenTabStops(bool tab_stops);
  void SwitchEdition(bool zhongkao_allowed, const QString& key,
                     const QString& caption);
  void RestoreMenuColor();
  void PopUpSection(toolkit::LabelButton* button, QMenu* menu);
  // Sets IMG_BG's Left, Top, Height and Width in the user scale.
  void PlaceBackground(double left, double top, double height, double width);

  toolkit::ImageControl* img_bg_ = nullptr;
  toolkit::LabelButton* lbl_03_ = nullptr;
  toolkit::LabelButton* lbl_cap_ = nullptr;
  toolkit::LabelButton* lbl_bk_ = nullptr;
  toolkit::LabelButton* lbl_ys_ = nullptr;
  toolkit::LabelButton* lbl_jz_ = nullptr;
  toolkit::LabelButton* lbl_zy_ = nullptr;
  SectionMenus* menus_ = nullptr;
  // The clickable labels in the order Tab visits them.
  std::array<toolkit::LabelButton*, 8> keyboard_order_{};
  std::optional<toolkit::ColorRef> saved_menu_color_;
};

}  // namespace tessaly::app

#endif  // TESSALY_APP_FRM_MAIN_H_
