// The window behind both prediction boards: builds a board's controls from
// its layout and binds their events to a PredictionBoard.
//
// A board shows a grid of region buttons; a region click shows the panel
// (heading, listing text box, return button, each heading and button with
// its frame) over the grid, and the return click hides it again. While the
// board is loaded the desktop menu colour, which the buttons and frames are
// drawn in, is the board colour; closing gives back the colour found at
// load.
#ifndef TESSALY_PREDICTIONS_PREDICTION_BOARD_WINDOW_H_
#define TESSALY_PREDICTIONS_PREDICTION_BOARD_WINDOW_H_

#include <array>
#include <cstdint>
#include <vector>

#include "predictions/board_layout.h"
#include "predictions/prediction_board.h"
#include "toolkit/form.h"

class QWidget;

namespace tessaly::toolkit {
class LabelButton;
class TextBox;
}  // namespace tessaly::toolkit

namespace tessaly::predictions {

class PredictionBoardWindow : public toolkit::Form {
  Q_OBJECT

 public:
  explicit PredictionBoardWindow(const BoardLayout& layout);

 protected:
  void Form_Load() override;
  void Form_QueryUnload() override;
  void Form_Unload() override;

 private:
  void Lbl_YT_Click(std::int16_t index);
  void Lbl_YTB_Click();

  void BuildTitles(const BoardLayout& layout);
  void BuildRegionGrid(const BoardLayout& layout);
  void BuildPanel(const BoardLayout& layout);
  void ShowPanel(bool shown);
  void RestoreMenuColor();

  PredictionBoard board_;
  toolkit::LabelButton* heading_ = nullptr;        // Lbl_YTC
  toolkit::LabelButton* return_button_ = nullptr;  // Lbl_YTB
  toolkit::TextBox* listing_ = nullptr;            // Txt_YT
  // Shown and hidden together, in this order.
  std::array<QWidget*, 5> panel_{};
  // The region buttons in visual order, and the one the keyboard last
  // clicked, to go back to from the return button.
  std::vector<toolkit::LabelButton*> regions_;
  toolkit::LabelButton* last_region_ = nullptr;
};

}  // namespace tessaly::predictions

#endif  // TESSALY_PREDICTIONS_PREDICTION_BOARD_WINDOW_H_
