#pragma once

#include <QList>
#include <QString>
#include <QtGlobal>

#include "cue_profile.h"

namespace vellorin {

// A cue as a value: what is heard, not the file that says it.
struct Cue {
    enum class Kind {
        Countdown,   // a counted second ("ten"), count the number
        Hold,        // a hold's first second
        StopHold,    // "breathe": the last second of a hold but the session's last
        SessionEnd,  // the end tick
        Top,         // "official top": a hold's first second in a competition's words
        Call,  // a duration spoken ("thirty seconds", "two minutes thirty"), count its seconds
        LastBreath,  // before a hold
        BreatheIn,   // a recovery breath after a hold, or a paced inhale in words
        HoldBreath,  // holding a recovery breath a moment
        BreatheOut,  // breathing it out, or a paced exhale in words
        PaceIn,      // a paced inhale as a soft tone
        PaceOut,     // a paced exhale as a soft tone
        Holds,       // "hold" or "holds" after the count of the holds done, at the end
        TotalHeld,   // "total held", before the duration held, at the end
    };
    Kind kind = Kind::Countdown;
    qint32 count = 0;
    // Played once the cue before it has finished, rather than cutting it off (the summary
    // after the end cue).
    bool follows = false;

    bool operator==(const Cue&) const = default;
};

// One tick of a session as the cues see it.
struct CueMoment {
    enum class Phase { Intro, Hold, Rest, End };
    Phase phase = Phase::Intro;
    qint32 left = 0;         // the phase's seconds left, counting this one
    bool holdStart = false;  // a hold's first second
    bool lastLoop = false;   // the session's last hold (or, at the end tick, after it)
    qint32 elapsed = 0;      // the seconds of the phase run before this one
    qint32 holdsDone = 0;    // at the end tick: the holds held...
    qint32 totalHeld = 0;    // ...and their seconds
};

// The cues of a tick under a profile, in the order they are played: a later one cuts off an
// earlier one of the same tick, unless it follows it. Which cue wins where two meet is decided
// here and nowhere else:
//  1. The phase cues ("hold" or "official top", "breathe", the end) always play.
//  2. A counted second always plays; on a tick with a phase cue it plays after it, so that
//     it is the one heard (a last hold of 15 s says "fifteen").
//  3. Every other cue is ranked: recovery prompts first (the breaths after a hold matter
//     most), then "last breath", remaining-time calls, elapsed calls, and last the breathing
//     pace. One plays only where it can be heard
//     whole: on its tick and through its length (two seconds for calls and "last breath",
//     one for the rest) no phase cue, counted second or higher-ranked cue starts, no cue of
//     its rank started before is still sounding, and its phase does not end.
// The classic profile gives the program's first cues, tick for tick.
QList<Cue> CuesOf(const CueProfile& profile, const CueMoment& moment);

// The wave file that sounds a cue ("15.wav", "hold.wav", "2min30.wav", "tick.wav").
QString CueFile(const Cue& cue, CueVoice sound);

// One of every cue a profile can play: each counted second, each time that can be said, and
// every other kind.
QList<Cue> EveryCue();

// Every wave file the profiles can play, in words and in tones.
QStringList ProfileCueFiles();

}  // namespace vellorin
