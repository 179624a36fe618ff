// What the window shows of the session beside its captions: the next phase, a pause, a
// contraction marked and the summary at the end.
#include <QLabel>

#include "lights_out_view.h"
#include "rounds_panel.h"
#include "trainer_mainform.h"

namespace vellorin {

void TrainerMainform::ShowSessionState() {
    lightsOut_->SetNext(roundsPanel_->NextText());
    stateView_.Follow({State(), controller_.Ended(), pbTest_.Running(), LightsOut()}, recorder_,
                      *lightsOut_,
                      {qobject_cast<QLabel*>(Widget("SessionClock")),
                       qobject_cast<QLabel*>(Widget("SequenceTimeLbl"))});
}

}  // namespace vellorin
