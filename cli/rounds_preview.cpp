#include "rounds_preview.h"

#include <QCoreApplication>
#include <QStringList>
#include <QTextStream>
#include <algorithm>
#include <limits>

#include "allgemein.h"
#include "message_text.h"

namespace vellorin {

QString HoldText(const HoldRule& hold) {
    const QString cap = FormatSeconds(hold.cap);
    const QString minimum = FormatSeconds(hold.minimum);
    switch (hold.end) {
        case HoldRule::End::Time:
            return FormatSeconds(hold.seconds);
        case HoldRule::End::FirstContraction:
            if (hold.minimum > 0) {
                //: A hold that ends a time after its first contraction: %1 is that time, %2
                //: the least and %3 the most the hold lasts, each like 00:30.
                return QCoreApplication::translate("CommandLine",
                                                   "first contraction + %1, at least %2, up to %3")
                    .arg(FormatSeconds(hold.margin), minimum, cap);
            }
            //: A hold that ends a time after its first contraction: %1 is that time, %2 the
            //: most the hold lasts, each like 00:30.
            return QCoreApplication::translate("CommandLine", "first contraction + %1, up to %2")
                .arg(FormatSeconds(hold.margin), cap);
        case HoldRule::End::Contractions:
            if (hold.minimum > 0) {
                //: A hold that ends at its %n-th contraction: %1 is the least and %2 the most
                //: it lasts, each like 00:30.
                return QCoreApplication::translate("CommandLine",
                                                   "%n contractions, at least %1, up to %2",
                                                   nullptr, hold.contractions)
                    .arg(minimum, cap);
            }
            //: A hold that ends at its %n-th contraction: %1 is the most it lasts, like 03:00.
            return QCoreApplication::translate("CommandLine", "%n contractions, up to %1", nullptr,
                                               hold.contractions)
                .arg(cap);
    }
    return {};
}

QString RestText(const RestRule& rest) {
    switch (rest.end) {
        case RestRule::End::Time:
            return FormatSeconds(rest.seconds);
        case RestRule::End::Cycle:
            //: A rest that lasts until the next hold's start, a cycle after this hold's: %1 is
            //: the cycle and %2 the shortest the rest lasts, each like 02:00.
            return QCoreApplication::translate("CommandLine", "cycle %1 (at least %2)")
                .arg(FormatSeconds(rest.cycle), FormatSeconds(rest.floor));
        case RestRule::End::Breath:
            //: A rest of one breath, ended by a key: %1 is the most it lasts, like 00:10.
            return QCoreApplication::translate("CommandLine", "one breath (up to %1)")
                .arg(FormatSeconds(rest.maximum));
    }
    return {};
}

QString RoundsPreview(const RoundsTable& table) {
    const QList<RunRound> order = RunOrder(table);
    // Each row's texts once, however often it is repeated.
    QStringList holds;
    QStringList rests;
    // The heading is the one the preview of a classic table has.
    const QString holdHeading = QCoreApplication::translate("CommandLine", "Hold");
    qsizetype width = holdHeading.size();
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
    out << QCoreApplication::translate("CommandLine", "Intro %1").arg(FormatSeconds(table.intro))
        << "\n";
    //: The heading of the column of the rounds' numbers in the preview of a table of rounds;
    //: best within 5 letters.
    const QString roundHeading = QCoreApplication::translate("CommandLine", "Round");
    const int numberWidth = std::max(5, static_cast<int>(roundHeading.size()));
    out << " " << roundHeading.rightJustified(numberWidth) << "  "
        << holdHeading.leftJustified(width) << "  "
        << QCoreApplication::translate("CommandLine", "Rest") << "\n";
    for (qsizetype k = 0; k < order.size(); ++k) {
        const RunRound& round = order[k];
        if (!round.rest) {
            out << QStringLiteral("%1  %2\n").arg(k + 1, numberWidth).arg(holds[round.row]);
            continue;
        }
        out << QStringLiteral("%1  %2  %3\n")
                   .arg(k + 1, numberWidth)
                   .arg(holds[round.row], -width)
                   .arg(rests[round.row]);
    }
    const TableLength length = Length(table);
    const QString seconds = QString::number(length.seconds);
    if (length.exact) {
        out << QCoreApplication::translate("CommandLine", "Total %1 (%2 s)")
                   .arg(FormatTotal(length.seconds), seconds)
            << "\n";
    } else {
        //: The last line of a table's preview: %1 is the most it can last as the clock shows
        //: it, like 41:10, %2 the same in seconds.
        out << QCoreApplication::translate("CommandLine", "Total up to %1 (%2 s)")
                   .arg(FormatTotal(length.seconds), seconds)
            << "\n";
    }
    out.flush();
    return text;
}

}  // namespace vellorin
