#pragma once

#include <QtGlobal>
#include <optional>

#include "trainer_window.h"

namespace vellorin {

// The personal-best test: a maximum static hold timed by ear. A short spoken countdown like
// the intro's, the "hold" cue, then a clock counting up from 00:00 with a soft mark every
// 30 seconds and every whole minute spoken, until the user ends it (Space). It drives the
// window's displays and timer as a session does, and touches no settings field.
class PersonalBestTest {
public:
    static constexpr qint32 kCountdown = 10;

    explicit PersonalBestTest(TrainerWindow& window) : window_(window) {}

    // Shows "PB test" and starts the countdown.
    void Start();
    // One timer tick: a second of countdown, or of the hold.
    void Tick();
    // Ends the test: the seconds held, or nothing when it ended before the hold began.
    std::optional<qint32> Stop();

    bool Running() const { return running_; }

private:
    void Play(const QString& cueFile);

    TrainerWindow& window_;
    bool running_ = false;
    qint32 countdown_ = 0;  // seconds of countdown left, counting the current one
    qint32 held_ = -1;      // seconds held so far; -1 before the hold begins
};

}  // namespace vellorin
