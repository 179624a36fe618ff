#pragma once

#include <QtGlobal>
#include <optional>

#include "rounds_table.h"
#include "session_state.h"

namespace vellorin {

// How the hold of a loop was to end and how its rest was to end, as the log keeps them.
struct LoopRules {
    HoldRule hold;
    std::optional<RestRule> rest;  // none after the last hold, or when it cannot be told
};

// What the session controller asks of the table it runs: the classic table of six settings,
// which reads the fields at every computation, or a table of rounds, which is a value. The
// controller keeps the one copy of the session's ticks, cues, labels and pause; a table only
// answers how long each phase lasts and when the session ends. Any answer may raise
// SessionError, which undoes the tick that asked.
class SessionTable {
public:
    virtual ~SessionTable() = default;

    // Start, in the order the controller asks: the intro, the first hold, the session's
    // length, and whether the table can run to its end at all.
    virtual qint32 IntroCount() const = 0;
    virtual qint32 FirstHoldTime() const = 0;
    virtual qint32 SessionDuration() const = 0;
    virtual void CheckTableEnds(qint32 introTime) const = 0;
    // Once Start has succeeded, with the state it left.
    virtual void Begin(const SessionState& /*state*/) {}

    // At the start of every tick that runs, before anything is shown: a table may move the
    // session on by what it learned since the last tick (a contraction).
    virtual void BeforeTick(SessionState& /*state*/) {}
    // Whether the hold tick about to run is its hold's first second (the hold cue).
    virtual bool IsHoldStart(const SessionState& state) const = 0;
    virtual bool IsLastLoop(qint16 loop) const = 0;
    // The next loop's hold, at the last second of the rest before it; state.CurLoop is still
    // the loop before.
    virtual qint32 NextHoldTime(SessionState& state, qint16 loop) = 0;
    // The rest after the loop's hold, at the hold's last second.
    virtual qint32 RestTimeAfter(SessionState& state, qint16 loop) = 0;
    // The count the phase clock shows in a hold tick: the seconds left counting this one, or
    // for a hold whose end is not known yet, the seconds held counting this one.
    virtual qint32 HoldClock(const SessionState& state) const { return state.HoldTime; }
    // The hold under way ends at the next tick (the controller then sets its seconds left to
    // one); the table learns its length for the rest that may depend on it.
    virtual void CutHold(const SessionState& /*state*/) {}

    // How the loop's hold and rest were to end; planned is the hold's length as it began.
    virtual LoopRules Rules(qint16 loop, qint32 planned) const = 0;
};

}  // namespace vellorin
