#include "session_filter.h"

#include <QCoreApplication>
#include <QSet>
#include <algorithm>

namespace vellorin {
namespace {

// Whether a comes before b as a person sorts names: runs of digits by their value ("week 2"
// before "week 10"), the rest by letter in any case, and names that differ by case alone in
// one order. The same in every locale, as a collator of the C locale would not be.
bool NameBefore(const QString& a, const QString& b) {
    const auto digit = [](QChar c) { return c >= u'0' && c <= u'9'; };
    qsizetype i = 0, j = 0;
    while (i < a.size() && j < b.size()) {
        if (digit(a[i]) && digit(b[j])) {
            const qsizetype fromA = i, fromB = j;
            while (i < a.size() && digit(a[i])) {
                ++i;
            }
            while (j < b.size() && digit(b[j])) {
                ++j;
            }
            // Without leading zeros a longer run is a larger number; one as long compares by
            // its digits.
            QStringView digitsA = QStringView(a).sliced(fromA, i - fromA);
            QStringView digitsB = QStringView(b).sliced(fromB, j - fromB);
            while (digitsA.size() > 1 && digitsA.front() == u'0') {
                digitsA = digitsA.sliced(1);
            }
            while (digitsB.size() > 1 && digitsB.front() == u'0') {
                digitsB = digitsB.sliced(1);
            }
            if (digitsA.size() != digitsB.size()) {
                return digitsA.size() < digitsB.size();
            }
            if (const int order = digitsA.compare(digitsB); order != 0) {
                return order < 0;
            }
            continue;
        }
        const QChar x = a[i].toCaseFolded(), y = b[j].toCaseFolded();
        if (x != y) {
            return x < y;
        }
        ++i;
        ++j;
    }
    if (a.size() - i != b.size() - j) {
        return a.size() - i < b.size() - j;
    }
    return a < b;
}

}  // namespace

QString FilterName(const SessionFilter& filter) {
    switch (filter.by) {
        case SessionFilter::By::Kind:
            if (filter.kind == TableKind::Rounds) {
                //: A choice of the sessions shown: those of tables of rounds.
                return QCoreApplication::translate("History", "Tables of rounds");
            }
            //: A choice of the sessions shown: those of classic tables of six settings.
            return QCoreApplication::translate("History", "Classic tables");
        case SessionFilter::By::Table:
            return filter.table;
        case SessionFilter::By::All:
            break;
    }
    //: A choice of the sessions shown: all of them.
    return QCoreApplication::translate("History", "All tables");
}

QList<SessionFilter> FilterChoices(const LogSummary& log) {
    QList<SessionFilter> choices = {
        {},
        {SessionFilter::By::Kind, TableKind::Classic, {}},
        {SessionFilter::By::Kind, TableKind::Rounds, {}},
    };
    // A name run as both kinds is in the list of tables twice, and offered once.
    QStringList names = QSet<QString>(log.tables.begin(), log.tables.end()).values();
    names.removeAll(QString());
    std::sort(names.begin(), names.end(), NameBefore);
    for (const QString& name : names) {
        choices.append({SessionFilter::By::Table, TableKind::Classic, name});
    }
    return choices;
}

LogSummary Filtered(const LogSummary& log, const SessionFilter& filter) {
    if (filter.by == SessionFilter::By::All) {
        return log;
    }
    // Whether each table is shown, looked up once rather than for every session.
    QList<bool> shown(log.tables.size());
    for (qsizetype i = 0; i < log.tables.size(); ++i) {
        shown[i] = filter.by == SessionFilter::By::Kind ? log.kinds[i] == filter.kind
                                                        : log.tables[i] == filter.table;
    }
    LogSummary filtered;
    filtered.scan = log.scan;
    filtered.tables = log.tables;
    filtered.kinds = log.kinds;
    for (const SessionSummary& session : log.sessions) {
        if (shown[session.table]) {
            filtered.sessions.append(session);
            filtered.holds += session.holds;
            filtered.heldSeconds += session.heldSeconds;
        }
    }
    return filtered;
}

}  // namespace vellorin
