// The state of one loaded prediction board, apart from its controls: whether
// the listing panel is shown, the heading and listing it shows, and the menu
// colour to give back when the board closes.
#ifndef TESSALY_PREDICTIONS_PREDICTION_BOARD_H_
#define TESSALY_PREDICTIONS_PREDICTION_BOARD_H_

#include <cstdint>
#include <string>
#include <string_view>

#include "predictions/board_layout.h"
#include "predictions/listing_catalogue.h"

namespace tessaly::predictions {

class PredictionBoard {
 public:
  // 0x00BBGGRR, the form the desktop's colour functions use.
  using ColorValue = std::uint32_t;

  // The menu colour while a board is loaded: RGB(246, 179, 87).
  static constexpr ColorValue kBoardMenuColor = 0x0057B3F6;

  explicit PredictionBoard(Edition edition) : edition_(edition) {}

  Edition edition() const { return edition_; }

  // Remembers the menu colour found at load; the board colour goes in its
  // place for as long as the board stays loaded.
  void Load(ColorValue menu_color) { saved_menu_color_ = menu_color; }
  ColorValue saved_menu_color() const { return saved_menu_color_; }

  // Shows the panel. A region with a listing replaces heading and text and
  // gives true; any other index leaves both as they were.
  bool RegionClick(std::int16_t index);
  void ReturnClick() { panel_shown_ = false; }

  bool panel_shown() const { return panel_shown_; }
  std::string_view heading() const { return heading_; }
  std::string_view text() const { return text_; }

 private:
  Edition edition_;
  ColorValue saved_menu_color_ = 0;
  bool panel_shown_ = false;
  std::string heading_;
  std::string text_{kInitialListingText};
};

}  // namespace tessaly::predictions

#endif  // TESSALY_PREDICTIONS_PREDICTION_BOARD_H_
