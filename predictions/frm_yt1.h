// FRM_YT1: the zhongkao prediction board.
#ifndef TESSALY_PREDICTIONS_FRM_YT1_H_
#define TESSALY_PREDICTIONS_FRM_YT1_H_

#include "predictions/prediction_board_window.h"

namespace tessaly::predictions {

class FrmYt1 : public PredictionBoardWindow {
  Q_OBJECT

 public:
  FrmYt1();
};

}  // namespace tessaly::predictions

#endif  // TESSALY_PREDICTIONS_FRM_YT1_H_
