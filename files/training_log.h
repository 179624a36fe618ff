#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

#include "damaged_lines.h"
#include "log_columns.h"
#include "session_recorder.h"

namespace vellorin {

// The training log: every hold of every session, one CSV file (RFC 4180: comma-separated,
// fields with a comma, a quote or a line break in double quotes, quotes doubled; CRLF line
// ends; UTF-8; a header row, kLogHeader in a new log), "training-log.csv" in the user's own
// data folder. Its last four columns keep what the sensors said in the hold, as whole numbers
// in decimal, each empty when no valid value came: hr_start the heart rate at the hold's
// first second and hr_lowest the lowest in it (beats per minute, 1 to 300), spo2_lowest the
// lowest SpO2 (percent, 0 to 100) and spo2_lowest_second the second of the hold it first came
// at (0 to held_seconds). The values second by second are in the samples files (see
// sensor_samples_file.h).
// A larger log is refused from its size, before a byte of it is read.
inline constexpr qint64 kMaxLogBytes = qint64{1} << 30;

// One row of the log: a hold. A row of a log without the rule columns is of a classic
// table, its hold timed by planned_seconds and its rest not told, unless it is a table of
// rounds kept as LogRows keeps one there.
struct LogRow {
    QDateTime sessionStart;
    QString table;
    QStringList settings;  // the six field texts; none for a table of rounds
    HoldRecord hold;
    TableKind kind = TableKind::Classic;
};

// A whole log read into memory, for a log known to be small.
struct LogRead {
    QList<LogRow> rows;
    QList<DamagedLine> skipped;  // the lines left out, and why
    QString problem;             // why the file could not be read at all; empty when it could
};

// What reading the log a row at a time found besides its rows.
struct LogScan {
    bool exists = false;   // there is a log (which may still not be readable)
    QString problem;       // why it could not be read, naming it; empty when it could
    DamagedLines damaged;  // the lines left out
    bool cancelled = false;
};

QString TrainingLogPath(const QString& userDataFolder);
// Reads CSV text by the names of its header's columns (a text without a header by the
// order of kLogHeader, kLogHeaderWithoutSensors or kLogHeaderWithoutRules, as its rows' counts
// say). A row of 14, 17 or 21 fields under a header of another count is read in the order of
// the header of that count, as this version and older ones write it. Rows of another column
// count, cut short (an open quote or no line end at the end of the file), or holding a value
// no hold of the log can have (negative seconds, a loop outside 1 to 32767, a number with
// anything but digits, a kind or a rule that is not one of log_rules.h, a sensor value out of
// its range above, a spo2_lowest_second without a spo2_lowest) are left out by line: a value
// the writer never writes means the row was damaged, and its other fields are no surer. A
// byte-order mark before the header is taken as no part of it.
LogRead ParseLog(const QByteArray& bytes);
LogRead ReadLog(const QString& path);
// Reads the log a chunk at a time, handing every hold to onRow (the rows of a session share
// its texts) in memory that does not grow with the file. cancelled, when given, is asked
// between chunks; a log larger than kMaxLogBytes is refused from its size.
LogScan ScanLog(const QString& path, const std::function<void(const LogRow&)>& onRow,
                const std::function<bool()>& cancelled = {});
// Appends the session's rows whole (the header first into a new file) and syncs them to the
// disk, in the columns of the file's own header: a log begun by an older version keeps its
// header, and every row in it stays one that version reads; a write that fails is taken back,
// so the file keeps what it held. Appends from several windows at once take turns, so that a
// new log gets one header. Returns an empty text, or why the rows could not be kept.
// A log whose header is exactly kLogHeaderWithoutSensors gains the sensors' names the first
// time a session with sensor values is appended, so that the values are kept: the file is
// written anew beside it with every byte after the header line as it was, and put in place
// once synced, under the lock the appends take turns by. The version before reads such a log,
// its old rows by their count and the new ones by the header. Where that cannot be done (a
// folder the user cannot write, a full disk, Windows, which will not replace an open file),
// the file stays as it was, the rows go in as they would without it, and the values stay in
// the samples file alone. A header of 14 columns, or of another order, is never changed.
QString AppendToLog(const QString& path, const SessionRecord& session);

}  // namespace vellorin
