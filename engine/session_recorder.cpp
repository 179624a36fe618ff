#include "session_recorder.h"

namespace vellorin {

std::optional<SessionRecord> SessionRecorder::Observe(const SessionState& state, bool ended,
                                                      const QString& table, const QDateTime& now) {
    const SessionState before = last_;
    const bool wasEnded = lastEnded_;
    last_ = state;
    lastEnded_ = ended;
    // Start, also the one Space makes straight after the end of a session.
    if ((before.Mode == 0 || wasEnded) && state.Mode == 1 && !ended) {
        const bool rounds = controller_ && controller_->Kind() == TableKind::Rounds;
        session_ = SessionRecord{now,
                                 table,
                                 rounds ? QStringList() : FieldTexts(window_),
                                 {},
                                 rounds ? TableKind::Rounds : TableKind::Classic};
        hold_.reset();
        sessionHolds_.clear();
        return std::nullopt;
    }
    if (!session_) {
        return std::nullopt;
    }
    // Only a tick of a hold changes a hold's count or ends it; Start, Pause and Reset do not.
    const bool holdTick = before.Mode == 1 && state.Mode == 1 && !wasEnded &&
                          before.Sequence == Phase::Hold && before.PauseMode == 0 &&
                          (state.HoldTime != before.HoldTime || state.Sequence != before.Sequence);
    if (holdTick) {
        if (hold_ && hold_->loop != before.CurLoop) {
            hold_.reset();  // cannot happen: a hold ends before the next loop's begins
        }
        if (!hold_) {
            hold_ = HoldRecord{before.CurLoop,
                               before.HoldTime,
                               0,
                               std::nullopt,
                               0,
                               false,
                               HoldRule::Timed(before.HoldTime),
                               std::nullopt,
                               {}};
        }
        hold_->held += 1;
        if (state.Sequence != Phase::Hold) {  // its last second: the rest or the end is next
            hold_->completed = !endedByAlarm_;
            return EndHold();
        }
    }
    if ((ended && !wasEnded) || state.Mode == 0) {  // the end tick, or Reset
        std::optional<SessionRecord> last = EndHold();
        session_.reset();
        return last;
    }
    return std::nullopt;
}

bool SessionRecorder::MarkContraction(const SessionState& state) {
    // Between the intro's last second and the hold's first no hold is under way yet.
    if (!hold_ || lastEnded_ || state.Sequence != Phase::Hold || hold_->loop != state.CurLoop) {
        return false;
    }
    if (!hold_->firstContraction) {
        hold_->firstContraction = hold_->held;
    }
    hold_->contractions += 1;
    return true;
}

std::optional<SessionRecord> SessionRecorder::Close() {
    std::optional<SessionRecord> last = EndHold();
    session_.reset();
    return last;
}

std::optional<SessionRecord> SessionRecorder::EndHold() {
    if (!session_ || !hold_) {
        hold_.reset();
        return std::nullopt;
    }
    SessionRecord record = *session_;
    if (controller_) {
        const LoopRules rules = controller_->Rules(hold_->loop, hold_->planned);
        hold_->rule = rules.hold;
        hold_->rest = rules.rest;
    }
    record.holds.append(*hold_);
    sessionHolds_.append(*hold_);
    hold_.reset();
    endedByAlarm_ = false;
    return record;
}

}  // namespace vellorin
