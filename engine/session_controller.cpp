#include "session_controller.h"

#include <limits>
#include <utility>

#include "allgemein.h"
#include "cue_catalogue.h"
#include "cue_schedule.h"
#include "session_error.h"

namespace vellorin {
void SessionController::ControlCmd_Click() {
    if (state_.Mode == 0) {
        Start();
    } else if (state_.Mode == 1) {
        ResetSession();
    }
}

void SessionController::PauseCmd_Click() {
    SetPause(state_.PauseMode != 0 ? 0 : 1);
}

void SessionController::SetPause(qint16 pauseMode) {
    state_.PauseMode = pauseMode;
    window_.SetCaption(Control::PauseCmd,
                       Caption{pauseMode != 0 ? Caption::Kind::Resume : Caption::Kind::Pause});
}

void SessionController::ResetSession() {
    window_.SetCaption(Control::ControlCmd, Caption{Caption::Kind::Start});
    window_.SetCaption(Control::SessionLbl, Caption::Loop(1));
    window_.SetCaption(Control::SessionClock, Caption::Clock(0));
    window_.SetCaption(Control::SequenceLbl, Caption::Of(Phase::Intro));
    window_.SetCaption(Control::SequenceTimeLbl, Caption::Clock(0));
    window_.SetTimerEnabled(false);
    state_.Sequence = Phase::Intro;
    state_.CurLoop = 1;
    state_.Mode = 0;
    ended_ = false;
    // The table of rounds stays until the next Start, so that a hold cut off here is still
    // logged with its rule.
    SetPause(0);
    shown_ = state_;
}

void SessionController::Start() {
    if (chosen_) {
        rounds_.emplace(*chosen_);
    } else {
        rounds_.reset();
    }
    try {
        state_.IntroTime = Table().IntroCount();
        window_.SetCaption(Control::SequenceTimeLbl, Caption::Clock(state_.IntroTime));
        state_.HoldTime = Table().FirstHoldTime();
        state_.SessionTime = Table().SessionDuration();
        Table().CheckTableEnds(state_.IntroTime);
    } catch (const SessionError&) {
        rounds_.reset();
        window_.ShowMessage(StartErrorMessage());
        return;
    }
    Table().Begin(state_);
    profile_ = chosenProfile_;
    cueCount_ = {};
    window_.SetTimerEnabled(true);
    window_.SetCaption(Control::ControlCmd, Caption{Caption::Kind::Reset});
    state_.Mode = 1;
    shown_ = state_;
}

void SessionController::SecondsTimer_Timer() {
    if (state_.PauseMode != 0) {
        return;
    }
    // A tick whose computation fails (a field emptied or mistyped during the session) is
    // undone and the session paused, so that the same second runs again on Resume.
    const SessionState before = state_;
    const CueCount countBefore = cueCount_;
    pendingCues_.clear();
    try {
        Tick();
    } catch (const SessionError&) {
        state_ = before;
        cueCount_ = countBefore;
        pendingCues_.clear();
        SetPause(1);
        window_.ShowMessage(StartErrorMessage());
        return;
    }
    const auto cues = std::exchange(pendingCues_, {});
    for (const auto& [cue, follows] : cues) {
        const QString path =
            ChosenCuePath(window_.ApplicationFolder(), window_.UserDataFolder(), cue);
        if (follows) {
            window_.FollowWave(path);
        } else {
            PlaySound(path);
        }
    }
}

void SessionController::Tick() {
    Table().BeforeTick(state_);
    // A phase's seconds are counted from its first tick, for the calls of the time held and
    // the breaths of a rest.
    const std::pair phase{state_.Sequence, state_.CurLoop};
    cueCount_.elapsed = phase == cueCount_.phase ? cueCount_.elapsed + 1 : 0;
    cueCount_.phase = phase;
    shown_ = state_;
    window_.SetCaption(Control::SessionLbl, Caption::Loop(state_.CurLoop));
    window_.SetCaption(Control::SequenceLbl, Caption::Of(state_.Sequence));
    window_.SetCaption(Control::SessionClock, Caption::Clock(state_.SessionTime));
    state_.SessionTime -= 1;
    switch (state_.Sequence) {
        case Phase::Intro:
            IntroTick();
            break;
        case Phase::Hold:
            HoldTick();
            break;
        case Phase::Rest:
            RestTick();
            break;
    }
}

void SessionController::IntroTick() {
    window_.SetCaption(Control::SequenceTimeLbl, Caption::Clock(state_.IntroTime));
    IssueCues({CueMoment::Phase::Intro, state_.IntroTime});
    if (state_.IntroTime == 1) {
        state_.Sequence = Phase::Hold;
    }
    state_.IntroTime -= 1;
}

void SessionController::HoldTick() {
    window_.SetCaption(Control::SequenceTimeLbl, Caption::Clock(Table().HoldClock(state_)));
    const bool holdStart = Table().IsHoldStart(state_);
    const bool lastLoop = IsLastLoop();
    IssueCues({CueMoment::Phase::Hold, state_.HoldTime, holdStart, lastLoop});
    cueCount_.totalHeld += 1;
    if (state_.HoldTime == 1) {
        cueCount_.holdsDone += 1;
        state_.Sequence = Phase::Rest;
        // No rest follows the final hold: its length is never computed, so nothing about it
        // can keep the session from its end tick.
        if (!lastLoop) {
            state_.RestTime = Table().RestTimeAfter(state_, state_.CurLoop);
        }
    }
    state_.HoldTime -= 1;
}

void SessionController::RestTick() {
    if (IsLastLoop()) {
        window_.SetCaption(Control::SequenceLbl, Caption{Caption::Kind::End});
        window_.SetTimerEnabled(false);
        ended_ = true;
        IssueCues({CueMoment::Phase::End, 0, false, true});
        window_.SetCaption(Control::SequenceTimeLbl, Caption::Clock(0));
        return;
    }
    window_.SetCaption(Control::SequenceTimeLbl, Caption::Clock(state_.RestTime));
    IssueCues({CueMoment::Phase::Rest, state_.RestTime});
    if (state_.RestTime == 1) {
        StartNextHold();
    }
    state_.RestTime -= 1;
}

void SessionController::StartNextHold() {
    if (state_.CurLoop == std::numeric_limits<qint16>::max()) {
        throw SessionError(
            QCoreApplication::translate("SessionPlan", "too many loops").toStdString());
    }
    const auto nextLoop = static_cast<qint16>(state_.CurLoop + 1);
    state_.Sequence = Phase::Hold;
    state_.HoldTime = Table().NextHoldTime(state_, nextLoop);
    state_.CurLoop = nextLoop;
}

bool SessionController::IsLastLoop() const {
    return Table().IsLastLoop(state_.CurLoop);
}

bool SessionController::MarkContraction() {
    return UnderWay() && rounds_ && rounds_->MarkContraction(state_);
}

bool SessionController::TakeBreath() {
    if (!UnderWay() || !rounds_ || !rounds_->TakeBreath(state_)) {
        return false;
    }
    // The rest's seconds still to run are skipped; a table of rounds has a loop number left
    // for every hold it runs.
    state_.SessionTime -= state_.RestTime;
    state_.RestTime = 0;
    StartNextHold();
    return true;
}

bool SessionController::EndHold() {
    if (!UnderWay() || state_.PauseMode != 0 || state_.Sequence != Phase::Hold ||
        shown_.Sequence != Phase::Hold || state_.HoldTime <= 1) {
        return false;
    }
    Table().CutHold(state_);
    const qint32 shorter = state_.HoldTime - 1;
    state_.HoldTime = 1;
    state_.SessionTime -= shorter;
    return true;
}

LoopRules SessionController::Rules(qint16 loop, qint32 planned) const {
    return Table().Rules(loop, planned);
}

void SessionController::IssueCues(CueMoment moment) {
    moment.elapsed = cueCount_.elapsed;
    moment.holdsDone = cueCount_.holdsDone;
    moment.totalHeld = cueCount_.totalHeld;
    for (const Cue& cue : CuesOf(profile_, moment)) {
        pendingCues_.append({CueFile(cue, profile_.sound), cue.follows});
    }
}

void SessionController::PlaySound(const QString& path) {
    window_.PlayWave(path);
}

}  // namespace vellorin
