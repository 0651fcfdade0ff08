#include "app/commands.h"

#include "app/frm_main.h"
#include "biorhythm/frm_cs1.h"
#include "biorhythm/frm_cs2.h"
#include "predictions/frm_yt.h"
#include "predictions/frm_yt1.h"
#include "reader/current_topic.h"
#include "reader/frm_z.h"
#include "toolkit/forms.h"

namespace tessaly::app {
namespace {

template <class F>
F* Reopen() {
  toolkit::Unload<F>();
  F* form = toolkit::Load<F>();
  toolkit::Show(form);
  return form;
}

}  // namespace

void RunTopicCommand(const QString& title) {
  toolkit::Unload<reader::FrmZ>();
  reader::SetCurrentTopic(title);
  reader::FrmZ* form = toolkit::Load<reader::FrmZ>();
  toolkit::Show(form);
  form->SetCaption(reader::CurrentTopic());
}

void RunStateTest1Command() { Reopen<biorhythm::FrmCs1>(); }

void RunStateTest2Command() { Reopen<biorhythm::FrmCs2>(); }

void RunPredictionBoardCommand(const QString& edition_key) {
  if (edition_key == QString::fromUtf16(kEditionGaokao)) {
    Reopen<predictions::FrmYt>();
  } else if (edition_key == QString::fromUtf16(kEditionZhongkao)) {
    Reopen<predictions::FrmYt1>();
  }
}

}  // namespace tessaly::app
