#include "rounds_preview.h"

#include <QStringList>
#include <QTextStream>
#include <algorithm>
#include <limits>

#include "allgemein.h"
#include "message_text.h"

namespace vellorin {

namespace {

QString Bounds(const HoldRule& hold) {
    QString text;
    if (hold.minimum > 0) {
        text += QStringLiteral(", at least %1").arg(FormatSeconds(hold.minimum));
    }
    return text + QStringLiteral(", up to %1").arg(FormatSeconds(hold.cap));
}

}  // namespace

QString HoldText(const HoldRule& hold) {
    switch (hold.end) {
        case HoldRule::End::Time:
            return FormatSeconds(hold.seconds);
        case HoldRule::End::FirstContraction:
            return QStringLiteral("first contraction + %1").arg(FormatSeconds(hold.margin)) +
                   Bounds(hold);
        case HoldRule::End::Contractions:
            return (hold.contractions == 1
                        ? QStringLiteral("1 contraction")
                        : QStringLiteral("%1 contractions").arg(hold.contractions)) +
                   Bounds(hold);
    }
    return {};
}

QString RestText(const RestRule& rest) {
    switch (rest.end) {
        case RestRule::End::Time:
            return FormatSeconds(rest.seconds);
        case RestRule::End::Cycle:
            return QStringLiteral("cycle %1 (at least %2)")
                .arg(FormatSeconds(rest.cycle), FormatSeconds(rest.floor));
        case RestRule::End::Breath:
            return QStringLiteral("one breath (up to %1)").arg(FormatSeconds(rest.maximum));
    }
    return {};
}

QString RoundsPreview(const RoundsTable& table) {
    const QList<RunRound> order = RunOrder(table);
    // Each row's texts once, however often it is repeated.
    QStringList holds;
    QStringList rests;
    qsizetype width = 4;  // "Hold"
    for (const Round& round : table.rounds) {
        holds.append(HoldText(round.hold));
        rests.append(RestText(round.rest));
        width = std::max(width, holds.last().size());
    }
    QString text;
    QTextStream out(&text);
    if (!table.name.isEmpty()) {
        out << Printable(table.name) << "\n";
    }
    out << "Intro " << FormatSeconds(table.intro) << "\n";
    out << QStringLiteral(" Round  %1  Rest\n").arg(QStringLiteral("Hold"), -width);
    for (qsizetype k = 0; k < order.size(); ++k) {
        const RunRound& round = order[k];
        if (!round.rest) {
            out << QStringLiteral("%1  %2\n").arg(k + 1, 5).arg(holds[round.row]);
            continue;
        }
        out << QStringLiteral("%1  %2  %3\n")
                   .arg(k + 1, 5)
                   .arg(holds[round.row], -width)
                   .arg(rests[round.row]);
    }
    const TableLength length = Length(table);
    out << "Total " << (length.exact ? "" : "up to ") << FormatTotal(length.seconds) << " ("
        << length.seconds << " s)\n";
    out.flush();
    return text;
}

}  // namespace vellorin
