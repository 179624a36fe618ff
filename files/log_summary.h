#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

#include "training_log.h"

namespace vellorin {

// One session of the training log, summed up: what History shows of it, in a few bytes, so
// that a log of a million sessions is summed up in tens of megabytes.
struct SessionSummary {
    qint64 startMs = 0;      // since the epoch
    qint32 startOffset = 0;  // the seconds ahead of UTC its start was written with
    qint32 table = 0;        // the index of its table in LogSummary::tables
    qint32 holds = 0;
    qint32 marked = 0;  // the holds with a first contraction
    qint32 firstContractionLow = 0;
    qint32 firstContractionHigh = 0;
    // Sums in 64 bits: the holds of a log cannot add up past them.
    qint64 heldSeconds = 0;
    qint64 firstContractionSum = 0;
    qint64 contractions = 0;
    // By the sensors: the largest drop of the heart rate in a hold (its rate at the first
    // second less its lowest), and the lowest SpO2 of the session; -1 where none came.
    qint16 hrDrop = -1;
    qint16 spo2Lowest = -1;

    QDateTime Start() const;
    bool HasSensors() const { return hrDrop >= 0 || spo2Lowest >= 0; }
    // Over the holds with a mark; nothing when none has one.
    std::optional<double> MeanFirstContraction() const;
};

// The sessions of a log in the order they were kept, and what reading it found.
struct LogSummary {
    LogScan scan;
    // The tables: a name with the kind it was run as, each once, so that a session's table
    // tells its kind without a byte more.
    QStringList tables;
    QList<TableKind> kinds;
    QList<SessionSummary> sessions;
    qint64 holds = 0;
    qint64 heldSeconds = 0;  // of every hold

    const QString& Table(const SessionSummary& session) const { return tables[session.table]; }
    TableKind Kind(const SessionSummary& session) const { return kinds[session.table]; }
};

// Gathers rows into sessions: a session is a run of rows with one start, one table and one
// kind of table.
class SessionSummer {
public:
    void Add(const LogRow& row);
    LogSummary& Summary() { return summary_; }

private:
    LogSummary summary_;
    QDateTime lastStart_;
    QString lastTable_;
    TableKind lastKind_ = TableKind::Classic;
    QHash<QString, qint32> tableIndex_[2];  // by kind
};

// Reads the log at path a chunk at a time into its sessions (see ScanLog).
LogSummary SummarizeLog(const QString& path, const std::function<bool()>& cancelled = {});
LogSummary SummarizeRows(const QList<LogRow>& rows);

// Writes the sessions as CSV, a header row first, to path; returns why it could not.
QString WriteSessionsCsv(const QString& path, const LogSummary& summary,
                         const std::function<bool()>& cancelled = {});
// Copies the log at from to the file to, a chunk at a time; returns why it could not.
QString CopyLog(const QString& from, const QString& to,
                const std::function<bool()>& cancelled = {});

}  // namespace vellorin
