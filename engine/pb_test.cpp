#include "pb_test.h"

#include "allgemein.h"
#include "attempts_file.h"
#include "cue_catalogue.h"

namespace vellorin {

void PersonalBestTest::Start() {
    running_ = true;
    countdown_ = kCountdown;
    held_ = -1;
    holdBegan_ = {};
    window_.SetCaption(Control::SessionLbl, Caption{Caption::Kind::PbTest});
    window_.SetCaption(Control::SessionClock, Caption::Clock(0));
    window_.SetCaption(Control::SequenceLbl, Caption::Of(Phase::Intro));
    window_.SetCaption(Control::SequenceTimeLbl, Caption::Clock(countdown_));
    window_.SetTimerEnabled(true);
}

void PersonalBestTest::Tick() {
    if (!running_) {
        return;
    }
    if (countdown_ > 0) {
        window_.SetCaption(Control::SequenceTimeLbl, Caption::Clock(countdown_));
        if (IsCountdownSecond(countdown_)) {
            Play(CountdownCue(countdown_));
        }
        --countdown_;
        return;
    }
    if (held_ < kLongestAttemptSeconds) {  // the count stops where an attempt ends
        ++held_;
    }
    window_.SetCaption(Control::SequenceLbl, Caption::Of(Phase::Hold));
    window_.SetCaption(Control::SessionClock, Caption::Clock(held_));
    window_.SetCaption(Control::SequenceTimeLbl, Caption::Clock(held_));
    if (held_ == 0) {
        holdBegan_ = now_();
        Play(QString::fromLatin1(kHoldCue));
    } else if (held_ % 60 == 0 && held_ / 60 <= kMostMinuteCues) {
        Play(MinuteCue(held_ / 60));
    } else if (held_ % 30 == 0) {
        Play(QString::fromLatin1(kMarkCue));
    }
}

std::optional<qint32> PersonalBestTest::Stop() {
    if (!running_) {
        return std::nullopt;
    }
    running_ = false;
    window_.SetTimerEnabled(false);
    window_.SetCaption(Control::SequenceLbl, Caption{Caption::Kind::End});
    if (held_ < 0) {
        return std::nullopt;
    }
    window_.SetCaption(Control::SequenceTimeLbl, Caption::Clock(held_));
    return held_;
}

std::optional<PbResult> PersonalBestTest::Finish(const QString& attemptsPath) {
    const std::optional<qint32> held = Stop();
    if (!held) {
        return std::nullopt;
    }
    return KeepPbAttempt(attemptsPath, *held, holdBegan_);
}

void PersonalBestTest::Play(const QString& cueFile) {
    window_.PlayWave(ChosenCuePath(window_.ApplicationFolder(), window_.UserDataFolder(), cueFile));
}

}  // namespace vellorin
