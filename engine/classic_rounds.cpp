#include "classic_rounds.h"

#include <QCoreApplication>

#include "session_error.h"
#include "session_plan.h"

namespace vellorin {
namespace {

constexpr qint32 kRestAfterSingleHold = 120;

bool RunsAsRound(qint32 seconds) {
    return seconds >= 1 && seconds <= kMaxPhaseSeconds;
}

// Appends a round, as another repeat of the last row when it is the same.
void Append(RoundsTable& table, const Round& round) {
    if (!table.rounds.isEmpty()) {
        Round& last = table.rounds.last();
        if (last.hold == round.hold && last.rest == round.rest && last.repeat < kMaxRepeat) {
            ++last.repeat;
            return;
        }
    }
    table.rounds.append(round);
}

}  // namespace

ClassicRounds RoundsFromClassic(const TrainerWindow& window) {
    const SessionPlan plan(window);
    if (QString problem = plan.StartProblem(); !problem.isEmpty()) {
        return {std::nullopt, problem};
    }
    try {
        RoundsTable table;
        table.intro = plan.IntroCount();
        if (!RunsAsRound(table.intro)) {
            //: %1 is the most seconds a phase of a table of rounds lasts (86400).
            return {std::nullopt,
                    QCoreApplication::translate("SessionPlan",
                                                "the intro lasts more than %1 seconds, the most a "
                                                "table of rounds holds")
                        .arg(kMaxPhaseSeconds)};
        }
        // StartProblem has checked that the loops are a whole number from 1 to 32767.
        const int loops = static_cast<int>(plan.Loops());
        qint32 lastRest = kRestAfterSingleHold;
        for (int k = 1; k <= loops; ++k) {
            const qint32 hold = RoundToLong(plan.LoopHoldTime(k));
            qint32 rest = lastRest;
            if (k < loops) {
                rest = RoundToLong(plan.LoopRestTime(k));
            } else if (loops == 1) {
                const double initial = plan.LoopRestTime(1);
                if (initial >= 1 && initial <= kMaxPhaseSeconds) {
                    rest = RoundToLong(initial);
                }
            }
            if (!RunsAsRound(hold) || !RunsAsRound(rest)) {
                //: %1 is the loop's number, %2 the most seconds a hold or a rest of a table
                //: of rounds lasts (86400).
                return {std::nullopt,
                        QCoreApplication::translate("SessionPlan",
                                                    "loop %1 lasts more than %2 seconds, the most "
                                                    "a hold or a rest of a table of rounds lasts")
                            .arg(QString::number(k), QString::number(kMaxPhaseSeconds))};
            }
            lastRest = rest;
            Append(table, {HoldRule::Timed(hold), RestRule::Timed(rest), 1});
        }
        return {table, {}};
    } catch (const SessionError& error) {
        return {std::nullopt, QString::fromStdString(error.what())};
    }
}

}  // namespace vellorin
