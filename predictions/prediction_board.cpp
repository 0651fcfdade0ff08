#include "predictions/prediction_board.h"

#include <optional>
#include <utility>

namespace tessaly::predictions {

bool PredictionBoard::RegionClick(std::int16_t index) {
  panel_shown_ = true;
  std::optional<std::string> listing = ComposeListing(edition_, index);
  if (!listing) return false;
  heading_ = RegionCaption(edition_, index);
  text_ = std::move(*listing);
  return true;
}

}  // namespace tessaly::predictions
