#include "predictions/frm_yt.h"

#include "predictions/board_layout.h"

namespace tessaly::predictions {

FrmYt::FrmYt() : PredictionBoardWindow(kGaokaoBoard) {}

}  // namespace tessaly::predictions
