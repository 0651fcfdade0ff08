#include "predictions/prediction_board_window.h"

#include <QString>
#include <algorithm>
#include <string_view>

#include "toolkit/accessibility.h"
#include "toolkit/fonts.h"
#include "toolkit/label_button.h"
#include "toolkit/shape_rect.h"
#include "toolkit/sys_colors.h"
#include "toolkit/text_box.h"
#include "toolkit/units.h"

namespace tessaly::predictions {
namespace {

constexpr toolkit::ColorRef kMenuColor =
    toolkit::SysColorRef(toolkit::kColorMenu);
constexpr toolkit::ColorRef kTitleColor = toolkit::Rgb(0, 0, 255);

static_assert(PredictionBoard::kBoardMenuColor == toolkit::Rgb(246, 179, 87));

QString Text(std::string_view utf8) {
  return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

QString ArrayName(const char* name, int index) {
  return QStringLiteral("%1(%2)").arg(QLatin1String(name)).arg(index);
}

void SetMenuColor(toolkit::ColorRef color) {
  const int index = toolkit::kColorMenu;
  toolkit::SetSysColors(1, &index, &color);
}

struct FramedButton {
  toolkit::LabelButton* button;
  toolkit::ShapeRect* frame;
};

// A button label in the menu colour with the frame that surrounds it.
FramedButton AddFramedButton(QWidget* parent, const QString& name,
                             const QString& frame_name, const QString& caption,
                             TwipsPoint at, bool clickable = true) {
  auto* frame = new toolkit::ShapeRect(frame_name, kMenuColor, parent);
  const TwipsPoint frame_at = FramePosition(at);
  toolkit::PlaceTwips(frame, frame_at.left, frame_at.top, kFrameWidth,
                      kFrameHeight);
  auto* button = new toolkit::LabelButton(name, caption, parent);
  button->SetBackColor(kMenuColor);
  if (clickable) button->SetClickable();
  button->setFont(toolkit::SongFont(kButtonFontPoints));
  toolkit::PlaceTwips(button, at.left, at.top, kButtonWidth, kButtonHeight);
  return {button, frame};
}

}  // namespace

PredictionBoardWindow::PredictionBoardWindow(const BoardLayout& layout)
    : Form(QLatin1String(layout.form_name)), board_(layout.edition) {
  SetCaption(Text(layout.caption));
  SetClientSizeTwips(kBoardClientWidth, kBoardClientHeight);
  // Later children stack in front, so the text box goes last: it covers the
  // grid while the panel is up and no region can be clicked through it.
  BuildTitles(layout);
  BuildRegionGrid(layout);
  BuildPanel(layout);
}

void PredictionBoardWindow::BuildTitles(const BoardLayout& layout) {
  const struct {
    std::string_view caption;
    TwipsPoint at;
    int width;
  } titles[] = {{layout.title, layout.title_at, kTitleWidth},
                {kSubtitleCaption, layout.subtitle_at, kSubtitleWidth}};
  int index = 0;
  for (const auto& title : titles) {
    auto* label = new toolkit::LabelButton(ArrayName("Lbl_YT_c1", index++),
                                           Text(title.caption), this);
    label->SetForeColor(kTitleColor);
    label->setFont(toolkit::SongFont(kTitleFontPoints));
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    toolkit::PlaceTwips(label, title.at.left, title.at.top, title.width,
                        kTitleHeight);
    // The titles size themselves to their text.
    label->adjustSize();
  }
}

void PredictionBoardWindow::BuildRegionGrid(const BoardLayout& layout) {
  for (int row = 0; row < static_cast<int>(layout.grid.size()); ++row) {
    for (int column = 0; column < kGridColumns; ++column) {
      const int index = layout.grid[static_cast<std::size_t>(row)]
                                   [static_cast<std::size_t>(column)];
      if (index == kNoRegion) continue;
      toolkit::LabelButton* button =
          AddFramedButton(this, ArrayName("Lbl_YT", index),
                          ArrayName("Shp_YT", index),
                          Text(RegionCaption(layout.edition, index)),
                          ButtonPosition(layout, row, column))
              .button;
      connect(button, &toolkit::LabelButton::Click, this, [this, index] {
        Lbl_YT_Click(static_cast<std::int16_t>(index));
      });
      regions_.push_back(button);
    }
  }
}

void PredictionBoardWindow::BuildPanel(const BoardLayout& layout) {
  const FramedButton heading =
      AddFramedButton(this, QStringLiteral("Lbl_YTC"),
                      QStringLiteral("Shp_YTC"), QString(), layout.heading_at,
                      /*clickable=*/false);
  const FramedButton back = AddFramedButton(
      this, QStringLiteral("Lbl_YTB"), QStringLiteral("Shp_YTB"),
      Text(kReturnCaption), layout.return_at);
  heading_ = heading.button;
  return_button_ = back.button;
  connect(return_button_, &toolkit::LabelButton::Click, this,
          &PredictionBoardWindow::Lbl_YTB_Click);

  listing_ =
      new toolkit::TextBox(QStringLiteral("Txt_YT"), Text(board_.text()), this);
  listing_->setFont(toolkit::SongFont(kButtonFontPoints));
  listing_->setLineWrapMode(QPlainTextEdit::NoWrap);
  listing_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  listing_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  toolkit::PlaceTwips(listing_, layout.text_at.left, layout.text_at.top,
                      kTextBoxWidth, layout.text_height);
  // Tab must lead out of the listing, or a keyboard user is caught in it.
  listing_->setTabChangesFocus(true);
  listing_->setAccessibleName(Text(layout.caption));
  // The grid is made row by row, which is its visual order; the panel
  // follows it from the top down.
  setTabOrder(listing_, return_button_);

  panel_ = {heading.button, heading.frame, back.button, back.frame, listing_};
  ShowPanel(board_.panel_shown());
}

void PredictionBoardWindow::ShowPanel(bool shown) {
  QWidget* focused = focusWidget();
  // Labels take the focus from the keyboard only.
  const bool keyboard_on_grid =
      focused != nullptr &&
      std::ranges::find(regions_, focused) != regions_.end();
  const bool keyboard_on_return = focused == return_button_;
  for (QWidget* control : panel_) control->setVisible(shown);
  // The listing covers the grid: Tab must not reach a region that no click
  // can reach.
  for (toolkit::LabelButton* region : regions_) region->SetTabStop(!shown);
  if (shown && keyboard_on_grid) {
    last_region_ = static_cast<toolkit::LabelButton*>(focused);
    return_button_->setFocus(Qt::TabFocusReason);
  } else if (!shown && keyboard_on_return && last_region_ != nullptr) {
    last_region_->setFocus(Qt::TabFocusReason);
  }
}

void PredictionBoardWindow::Form_Load() {
  board_.Load(toolkit::GetSysColor(toolkit::kColorMenu));
  SetMenuColor(PredictionBoard::kBoardMenuColor);
}

// Both close steps give the colour back; the second changes nothing, but a
// close that skips query-unload still restores it.
void PredictionBoardWindow::Form_QueryUnload() { RestoreMenuColor(); }
void PredictionBoardWindow::Form_Unload() { RestoreMenuColor(); }

void PredictionBoardWindow::RestoreMenuColor() {
  SetMenuColor(board_.saved_menu_color());
}

void PredictionBoardWindow::Lbl_YT_Click(std::int16_t index) {
  const bool replaced = board_.RegionClick(index);
  ShowPanel(board_.panel_shown());
  if (!replaced) return;
  heading_->SetCaption(Text(board_.heading()));
  listing_->setAccessibleName(
      toolkit::AccessibleCaption(Text(board_.heading())));
  // The listing separates its lines with CR LF; the text box wants one
  // paragraph per line.
  listing_->setPlainText(
      Text(board_.text()).replace(QLatin1String("\r\n"), QLatin1String("\n")));
}

void PredictionBoardWindow::Lbl_YTB_Click() {
  board_.ReturnClick();
  ShowPanel(board_.panel_shown());
}

}  // namespace tessaly::predictions
