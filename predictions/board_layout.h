// Design layouts of the two prediction boards; everything else about the
// boards is shared.
#ifndef TESSALY_PREDICTIONS_BOARD_LAYOUT_H_
#define TESSALY_PREDICTIONS_BOARD_LAYOUT_H_

#include <array>
#include <span>
#include <string_view>

#include "predictions/listing_catalogue.h"

namespace tessaly::predictions {

// Design sizes in twips, common to both boards.
inline constexpr int kBoardClientWidth = 9135;
inline constexpr int kBoardClientHeight = 6900;
inline constexpr int kButtonWidth = 1215;
inline constexpr int kButtonHeight = 255;
// Every button has a frame that stands this far out on each side.
inline constexpr int kFrameMargin = 120;
inline constexpr int kFrameWidth = kButtonWidth + 2 * kFrameMargin;
inline constexpr int kFrameHeight = kButtonHeight + 2 * kFrameMargin;
inline constexpr int kTextBoxWidth = 7815;
inline constexpr int kTitleWidth = 5205;
inline constexpr int kSubtitleWidth = 2205;
inline constexpr int kTitleHeight = 315;
inline constexpr double kButtonFontPoints = 12;
inline constexpr double kTitleFontPoints = 15.75;

inline constexpr std::string_view kSubtitleCaption = "一份意外的惊喜";
inline constexpr std::string_view kReturnCaption = "返\u3000回";
inline constexpr std::string_view kInitialListingText = "Text1";

struct TwipsPoint {
  int left;
  int top;
};

inline constexpr int kNoRegion = -1;
inline constexpr int kGridColumns = 4;
using GridRow = std::array<int, kGridColumns>;

struct BoardLayout {
  const char* form_name;
  std::string_view caption;
  Edition edition;
  std::string_view title;
  TwipsPoint title_at;     // Lbl_YT_c1(0)
  TwipsPoint subtitle_at;  // Lbl_YT_c1(1)
  TwipsPoint heading_at;   // Lbl_YTC
  TwipsPoint return_at;    // Lbl_YTB
  TwipsPoint text_at;      // Txt_YT
  int text_height;
  TwipsPoint grid_at;  // the button in row 0, column 0
  int column_step;
  int row_step;
  std::span<const GridRow> grid;  // region index of each button
};

constexpr TwipsPoint ButtonPosition(const BoardLayout& layout, int row,
                                    int column) {
  return {layout.grid_at.left + layout.column_step * column,
          layout.grid_at.top + layout.row_step * row};
}

constexpr TwipsPoint FramePosition(TwipsPoint button) {
  return {button.left - kFrameMargin, button.top - kFrameMargin};
}

// clang-format off
inline constexpr std::array<GridRow, 4> kGaokaoGrid{{
    { 0,  1,  2,  3},
    { 4,  5,  6,  7},
    { 8,  9, 10, 11},
    {12, 13, 14, kNoRegion},
}};

// The last two rows were laid out by hand and do not follow the index order.
inline constexpr std::array<GridRow, 6> kZhongkaoGrid{{
    { 0,  1,  2,  3},
    { 4,  5,  6,  7},
    { 8,  9, 10, 11},
    {12, 13, 14, 15},
    {22, 21, 20, 19},
    {18, 17, 16, 23},
}};

inline constexpr BoardLayout kGaokaoBoard{
    .form_name = "FRM_YT",
    .caption = "高考压题信息",
    .edition = Edition::Gaokao,
    .title = "高考前三天 来自重点中学的内部押题",
    .title_at = {960, 720},
    .subtitle_at = {5520, 1200},
    .heading_at = {720, 1560},
    .return_at = {7080, 6120},
    .text_at = {600, 2040},
    .text_height = 3855,
    .grid_at = {840, 2400},
    .column_step = 2040,
    .row_step = 960,
    .grid = kGaokaoGrid,
};

inline constexpr BoardLayout kZhongkaoBoard{
    .form_name = "FRM_YT1",
    .caption = "中考压题信息",
    .edition = Edition::Zhongkao,
    .title = "中考前三天 来自重点中学的内部押题",
    .title_at = {1080, 360},
    .subtitle_at = {5640, 840},
    .heading_at = {840, 1200},
    .return_at = {7200, 6240},
    .text_at = {720, 1680},
    .text_height = 4335,
    .grid_at = {960, 1920},
    .column_step = 2040,
    .row_step = 720,
    .grid = kZhongkaoGrid,
};
// clang-format on

}  // namespace tessaly::predictions

#endif  // TESSALY_PREDICTIONS_BOARD_LAYOUT_H_
