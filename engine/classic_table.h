#pragma once

#include "session_plan.h"
#include "session_table.h"

namespace vellorin {

// The classic table: every answer is computed from the six fields as they read at that
// moment, so that an edit made during a session takes effect at the next computation.
class ClassicTable : public SessionTable {
public:
    explicit ClassicTable(const SessionPlan& plan) : plan_(plan) {}

    qint32 IntroCount() const override { return plan_.IntroCount(); }
    qint32 FirstHoldTime() const override;
    qint32 SessionDuration() const override { return plan_.SessionDuration(); }
    void CheckTableEnds(qint32 introTime) const override { plan_.CheckTableEnds(introTime); }
    bool IsHoldStart(const SessionState& state) const override;
    bool IsLastLoop(qint16 loop) const override;
    qint32 NextHoldTime(SessionState& state, qint16 loop) override;
    qint32 RestTimeAfter(SessionState& state, qint16 loop) override;
    LoopRules Rules(qint16 loop, qint32 planned) const override;

private:
    const SessionPlan& plan_;
};

}  // namespace vellorin
