#include "rounds_table.h"

#include <QCoreApplication>
#include <algorithm>

namespace vellorin {

HoldRule HoldRule::Timed(qint32 seconds) {
    HoldRule rule;
    rule.seconds = seconds;
    return rule;
}

HoldRule HoldRule::AtFirstContraction(qint32 margin, qint32 cap, qint32 minimum) {
    HoldRule rule;
    rule.end = End::FirstContraction;
    rule.margin = margin;
    rule.cap = cap;
    rule.minimum = minimum;
    return rule;
}

HoldRule HoldRule::AtContraction(int contractions, qint32 cap, qint32 minimum) {
    HoldRule rule;
    rule.end = End::Contractions;
    rule.contractions = contractions;
    rule.cap = cap;
    rule.minimum = minimum;
    return rule;
}

bool HoldRule::operator==(const HoldRule& other) const {
    if (end != other.end) {
        return false;
    }
    switch (end) {
        case End::Time:
            return seconds == other.seconds;
        case End::FirstContraction:
            return margin == other.margin && cap == other.cap && minimum == other.minimum;
        case End::Contractions:
            return contractions == other.contractions && cap == other.cap &&
                   minimum == other.minimum;
    }
    return false;
}

RestRule RestRule::Timed(qint32 seconds) {
    RestRule rule;
    rule.seconds = seconds;
    return rule;
}

RestRule RestRule::OnCycle(qint32 cycle, qint32 floor) {
    RestRule rule;
    rule.end = End::Cycle;
    rule.cycle = cycle;
    rule.floor = floor;
    return rule;
}

RestRule RestRule::OneBreath(qint32 maximum) {
    RestRule rule;
    rule.end = End::Breath;
    rule.maximum = maximum;
    return rule;
}

bool RestRule::operator==(const RestRule& other) const {
    if (end != other.end) {
        return false;
    }
    switch (end) {
        case End::Time:
            return seconds == other.seconds;
        case End::Cycle:
            return cycle == other.cycle && floor == other.floor;
        case End::Breath:
            return maximum == other.maximum;
    }
    return false;
}

QList<RunRound> RunOrder(const RoundsTable& table) {
    QList<RunRound> order;
    for (int row = 0; row < table.rounds.size(); ++row) {
        const Round& round = table.rounds[row];
        for (int repetition = 1; repetition <= round.repeat; ++repetition) {
            if (order.size() == kMaxRunRounds) {
                break;
            }
            order.append({round.hold, round.rest, row, repetition});
        }
    }
    if (!order.isEmpty()) {
        order.last().rest.reset();
    }
    return order;
}

qint64 RunRoundCount(const RoundsTable& table) {
    qint64 count = 0;
    for (const Round& round : table.rounds) {
        count += std::max(round.repeat, 0);
    }
    return count;
}

std::optional<qint32> KnownHoldLength(const HoldRule& hold) {
    if (hold.end == HoldRule::End::Time) {
        return hold.seconds;
    }
    return std::nullopt;
}

std::optional<qint32> KnownRestLength(const RestRule& rest, const HoldRule& hold) {
    switch (rest.end) {
        case RestRule::End::Time:
            return rest.seconds;
        case RestRule::End::Cycle:
            if (const std::optional<qint32> held = KnownHoldLength(hold)) {
                return RestLength(rest, *held);
            }
            return std::nullopt;
        case RestRule::End::Breath:
            return std::nullopt;
    }
    return std::nullopt;
}

qint32 HoldLength(const HoldRule& hold, const QList<qint32>& contractionsAt) {
    qint32 endsAt = hold.cap;
    switch (hold.end) {
        case HoldRule::End::Time:
            return hold.seconds;
        case HoldRule::End::FirstContraction:
            if (!contractionsAt.isEmpty()) {
                endsAt = contractionsAt.first() + hold.margin;
            }
            break;
        case HoldRule::End::Contractions:
            if (hold.contractions >= 1 && contractionsAt.size() >= hold.contractions) {
                endsAt = contractionsAt[hold.contractions - 1];
            }
            break;
    }
    return std::min(hold.cap, std::max({endsAt, hold.minimum, qint32{1}}));
}

qint32 RestLength(const RestRule& rest, qint32 held, std::optional<qint32> breathAt) {
    switch (rest.end) {
        case RestRule::End::Time:
            return rest.seconds;
        case RestRule::End::Cycle:
            return std::max(rest.floor, rest.cycle - held);
        case RestRule::End::Breath:
            return std::clamp(breathAt.value_or(rest.maximum), qint32{1}, rest.maximum);
    }
    return rest.seconds;
}

namespace {

// The shortest a hold can last by its rule: a contraction may come at its very first second.
qint32 ShortestHold(const HoldRule& hold) {
    switch (hold.end) {
        case HoldRule::End::Time:
            return hold.seconds;
        case HoldRule::End::FirstContraction:
            return std::min(hold.cap, std::max({hold.minimum, hold.margin, qint32{1}}));
        case HoldRule::End::Contractions:
            return std::min(hold.cap, std::max(hold.minimum, qint32{1}));
    }
    return 1;
}

}  // namespace

qint32 LongestHold(const HoldRule& hold) {
    return hold.end == HoldRule::End::Time ? hold.seconds : hold.cap;
}

qint32 LongestRest(const RestRule& rest, const HoldRule& hold) {
    switch (rest.end) {
        case RestRule::End::Time:
            return rest.seconds;
        case RestRule::End::Cycle:
            return RestLength(rest, ShortestHold(hold));
        case RestRule::End::Breath:
            return rest.maximum;
    }
    return rest.seconds;
}

TableLength Length(const RoundsTable& table) {
    TableLength length{table.intro, true};
    for (int row = 0; row < table.rounds.size(); ++row) {
        const Round& round = table.rounds[row];
        const qint64 holds = std::max(round.repeat, 0);
        // The last row's last rest is never run.
        const qint64 rests =
            row + 1 == table.rounds.size() ? std::max(holds - 1, qint64{0}) : holds;
        if (holds > 0) {
            length.seconds += holds * LongestHold(round.hold);
            length.exact = length.exact && KnownHoldLength(round.hold).has_value();
        }
        if (rests > 0) {
            length.seconds += rests * LongestRest(round.rest, round.hold);
            length.exact = length.exact && KnownRestLength(round.rest, round.hold).has_value();
        }
    }
    return length;
}

bool EveryPhaseTimed(const RoundsTable& table) {
    return Length(table).exact;
}

QString TableProblem::Sentence() const {
    QString text = reason;
    if (!text.isEmpty()) {
        text[0] = text[0].toUpper();
    }
    if (round > 0) {
        //: %1 is the round's number in the table, %2 a reason such as "the cap must be at least
        //: the minimum".
        return QCoreApplication::translate("TableProblems", "Round %1: %2.")
            .arg(QString::number(round), reason);
    }
    return QStringLiteral("%1.").arg(text);
}

qsizetype TextLength(const QString& text) {
    return text.toUcs4().size();
}

}  // namespace vellorin
