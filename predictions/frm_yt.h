// FRM_YT: the gaokao prediction board.
#ifndef TESSALY_PREDICTIONS_FRM_YT_H_
#define TESSALY_PREDICTIONS_FRM_YT_H_

#include "predictions/prediction_board_window.h"

namespace tessaly::predictions {

class FrmYt : public PredictionBoardWindow {
  Q_OBJECT

 public:
  FrmYt();
};

}  // namespace tessaly::predictions

#endif  // TESSALY_PREDICTIONS_FRM_YT_H_
