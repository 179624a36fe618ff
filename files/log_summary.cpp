#include "log_summary.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QSaveFile>
#include <algorithm>

#include "file_access.h"
#include "message_text.h"

namespace vellorin {
namespace {

constexpr qsizetype kChunkBytes = 256 * 1024;

// Writes what chunks() gives into a file that replaces path once all is written and synced;
// chunks() appends to its buffer and returns false when it has no more to give.
QString WriteInChunks(const QString& path, const std::function<bool(QByteArray&)>& chunks,
                      const std::function<bool()>& cancelled) {
    QSaveFile file;
    if (const QString problem = OpenForReplacing(file, path); !problem.isEmpty()) {
        return problem;
    }
    QByteArray buffer;
    for (bool more = true; more;) {
        buffer.resize(0);
        more = chunks(buffer);
        if (!WriteAll(file, buffer.constData(), buffer.size())) {
            const QString reason = WithoutFullStop(file.errorString());
            file.cancelWriting();
            return reason;
        }
        // Asked after the last chunk too: a copy that could not read all is never put in place.
        if (cancelled && cancelled()) {
            file.cancelWriting();
            //: Why the training log's copy was not written: the user stopped it.
            return QCoreApplication::translate("TrainingLog", "the export was stopped");
        }
    }
    return SyncAndCommit(file);
}

}  // namespace

QDateTime SessionSummary::Start() const {
    return QDateTime::fromMSecsSinceEpoch(startMs, Qt::OffsetFromUTC, startOffset);
}

std::optional<double> SessionSummary::MeanFirstContraction() const {
    if (marked == 0) {
        return std::nullopt;
    }
    return static_cast<double>(firstContractionSum) / marked;
}

void SessionSummer::Add(const LogRow& row) {
    QList<SessionSummary>& sessions = summary_.sessions;
    if (sessions.isEmpty() || row.sessionStart != lastStart_ || row.table != lastTable_ ||
        row.kind != lastKind_) {
        lastStart_ = row.sessionStart;
        lastTable_ = row.table;
        lastKind_ = row.kind;
        QHash<QString, qint32>& ofKind = tableIndex_[row.kind == TableKind::Rounds ? 1 : 0];
        auto index = ofKind.find(row.table);
        if (index == ofKind.end()) {
            index = ofKind.insert(row.table, static_cast<qint32>(summary_.tables.size()));
            summary_.tables.append(row.table);
            summary_.kinds.append(row.kind);
        }
        SessionSummary next;
        next.startMs = row.sessionStart.toMSecsSinceEpoch();
        next.startOffset = row.sessionStart.offsetFromUtc();
        next.table = *index;
        sessions.append(next);
    }
    SessionSummary& session = sessions.last();
    const HoldRecord& hold = row.hold;
    ++summary_.holds;
    summary_.heldSeconds += hold.held;
    ++session.holds;
    session.heldSeconds += hold.held;
    session.contractions += hold.contractions;
    const HoldSensors& sensors = hold.sensors;
    if (sensors.hrStart && sensors.hrLowest) {
        const int drop = std::max(0, *sensors.hrStart - *sensors.hrLowest);
        session.hrDrop = static_cast<qint16>(std::max<int>(session.hrDrop, drop));
    }
    if (sensors.spo2Lowest) {
        session.spo2Lowest = static_cast<qint16>(
            session.spo2Lowest < 0 ? *sensors.spo2Lowest
                                   : std::min<int>(session.spo2Lowest, *sensors.spo2Lowest));
    }
    if (hold.firstContraction) {
        const qint32 first = *hold.firstContraction;
        session.firstContractionLow =
            session.marked == 0 ? first : std::min(session.firstContractionLow, first);
        session.firstContractionHigh =
            session.marked == 0 ? first : std::max(session.firstContractionHigh, first);
        session.firstContractionSum += first;
        ++session.marked;
    }
}

LogSummary SummarizeLog(const QString& path, const std::function<bool()>& cancelled) {
    SessionSummer summer;
    const LogScan scan = ScanLog(
        path, [&summer](const LogRow& row) { summer.Add(row); }, cancelled);
    summer.Summary().scan = scan;
    return std::move(summer.Summary());
}

LogSummary SummarizeRows(const QList<LogRow>& rows) {
    SessionSummer summer;
    for (const LogRow& row : rows) {
        summer.Add(row);
    }
    return std::move(summer.Summary());
}

QString WriteSessionsCsv(const QString& path, const LogSummary& summary,
                         const std::function<bool()>& cancelled) {
    qsizetype next = -1;  // the header first
    return WriteInChunks(
        path,
        [&](QByteArray& csv) {
            for (; next < summary.sessions.size() && csv.size() < kChunkBytes; ++next) {
                if (next < 0) {
                    csv +=
                        "session_start,table,holds,held_seconds,mean_first_contraction_seconds,"
                        "first_contraction_low_seconds,first_contraction_high_seconds,"
                        "contractions\r\n";
                    continue;
                }
                const SessionSummary& s = summary.sessions[next];
                csv += CsvField(s.Start().toString(Qt::ISODate)) + ',' +
                       CsvField(summary.Table(s)) + ',' + QByteArray::number(s.holds) + ',' +
                       QByteArray::number(s.heldSeconds) + ',';
                if (const std::optional<double> mean = s.MeanFirstContraction()) {
                    csv += QByteArray::number(*mean, 'f', 1) + ',' +
                           QByteArray::number(s.firstContractionLow) + ',' +
                           QByteArray::number(s.firstContractionHigh);
                } else {
                    csv += ",,";
                }
                csv += ',' + QByteArray::number(s.contractions) + "\r\n";
            }
            return next < summary.sessions.size();
        },
        cancelled);
}

QString CopyLog(const QString& from, const QString& to, const std::function<bool()>& cancelled) {
    if (QFileInfo(from).canonicalFilePath() == QFileInfo(to).canonicalFilePath() &&
        QFileInfo::exists(to)) {
        //: Why the training log cannot be exported to the file chosen.
        return QCoreApplication::translate("TrainingLog", "it is the training log itself");
    }
    QFile log;
    if (const QString problem = OpenRegularFile(from, log); !problem.isEmpty()) {
        return problem;
    }
    QString failure;
    const QString written = WriteInChunks(
        to,
        [&](QByteArray& bytes) {
            bytes.resize(kChunkBytes);
            const qint64 got = log.read(bytes.data(), kChunkBytes);
            if (got < 0) {
                failure = WithoutFullStop(log.errorString());
            }
            bytes.resize(std::max<qint64>(got, 0));
            return got > 0;
        },
        [&] { return !failure.isEmpty() || (cancelled && cancelled()); });
    return failure.isEmpty() ? written : failure;
}

}  // namespace vellorin
