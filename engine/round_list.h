#pragma once

#include <QList>
#include <QString>
#include <optional>

#include "rounds_table.h"
#include "session_state.h"
#include "trainer_window.h"

namespace vellorin {

// The rounds of a table as a session runs them, for the list beside the design area.
struct RoundList {
    QList<RunRound> rounds;
    TableLength length;
    QString problem;  // why the classic table cannot be listed: Start's refusal; empty if it can

    bool operator==(const RoundList& other) const {
        return length == other.length && problem == other.problem &&
               rounds.size() == other.rounds.size() &&
               std::equal(rounds.begin(), rounds.end(), other.rounds.begin(), SameRound);
    }
    static bool SameRound(const RunRound& a, const RunRound& b) {
        return a.hold == b.hold && a.rest == b.rest;
    }
};
// The classic table of the six fields, computed as a session started now would compute it.
RoundList ClassicList(const TrainerWindow& window);
RoundList TableList(const RoundsTable& table);

// A phase still to come, with its length: exact, or the most it can last.
struct PhaseAhead {
    enum class Kind { Hold, Rest, End };
    Kind kind = Kind::End;
    qint32 seconds = 0;
    bool exact = true;
    bool operator==(const PhaseAhead&) const = default;
};
// Where a session under way is in its list: the round (from 1), of how many, and what comes
// after the phase under way.
struct SessionPosition {
    int round = 1;
    int rounds = 0;
    PhaseAhead next;
    bool operator==(const SessionPosition&) const = default;
};
// Nothing when no session is under way or the loop is past the list (a classic table whose
// loops were lowered during the session).
std::optional<SessionPosition> Position(const SessionState& state, bool ended,
                                        const RoundList& list);

}  // namespace vellorin
