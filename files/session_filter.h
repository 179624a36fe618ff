#pragma once

#include <QList>
#include <QString>

#include "log_summary.h"

namespace vellorin {

// Which of a log's sessions History shows: all of them, those of one kind of table, or those
// of one table file, so that one kind of work can be followed on its own.
struct SessionFilter {
    enum class By { All, Kind, Table };
    By by = By::All;
    TableKind kind = TableKind::Classic;
    QString table;  // the table file's name, as the log's table column has it

    bool operator==(const SessionFilter&) const = default;
};

// "All tables", "Classic tables", "Tables of rounds", or the table file's name.
QString FilterName(const SessionFilter& filter);
// What a log offers: all tables, each kind, then every table file's name its sessions ran
// (none for sessions without one), ordered as a person would look for them, "week 2"
// before "week 10".
QList<SessionFilter> FilterChoices(const LogSummary& log);
// The log with only the sessions the filter shows, their holds counted and summed; what reading it
// found and its tables stay as they were.
LogSummary Filtered(const LogSummary& log, const SessionFilter& filter);

}  // namespace vellorin
