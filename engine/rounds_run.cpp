#include "rounds_run.h"

#include <limits>

#include "session_error.h"

#include <QCoreApplication>

namespace vellorin {
RoundsRun::RoundsRun(const RoundsTable& table) : table_(table), order_(RunOrder(table)) {
    for (const RunRound& round : order_) {
        longestHold_.append(LongestHold(round.hold));
        longestRest_.append(round.rest ? LongestRest(*round.rest, round.hold) : 0);
    }
}

qint32 RoundsRun::SessionDuration() const {
    qint64 seconds = table_.intro;
    for (int index = 0; index < order_.size(); ++index) {
        seconds += qint64{longestHold_[index]} + longestRest_[index];
    }
    if (seconds > std::numeric_limits<qint32>::max()) {
        throw SessionError(
            QCoreApplication::translate("SessionPlan", "the table lasts too long").toStdString());
    }
    return static_cast<qint32>(seconds);
}

void RoundsRun::CheckTableEnds(qint32 /*introTime*/) const {
    if (order_.isEmpty() || !TableProblems(table_).isEmpty()) {
        throw SessionError(
            QCoreApplication::translate("SessionPlan", "the table cannot be run").toStdString());
    }
}

void RoundsRun::Begin(const SessionState& state) {
    holdLength_ = state.HoldTime;
    holdLoop_ = 1;
    contractions_.clear();
    restLength_ = 0;
}

void RoundsRun::BeforeTick(SessionState& state) {
    if (state.Sequence == Phase::Hold && !contractions_.isEmpty() && holdLoop_ == state.CurLoop) {
        // The marks say where the hold ends; one that ends it at once leaves it its next
        // second, the last, with the stop-hold cue.
        const qint32 length =
            std::max(HoldLength(RoundOf(state.CurLoop).hold, contractions_), Held(state) + 1);
        if (length < holdLength_) {
            const qint32 shorter = holdLength_ - length;
            state.HoldTime -= shorter;
            state.SessionTime -= shorter;
            holdLength_ = length;
        }
    }
}

bool RoundsRun::IsHoldStart(const SessionState& state) const {
    return Held(state) == 0;
}

qint32 RoundsRun::NextHoldTime(SessionState& /*state*/, qint16 loop) {
    holdLength_ = longestHold_[loop - 1];
    holdLoop_ = loop;
    contractions_.clear();
    return holdLength_;
}

qint32 RoundsRun::RestTimeAfter(SessionState& state, qint16 loop) {
    const RunRound& round = RoundOf(loop);
    restLength_ = RestLength(*round.rest, holdLength_);
    state.SessionTime -= longestRest_[loop - 1] - restLength_;
    return restLength_;
}

qint32 RoundsRun::HoldClock(const SessionState& state) const {
    return HoldEndKnown() ? state.HoldTime : Held(state) + 1;
}

bool RoundsRun::HoldEndKnown() const {
    if (order_.isEmpty()) {
        return true;
    }
    const HoldRule& hold = RoundOf(holdLoop_).hold;
    switch (hold.end) {
        case HoldRule::End::Time:
            return true;
        case HoldRule::End::FirstContraction:
            return !contractions_.isEmpty();
        case HoldRule::End::Contractions:
            return contractions_.size() >= hold.contractions;
    }
    return true;
}

LoopRules RoundsRun::Rules(qint16 loop, qint32 /*planned*/) const {
    if (loop < 1 || loop > order_.size()) {
        return {};
    }
    return {RoundOf(loop).hold, RoundOf(loop).rest};
}

bool RoundsRun::MarkContraction(const SessionState& state) {
    if (state.Sequence != Phase::Hold || state.HoldTime < 1 || Held(state) < 1) {
        return false;
    }
    contractions_.append(Held(state));
    return true;
}

bool RoundsRun::TakeBreath(const SessionState& state) {
    if (state.Sequence != Phase::Rest || IsLastLoop(state.CurLoop) ||
        RoundOf(state.CurLoop).rest->end != RestRule::End::Breath ||
        restLength_ - state.RestTime < 1 || state.RestTime < 1) {
        return false;
    }
    return true;
}

}  // namespace vellorin
