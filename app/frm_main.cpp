#include "app/frm_main.h"

#include <QKeyEvent>
#include <QPixmap>
#include <array>

#include "app/section_menus.h"
#include "toolkit/fonts.h"
#include "toolkit/forms.h"
#include "toolkit/image_control.h"
#include "toolkit/label_button.h"
#include "toolkit/line_control.h"
#include "toolkit/popup_menu.h"
#include "toolkit/shape_rect.h"

namespace tessaly::app {
namespace {

using toolkit::ColorRef;
using toolkit::SysColorRef;

constexpr ColorRef kMenuColor = SysColorRef(toolkit::kColorMenu);
constexpr ColorRef kButtonText = SysColorRef(toolkit::kColorButtonText);

enum class Kind { kLabel, kImage, kLine, kShape };

enum class Look {
  kNone,
  kClickLine,  // white text, clear, 15.75 pt
  kWelcome,    // red text, clear, 27.75 pt, bold, italic
  kMenuBox,    // menu-colour background, button-text colour, 12 pt
  kSection,    // clear, button-text colour, 12 pt, disabled at start
};

// One control of the window. Lines give their two end points in place of the
// rectangle; images give their picture resource as the caption.
struct ControlDesign {
  Kind kind;
  const char* name;
  const char16_t* caption;
  int left, top, width, height;  // twips (lines: x1, y1, x2, y2)
  Look look;
};

// In drawing order from the top down: each control covers every control
// listed after it where they overlap.
// clang-format off
constexpr std::array kControls = {
  ControlDesign{Kind::kLabel, "Lbl_03", u"单击本画面进入", 3240, 3120, 2535, 495, Look::kClickLine},
  ControlDesign{Kind::kLabel, "Lbl_01", u"欢迎使用Tessaly", 2160, 1200, 4815, 615, Look::kWelcome},
  ControlDesign{Kind::kImage, "IMG_BG", u":/pictures/img_bg.jpg", 1800, 720, 5535, 3495, Look::kNone},
  ControlDesign{Kind::kLine, "Line6", nullptr, 4080, 360, 7440, 360, Look::kNone},
  ControlDesign{Kind::kLabel, "Lbl_CAP", u"Tessaly", 2760, 240, 1215, 255, Look::kMenuBox},
  ControlDesign{Kind::kLabel, "Lbl_end", u"退　出", 5160, 4440, 1215, 255, Look::kMenuBox},
  ControlDesign{Kind::kLine, "Line11", nullptr, 1680, 4560, 5040, 4560, Look::kNone},
  ControlDesign{Kind::kShape, "Shape7", nullptr, 2640, 120, 1455, 495, Look::kNone},
  ControlDesign{Kind::kShape, "Shape6", nullptr, 5040, 4320, 1455, 495, Look::kNone},
  ControlDesign{Kind::kLine, "Line10", nullptr, 7440, 4560, 6480, 4560, Look::kNone},
  ControlDesign{Kind::kLine, "Line9", nullptr, 1680, 360, 2640, 360, Look::kNone},
  ControlDesign{Kind::kLine, "Line8", nullptr, 7440, 360, 7440, 4560, Look::kNone},
  ControlDesign{Kind::kLine, "Line7", nullptr, 1680, 4560, 1680, 360, Look::kNone},
  ControlDesign{Kind::kLine, "Line5", nullptr, 120, 600, 1560, 600, Look::kNone},
  ControlDesign{Kind::kShape, "Shape3", nullptr, 120, 120, 1455, 975, Look::kNone},
  ControlDesign{Kind::kLine, "Line4", nullptr, 120, 3120, 1560, 3120, Look::kNone},
  ControlDesign{Kind::kLine, "Line3", nullptr, 120, 2640, 1560, 2640, Look::kNone},
  ControlDesign{Kind::kLine, "Line2", nullptr, 120, 2160, 1560, 2160, Look::kNone},
  ControlDesign{Kind::kLine, "Line1", nullptr, 120, 1680, 1560, 1680, Look::kNone},
  ControlDesign{Kind::kLabel, "Lbl_CMD_ZK", u"中　考　版", 240, 720, 1215, 255, Look::kMenuBox},
  ControlDesign{Kind::kLabel, "Lbl_CMD_GK", u"高　考　版", 240, 240, 1215, 255, Look::kMenuBox},
  ControlDesign{Kind::kShape, "Shape2", nullptr, 120, 3720, 1455, 1095, Look::kNone},
  ControlDesign{Kind::kImage, "Image1", u":/pictures/image1.jpg", 120, 3720, 1455, 1065, Look::kNone},
  ControlDesign{Kind::kShape, "Shape1", nullptr, 120, 1200, 1455, 2415, Look::kNone},
  ControlDesign{Kind::kLabel, "lblZY", u"志愿填报篇", 240, 2760, 1215, 255, Look::kSection},
  ControlDesign{Kind::kLabel, "lblJZ", u"家长必读篇", 240, 2280, 1215, 255, Look::kSection},
  ControlDesign{Kind::kLabel, "lblYS", u"应　试　篇", 240, 1800, 1215, 255, Look::kSection},
  ControlDesign{Kind::kLabel, "lblBK", u"备　考　篇", 240, 1320, 1215, 255, Look::kSection},
};
// clang-format on

constexpr int kClientWidthTwips = 9180;
constexpr int kClientHeightTwips = 4890;

QString Text(const char16_t* text) { return QString::fromUtf16(text); }

void StyleLabel(toolkit::LabelButton* label, Look look) {
  switch (look) {
    case Look::kClickLine:
      label->SetTransparentBack();
      label->SetForeColor(toolkit::Rgb(255, 255, 255));
      label->setFont(toolkit::SongFont(15.75));
      return;
    case Look::kWelcome:
      label->SetTransparentBack();
      label->SetForeColor(toolkit::Rgb(255, 0, 0));
      label->setFont(toolkit::SongFont(27.75, /*bold=*/true, /*italic=*/true));
      return;
    case Look::kMenuBox:
      label->SetBackColor(kMenuColor);
      label->SetForeColor(kButtonText);
      label->setFont(toolkit::SongFont(12));
      return;
    case Look::kSection:
      label->SetTransparentBack();
      label->SetForeColor(kButtonText);
      label->setFont(toolkit::SongFont(12));
      label->setEnabled(false);
      return;
    case Look::kNone:
      return;
  }
}

QWidget* CreateControl(const ControlDesign& design, QWidget* form) {
  const QString name = QString::fromLatin1(design.name);
  switch (design.kind) {
    case Kind::kLabel: {
      auto* label = new toolkit::LabelButton(name, Text(design.caption), form);
      toolkit::PlaceTwips(label, design.left, design.top, design.width,
                          design.height);
      StyleLabel(label, design.look);
      return label;
    }
    case Kind::kImage: {
      auto* image = new toolkit::ImageControl(
          name, QPixmap(Text(design.caption)), /*stretch=*/true, form);
      toolkit::PlaceTwips(image, design.left, design.top, design.width,
                          design.height);
      return image;
    }
    case Kind::kLine:
      return new toolkit::LineControl(name, design.left, design.top,
                                      design.width, design.height, kMenuColor,
                                      form);
    case Kind::kShape: {
      auto* shape = new toolkit::ShapeRect(name, kMenuColor, form);
      toolkit::PlaceTwips(shape, design.left, design.top, design.width,
                          design.height);
      return shape;
    }
  }
  return nullptr;
}

}  // namespace

FrmMain::FrmMain() : Form(QStringLiteral("FRM_main")) {
  SetCaption(QStringLiteral("2005中高考Tessaly"));
  SetFixedSingleFrame();
  SetClientSizeTwips(kClientWidthTwips, kClientHeightTwips);
  toolkit::FollowSysColors(this, [this] {
    QPalette pal = palette();
    pal.setColor(QPalette::Window,
                 toolkit::ResolveColor(SysColorRef(toolkit::kColorButtonFace)));
    setPalette(pal);
  });
  setAutoFillBackground(true);
  BuildControls();
}

FrmMain::~FrmMain() = default;

void FrmMain::BuildControls() {
  std::array<QWidget*, kControls.size()> created{};
  for (std::size_t i = 0; i < kControls.size(); ++i) {
    created[i] = CreateControl(kControls[i], this);
  }
  // The first control of the table is drawn on top of all the others.
  for (auto it = created.rbegin(); it != created.rend(); ++it) (*it)->raise();

  auto label = [this](const char* name) {
    return findChild<toolkit::LabelButton*>(QString::fromLatin1(name));
  };
  img_bg_ = findChild<toolkit::ImageControl*>(QStringLiteral("IMG_BG"));
  lbl_03_ = label("Lbl_03");
  lbl_cap_ = label("Lbl_CAP");
  lbl_bk_ = label("lblBK");
  lbl_ys_ = label("lblYS");
  lbl_jz_ = label("lblJZ");
  lbl_zy_ = label("lblZY");

  connect(img_bg_, &toolkit::ImageControl::Click, this, &FrmMain::IMG_BG_Click);
  connect(lbl_03_, &toolkit::LabelButton::Click, this, &FrmMain::Lbl_03_Click);
  connect(label("Lbl_CMD_GK"), &toolkit::LabelButton::Click, this,
          &FrmMain::Lbl_CMD_GK_Click);
  connect(label("Lbl_CMD_ZK"), &toolkit::LabelButton::Click, this,
          &FrmMain::Lbl_CMD_ZK_Click);
  connect(label("Lbl_end"), &toolkit::LabelButton::Click, this,
          &FrmMain::Lbl_end_Click);
  connect(lbl_bk_, &toolkit::LabelButton::Click, this, &FrmMain::lblBK_Click);
  connect(lbl_ys_, &toolkit::LabelButton::Click, this, &FrmMain::lblYS_Click);
  connect(lbl_jz_, &toolkit::LabelButton::Click, this, &FrmMain::lblJZ_Click);
  connect(lbl_zy_, &toolkit::LabelButton::Click, this, &FrmMain::lblZY_Click);

  // The buttons in the order the eye meets them: the click line of the
  // title screen, then the left column from the top, then the exit button.
  keyboard_order_ = {lbl_03_,
                     label("Lbl_CMD_GK"),
                     label("Lbl_CMD_ZK"),
                     lbl_bk_,
                     lbl_ys_,
                     lbl_jz_,
                     lbl_zy_,
                     label("Lbl_end")};
  for (toolkit::LabelButton* button : keyboard_order_) button->SetClickable();
  for (std::size_t i = 1; i < keyboard_order_.size(); ++i) {
    setTabOrder(keyboard_order_[i - 1], keyboard_order_[i]);
  }
  // On the title screen the picture covers every other button.
  SetMainScreenTabStops(false);

  menus_ = new SectionMenus(this);
}

void FrmMain::SetMainScreenTabStops(bool tab_stops) {
  for (toolkit::LabelButton* button : keyboard_order_) {
    if (button != lbl_03_) button->SetTabStop(tab_stops);
  }
}

void FrmMain::keyPressEvent(QKeyEvent* event) {
  // The title screen takes Enter and Space anywhere, as it takes a click
  // anywhere.
  const bool on_title_screen = lbl_03_->isVisible();
  const bool enter_key = event->key() == Qt::Key_Return ||
                         event->key() == Qt::Key_Enter ||
                         event->key() == Qt::Key_Space;
  if (on_title_screen && enter_key && event->modifiers() == Qt::NoModifier) {
    event->accept();
    if (!event->isAutoRepeat()) EnterMainScreenFromKeyboard();
    return;
  }
  Form::keyPressEvent(event);
}

void FrmMain::EnterMainScreenFromKeyboard() {
  IMG_BG_Click();
  // Go on from where the keyboard user is: the first edition button.
  keyboard_order_[1]->setFocus(Qt::TabFocusReason);
}

QString FrmMain::EditionKey() const { return lbl_cap_->Caption(); }

void FrmMain::PlaceBackground(double left, double top, double height,
                              double width) {
  img_bg_->setGeometry(kScale.ToPixelsX(left), kScale.ToPixelsY(top),
                       kScale.ToPixelsX(width), kScale.ToPixelsY(height));
}

void FrmMain::Form_Load() {
  // The title screen: the picture stretched over the whole interior.
  const double scale_width = kScale.FromPixelsX(width());
  const double scale_height = kScale.FromPixelsY(height());
  PlaceBackground(0, 0, scale_height, scale_width);
}

void FrmMain::IMG_BG_Click() { EnterMainScreen(); }

void FrmMain::Lbl_03_Click() {
  if (lbl_03_->ClickedByKeyboard()) {
    EnterMainScreenFromKeyboard();
  } else {
    EnterMainScreen();
  }
}

void FrmMain::EnterMainScreen() {
  lbl_03_->setVisible(false);
  saved_menu_color_ = toolkit::GetSysColor(toolkit::kColorMenu);
  const int index = toolkit::kColorMenu;
  const ColorRef orange = kOrangeMenuColor;
  toolkit::SetSysColors(1, &index, &orange);
  PlaceBackground(132.643, 53.006, 257.301, 407.876);
  img_bg_->setEnabled(false);
  SetMainScreenTabStops(true);
}

void FrmMain::SwitchEdition(bool zhongkao_allowed, const QString& key,
                            const QString& caption) {
  lbl_bk_->setEnabled(true);
  lbl_jz_->setEnabled(true);
  lbl_ys_->setEnabled(true);
  lbl_zy_->setEnabled(zhongkao_allowed);
  lbl_cap_->SetCaption(key);
  SetCaption(caption);
}

void FrmMain::Lbl_CMD_GK_Click() {
  SwitchEdition(true, Text(kEditionGaokao), QStringLiteral("2005高考Tessaly"));
}

void FrmMain::Lbl_CMD_ZK_Click() {
  SwitchEdition(false, Text(kEditionZhongkao),
                QStringLiteral("2005中考Tessaly"));
}

void FrmMain::RestoreMenuColor() {
  if (!saved_menu_color_) return;
  const int index = toolkit::kColorMenu;
  const ColorRef saved = *saved_menu_color_;
  toolkit::SetSysColors(1, &index, &saved);
}

void FrmMain::Lbl_end_Click() {
  RestoreMenuColor();
  toolkit::EndProgram();
}

void FrmMain::Form_QueryUnload() { RestoreMenuColor(); }

void FrmMain::Form_Unload() { RestoreMenuColor(); }

void FrmMain::PopUpSection(toolkit::LabelButton* button, QMenu* menu) {
  // The menu's top-left corner at the button's top-right corner.
  toolkit::PopupMenu(this, menu,
                     QPoint(button->x() + button->width(), button->y()));
}

void FrmMain::lblBK_Click() { PopUpSection(lbl_bk_, menus_->Menu("menuBK")); }
void FrmMain::lblYS_Click() { PopUpSection(lbl_ys_, menus_->Menu("menuYS")); }
void FrmMain::lblJZ_Click() { PopUpSection(lbl_jz_, menus_->Menu("menuJZ")); }
void FrmMain::lblZY_Click() { PopUpSection(lbl_zy_, menus_->Menu("menuZY")); }

}  // namespace tessaly::app
