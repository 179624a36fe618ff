#include "round_list.h"

#include "classic_rounds.h"

namespace vellorin {
namespace {

PhaseAhead HoldAhead(const RunRound& round) {
    const std::optional<qint32> known = KnownHoldLength(round.hold);
    return {PhaseAhead::Kind::Hold, known.value_or(LongestHold(round.hold)), known.has_value()};
}

PhaseAhead RestAhead(const RunRound& round) {
    if (!round.rest) {
        return {};
    }
    const std::optional<qint32> known = KnownRestLength(*round.rest, round.hold);
    return {PhaseAhead::Kind::Rest, known.value_or(LongestRest(*round.rest, round.hold)),
            known.has_value()};
}

}  // namespace

RoundList ClassicList(const TrainerWindow& window) {
    const ClassicRounds classic = RoundsFromClassic(window);
    if (!classic.table) {
        return {{}, {}, classic.problem};
    }
    return TableList(*classic.table);
}

RoundList TableList(const RoundsTable& table) {
    return {RunOrder(table), Length(table), {}};
}

std::optional<SessionPosition> Position(const SessionState& state, bool ended,
                                        const RoundList& list) {
    const int round = state.CurLoop;
    if (state.Mode != 1 || ended || round < 1 || round > list.rounds.size()) {
        return std::nullopt;
    }
    SessionPosition position{round, static_cast<int>(list.rounds.size()), {}};
    const RunRound& now = list.rounds[round - 1];
    if (state.Sequence == Phase::Intro) {
        position.next = HoldAhead(now);
    } else if (state.Sequence == Phase::Hold) {
        position.next = RestAhead(now);
    } else if (round < list.rounds.size()) {
        position.next = HoldAhead(list.rounds[round]);
    }
    return position;
}

}  // namespace vellorin
