#pragma once

#include <QList>
#include <QString>
#include <QtGlobal>

namespace vellorin {

// A cue as a value: what is heard, not the file that says it.
struct Cue {
    enum class Kind { Countdown, Hold, StopHold, SessionEnd };
    Kind kind = Kind::Countdown;
    qint32 count = 0;  // the seconds left a countdown says

    bool operator==(const Cue&) const = default;
};

// One tick of a session as the cues see it.
struct CueMoment {
    enum class Phase { Intro, Hold, Rest, End };
    Phase phase = Phase::Intro;
    qint32 left = 0;         // the phase's seconds left, counting this one
    bool holdStart = false;  // a hold's first second
    bool lastLoop = false;   // the session's last hold (or, at the end tick, after it)
};

// The cues of a tick, in the order they are played (a later one replaces an earlier one
// still sounding): the countdown of 15, 10 and 5 to 1 seconds left in the intro, in a rest
// and in the last hold; "hold" at every hold's first second, the stop-hold cue at the last
// second of every hold but the last, and the end cue at the end tick.
QList<Cue> CuesOf(const CueMoment& moment);

// The wave file of a cue ("15.wav", "hold.wav").
QString CueFile(const Cue& cue);

}  // namespace vellorin
