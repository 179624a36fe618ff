#include "classic_table.h"

#include <QCoreApplication>

#include "session_error.h"

namespace vellorin {
namespace {

// A phase computed during a session must still be able to count down to its end.
qint32 PhaseLength(double seconds) {
    const qint32 length = RoundToLong(seconds);
    if (length < 1) {
        //: Why a session under way stops: a hold or rest would be shorter than a second.
        throw SessionError(
            QCoreApplication::translate("SessionPlan", "a phase must last at least 1 second")
                .toStdString());
    }
    return length;
}

}  // namespace

qint32 ClassicTable::FirstHoldTime() const {
    return RoundToLong(plan_.LoopHoldTime(1));
}

// The hold cue marks a hold's first second: its count still equals the loop's hold unrounded.
bool ClassicTable::IsHoldStart(const SessionState& state) const {
    return plan_.LoopHoldTime(state.CurLoop) == static_cast<double>(state.HoldTime);
}

// The final loop is reached once the loop number is at least the loops value, so that a
// loops value lowered during the session ends it after the current hold.
bool ClassicTable::IsLastLoop(qint16 loop) const {
    return static_cast<double>(loop) >= plan_.Loops();
}

qint32 ClassicTable::NextHoldTime(SessionState& /*state*/, qint16 loop) {
    return PhaseLength(plan_.LoopHoldTime(loop));
}

qint32 ClassicTable::RestTimeAfter(SessionState& /*state*/, qint16 loop) {
    return PhaseLength(plan_.LoopRestTime(loop));
}

LoopRules ClassicTable::Rules(qint16 loop, qint32 planned) const {
    LoopRules rules{HoldRule::Timed(planned), std::nullopt};
    try {
        if (!IsLastLoop(loop)) {
            rules.rest = RestRule::Timed(RoundToLong(plan_.LoopRestTime(loop)));
        }
    } catch (const SessionError&) {
        // A field that no longer reads as a number: the rest is not told.
    }
    return rules;
}

}  // namespace vellorin
