#include "thousand_rounds.h"

namespace vellorin::bench {

RoundsTable ThousandRounds() {
    RoundsTable table;
    table.name = QStringLiteral("1,000 rounds");
    table.intro = 10;
    table.rounds.reserve(1000);
    for (int k = 0; k < 1000; ++k) {
        Round round;
        round.hold =
            k % 5 == 4 ? HoldRule::AtFirstContraction(5, 8 + k % 10) : HoldRule::Timed(5 + k % 10);
        switch (k % 3) {
            case 0:
                round.rest = RestRule::Timed(5 + k % 7);
                break;
            case 1:
                round.rest = RestRule::OnCycle(20 + k % 5);
                break;
            default:
                round.rest = RestRule::OneBreath(5);
                break;
        }
        table.rounds.append(round);
    }
    return table;
}

}  // namespace vellorin::bench
