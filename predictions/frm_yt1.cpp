#include "predictions/frm_yt1.h"

#include "predictions/board_layout.h"

namespace tessaly::predictions {

FrmYt1::FrmYt1() : PredictionBoardWindow(kZhongkaoBoard) {}

}  // namespace tessaly::predictions
