#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

#include "session_recorder.h"

namespace vellorin {

// The training log: every hold of every session, one CSV file (RFC 4180: comma-separated,
// fields with a comma, a quote or a line break in double quotes, quotes doubled; CRLF line
// ends; UTF-8; a header row), "training-log.csv" in the user's own data folder.
inline constexpr char kLogHeader[] =
    "session_start,table,intro,hold,hold_increase,rest,rest_decrease,loops,loop,"
    "planned_seconds,held_seconds,first_contraction_seconds,contractions,completed";
inline constexpr int kLogColumns = 14;

// One row of the log: a hold.
struct LogRow {
    QDateTime sessionStart;
    QString table;
    QStringList settings;  // the six field texts
    HoldRecord hold;
};

struct LogRead {
    QList<LogRow> rows;
    QStringList skipped;  // sentences naming the file and each line left out
    QString problem;      // why the file could not be read at all; empty when it could
};

QString TrainingLogPath(const QString& userDataFolder);
// The rows of a session, each ending with CR LF.
QByteArray LogRows(const SessionRecord& session);
// Reads CSV text: rows of another column count, or cut short (an open quote or no line end
// at the end of the file), are left out with a sentence each.
LogRead ParseLog(const QByteArray& bytes, const QString& path);
LogRead ReadLog(const QString& path);
// Appends the session's rows whole (the header first into a new file) and syncs them to the
// disk; a write that fails is taken back, so the file keeps what it held. Returns an empty
// text, or why the rows could not be kept.
QString AppendToLog(const QString& path, const SessionRecord& session);
// Text as one CSV field: quoted when it holds a comma, a quote or a line break.
QByteArray CsvField(const QString& text);

}  // namespace vellorin
