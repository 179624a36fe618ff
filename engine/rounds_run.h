#pragma once

#include <QList>

#include "rounds_table.h"
#include "session_table.h"

namespace vellorin {

// A table of rounds as the session controller runs it. A timed phase counts down as a
// classic one does. A hold that ends at a contraction starts out as long as its cap and is
// shortened once the contractions marked say where it ends; a cycle's rest is what its cycle
// leaves after the hold; a one-breath rest ends at the breath key, and the next tick is the
// next hold's first. What a mark changes takes effect at the next tick. The session clock always
// shows the most that is left: each phase is counted at the longest it can last and the difference
// taken off once its length is known.
class RoundsRun : public SessionTable {
public:
    // For a table that passes TableProblems.
    explicit RoundsRun(const RoundsTable& table);

    qint32 IntroCount() const override { return table_.intro; }
    qint32 FirstHoldTime() const override { return longestHold_.value(0); }
    qint32 SessionDuration() const override;
    void CheckTableEnds(qint32 introTime) const override;
    void Begin(const SessionState& state) override;
    void BeforeTick(SessionState& state) override;
    bool IsHoldStart(const SessionState& state) const override;
    bool IsLastLoop(qint16 loop) const override { return loop >= order_.size(); }
    qint32 NextHoldTime(SessionState& state, qint16 loop) override;
    qint32 RestTimeAfter(SessionState& state, qint16 loop) override;
    qint32 HoldClock(const SessionState& state) const override;
    LoopRules Rules(qint16 loop, qint32 planned) const override;
    void CutHold(const SessionState& state) override { holdLength_ = Held(state) + 1; }

    // A contraction marked now, in the hold under way; false outside a hold or before its
    // first second has run.
    bool MarkContraction(const SessionState& state);
    // Whether the breath key may end the rest under way: a one-breath rest that has run a
    // second at least. The controller then starts the next hold.
    bool TakeBreath(const SessionState& state);
    // Whether the hold under way has an end known now (a timed hold, or one whose
    // contraction has been marked); the phase clock counts down then and up otherwise.
    bool HoldEndKnown() const;

    const RoundsTable& Table() const { return table_; }
    const QList<RunRound>& Order() const { return order_; }

private:
    const RunRound& RoundOf(qint16 loop) const { return order_[loop - 1]; }
    // The seconds of the hold under way that have run.
    qint32 Held(const SessionState& state) const { return holdLength_ - state.HoldTime; }

    RoundsTable table_;
    QList<RunRound> order_;
    QList<qint32> longestHold_;  // each round's hold and rest as the session clock counts them
    QList<qint32> longestRest_;
    qint32 holdLength_ = 0;  // the hold under way's length as far as it is known
    qint16 holdLoop_ = 1;    // the loop of that hold
    QList<qint32> contractions_;
    qint32 restLength_ = 0;  // the rest under way's length
};

}  // namespace vellorin
