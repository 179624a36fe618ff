#include "session_keys.h"

#include "cue_catalogue.h"

namespace vellorin {

SessionKeys::Did SessionKeys::Space() {
    if (controller_.State().Mode == 1 && controller_.Ended()) {
        controller_.ControlCmd_Click();  // back to idle: a new session starts below
    }
    if (controller_.State().Mode == 0) {
        controller_.ControlCmd_Click();
        if (controller_.State().Mode == 1 && controller_.State().PauseMode != 0) {
            controller_.PauseCmd_Click();  // a pause set while idle would hold the start
        }
        return controller_.State().Mode == 1 ? Did::Started : Did::Nothing;
    }
    if (controller_.State().Mode != 1) {
        return Did::Nothing;
    }
    controller_.PauseCmd_Click();
    const bool paused = controller_.State().PauseMode != 0;
    window_.PlayWave(ChosenCuePath(window_.ApplicationFolder(), window_.UserDataFolder(),
                                   paused ? kPauseCue : kResumeCue));
    return paused ? Did::Paused : Did::Resumed;
}

bool SessionKeys::ContractionKey(SessionRecorder& recorder, bool testRunning) {
    const bool underWay = controller_.State().Mode == 1 && !controller_.Ended();
    if (!underWay && !testRunning) {
        return false;
    }
    const bool marked = !testRunning && recorder.MarkContraction(controller_.State());
    if (marked) {
        controller_.MarkContraction();  // a hold that ends at a contraction learns of it
    }
    const bool breath = !testRunning && !marked && controller_.TakeBreath();
    window_.PlayWave(ChosenCuePath(window_.ApplicationFolder(), window_.UserDataFolder(),
                                   marked || breath ? kClickCue : kNotNowCue));
    return true;
}

void SessionKeys::Reset() {
    if (controller_.State().Mode == 1) {
        controller_.ControlCmd_Click();
    }
}

}  // namespace vellorin
