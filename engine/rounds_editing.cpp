#include "rounds_editing.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <algorithm>

#include "allgemein.h"
#include "message_text.h"

namespace vellorin {
namespace {

bool IsCount(TableValue value) {
    return value == TableValue::Contractions || value == TableValue::Repeat;
}

bool IsRow(const RoundsTable& table, int row) {
    return row >= 0 && row < table.rounds.size();
}

QString Clock(qint64 seconds) {
    return seconds < 3600 ? FormatSeconds(static_cast<qint32>(seconds)) : FormatHours(seconds);
}

}  // namespace

QString ValueText(TableValue value, qint32 number) {
    if (number < 0) {
        return {};
    }
    return IsCount(value) ? QString::number(number) : FormatSeconds(number);
}

qint32 ValueFromText(TableValue value, const QString& text) {
    if (!IsCount(value)) {
        return ParseClockText(text).value_or(kUnreadValue);
    }
    // Nine digits at most, so that the number always fits; TableProblems tells of its range.
    static const QRegularExpression digits(QStringLiteral("^\\s*(\\d{1,9})\\s*$"));
    const QRegularExpressionMatch match = digits.match(text);
    return match.hasMatch() ? match.captured(1).toInt() : kUnreadValue;
}

qint32 DefaultCap(std::optional<int> personalBest) {
    if (personalBest && *personalBest >= 1 && *personalBest <= kMaxPhaseSeconds) {
        return *personalBest;
    }
    return kDefaultCap;
}

Round NewRound(std::optional<int> personalBest) {
    Round round;
    round.hold = HoldRule::Timed(60);
    round.hold.cap = DefaultCap(personalBest);
    round.rest = RestRule::Timed(120);
    return round;
}

int AddRound(RoundsTable& table, int current, std::optional<int> personalBest) {
    if (table.rounds.isEmpty()) {
        table.rounds.append(NewRound(personalBest));
        return 0;
    }
    const int from = IsRow(table, current) ? current : static_cast<int>(table.rounds.size()) - 1;
    Round round = table.rounds[from];
    round.repeat = 1;
    table.rounds.insert(from + 1, round);
    return from + 1;
}

int DuplicateRound(RoundsTable& table, int current) {
    if (!IsRow(table, current)) {
        return -1;
    }
    table.rounds.insert(current + 1, Round(table.rounds[current]));
    return current + 1;
}

int RemoveRound(RoundsTable& table, int current) {
    if (!IsRow(table, current)) {
        return -1;
    }
    table.rounds.removeAt(current);
    return std::min(current, static_cast<int>(table.rounds.size()) - 1);
}

int MoveRound(RoundsTable& table, int current, int by) {
    if (!IsRow(table, current)) {
        return -1;
    }
    const int to = current + (by < 0 ? -1 : by > 0 ? 1 : 0);
    if (!IsRow(table, to)) {
        return current;
    }
    table.rounds.move(current, to);
    return to;
}

QList<TableValue> RoundValues(const Round& round) {
    QList<TableValue> values;
    switch (round.hold.end) {
        case HoldRule::End::Time:
            values = {TableValue::HoldSeconds};
            break;
        case HoldRule::End::FirstContraction:
            values = {TableValue::Margin, TableValue::Cap, TableValue::Minimum};
            break;
        case HoldRule::End::Contractions:
            values = {TableValue::Contractions, TableValue::Cap, TableValue::Minimum};
            break;
    }
    switch (round.rest.end) {
        case RestRule::End::Time:
            values.append(TableValue::RestSeconds);
            break;
        case RestRule::End::Cycle:
            values.append({TableValue::Cycle, TableValue::Floor});
            break;
        case RestRule::End::Breath:
            values.append(TableValue::BreathMaximum);
            break;
    }
    values.append(TableValue::Repeat);
    return values;
}

namespace {

// Where a round keeps the value; nothing for the table's own values.
template <typename R>
auto RoundField(R& round, TableValue value) -> decltype(&round.repeat) {
    switch (value) {
        case TableValue::Repeat:
            return &round.repeat;
        case TableValue::HoldSeconds:
            return &round.hold.seconds;
        case TableValue::Margin:
            return &round.hold.margin;
        case TableValue::Contractions:
            return &round.hold.contractions;
        case TableValue::Cap:
            return &round.hold.cap;
        case TableValue::Minimum:
            return &round.hold.minimum;
        case TableValue::RestSeconds:
            return &round.rest.seconds;
        case TableValue::Cycle:
            return &round.rest.cycle;
        case TableValue::Floor:
            return &round.rest.floor;
        case TableValue::BreathMaximum:
            return &round.rest.maximum;
        default:
            return nullptr;
    }
}

}  // namespace

qint32 RoundValue(const Round& round, TableValue value) {
    const qint32* field = RoundField(round, value);
    return field != nullptr ? *field : kUnreadValue;
}

void SetRoundValue(Round& round, TableValue value, qint32 number) {
    if (qint32* field = RoundField(round, value)) {
        *field = number;
    }
}

QString TotalText(const RoundsTable& table) {
    const qint64 count = RunRoundCount(table);
    const int plural = PluralCount(count);
    const QString shown = QString::number(count);
    if (table.rounds.isEmpty() || !TableProblems(table).isEmpty()) {
        //: The total below a table's rounds, while a value is still to mend.
        return ShownCount(
            QCoreApplication::translate("RoundsEditing", "%n rounds", nullptr, plural), count,
            shown);
    }
    const TableLength length = Length(table);
    if (length.exact) {
        //: The total below a table's rounds; %1 is how long the table lasts, like 24:30.
        return ShownCount(
                   QCoreApplication::translate("RoundsEditing", "%n rounds, %1", nullptr, plural),
                   count, shown)
            .arg(Clock(length.seconds));
    }
    //: The total below a table's rounds; %1 is the most the table can last, like 24:30, as a
    //: hold or a rest ends at a contraction or a key.
    return ShownCount(
               QCoreApplication::translate("RoundsEditing", "%n rounds, up to %1", nullptr, plural),
               count, shown)
        .arg(Clock(length.seconds));
}

QList<TableProblem> HoldsAbovePersonalBest(const RoundsTable& table,
                                           std::optional<int> personalBest) {
    QList<TableProblem> warnings;
    if (!personalBest) {
        return warnings;
    }
    for (int row = 0; row < table.rounds.size(); ++row) {
        const HoldRule& hold = table.rounds[row].hold;
        const bool timed = hold.end == HoldRule::End::Time;
        const qint32 longest = LongestHold(hold);
        if (longest > *personalBest) {
            //: %1 is the hold's length and %2 the personal best, each a time like 03:05.
            QString text = QCoreApplication::translate(
                "TableProblems", "the hold of %1 is longer than your personal best of %2");
            if (!timed) {
                //: The cap: the longest a hold that ends at a contraction may last. %1 is the
                //: cap and %2 the personal best, each a time like 03:05.
                text = QCoreApplication::translate(
                    "TableProblems", "the cap of %1 is longer than your personal best of %2");
            }
            warnings.append({row + 1, timed ? TableValue::HoldSeconds : TableValue::Cap,
                             text.arg(FormatSeconds(longest), FormatSeconds(*personalBest))});
        }
    }
    return warnings;
}

}  // namespace vellorin
