#include "training_log.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <functional>
#include <iterator>

#include "file_access.h"
#include "message_text.h"

namespace vellorin {
namespace {

constexpr qint64 kMaxLogBytes = qint64{1} << 30;

// Reads CSV text a record at a time. A record ends at a line break outside quotes; one left
// open at the end of the text (an open quote, or no line break) is reported as cut short.
struct CsvRecord {
    QStringList fields;
    int line = 0;  // the line it starts on, from 1
    bool cutShort = false;
};

class CsvReader {
public:
    explicit CsvReader(const QByteArray& bytes) : bytes_(bytes) {}

    // The next record into record; false at the end of the text.
    bool Next(CsvRecord& record) {
        if (at_ >= bytes_.size()) {
            return false;
        }
        record.fields.clear();
        record.line = line_;
        record.cutShort = false;
        QByteArray field;
        bool quoted = false;
        bool fieldStarted = false;
        for (; at_ < bytes_.size(); ++at_) {
            const char c = bytes_[at_];
            if (quoted) {
                if (c == '"' && at_ + 1 < bytes_.size() && bytes_[at_ + 1] == '"') {
                    field += '"';
                    ++at_;
                } else if (c == '"') {
                    quoted = false;
                } else {
                    line_ += c == '\n' ? 1 : 0;
                    field += c;
                }
            } else if (c == '"' && !fieldStarted) {
                quoted = true;
                fieldStarted = true;
            } else if (c == ',') {
                record.fields.append(QString::fromUtf8(field));
                field.clear();
                fieldStarted = false;
            } else if (c == '\n' || c == '\r') {
                if (c == '\r' && at_ + 1 < bytes_.size() && bytes_[at_ + 1] == '\n') {
                    ++at_;
                }
                ++at_;
                ++line_;
                record.fields.append(QString::fromUtf8(field));
                return true;
            } else {
                field += c;
                fieldStarted = true;
            }
        }
        record.fields.append(QString::fromUtf8(field));
        record.cutShort = true;
        return true;
    }

private:
    const QByteArray& bytes_;
    qsizetype at_ = 0;
    int line_ = 1;
};

std::optional<LogRow> ParseRow(const QStringList& fields) {
    if (fields.size() != kLogColumns) {
        return std::nullopt;
    }
    LogRow row;
    row.sessionStart = QDateTime::fromString(fields[0], Qt::ISODate);
    row.table = fields[1];
    row.settings = fields.mid(2, 6);
    bool ok[5] = {};
    row.hold.loop = static_cast<qint16>(fields[8].toInt(&ok[0]));
    row.hold.planned = fields[9].toInt(&ok[1]);
    row.hold.held = fields[10].toInt(&ok[2]);
    if (!fields[11].isEmpty()) {
        row.hold.firstContraction = fields[11].toInt(&ok[3]);
    } else {
        ok[3] = true;
    }
    row.hold.contractions = fields[12].toInt(&ok[4]);
    const bool completed = fields[13] == QLatin1String("yes");
    if (!row.sessionStart.isValid() ||
        !std::all_of(std::begin(ok), std::end(ok), std::identity()) ||
        (!completed && fields[13] != QLatin1String("no")) || row.hold.held < 0 ||
        row.hold.contractions < 0) {
        return std::nullopt;
    }
    row.hold.completed = completed;
    return row;
}

}  // namespace

QString TrainingLogPath(const QString& userDataFolder) {
    return userDataFolder + QDir::separator() + "training-log.csv";
}

QByteArray CsvField(const QString& text) {
    QByteArray bytes = text.toUtf8();
    if (bytes.contains(',') || bytes.contains('"') || bytes.contains('\n') ||
        bytes.contains('\r')) {
        bytes.replace("\"", "\"\"");
        bytes = '"' + bytes + '"';
    }
    return bytes;
}

QByteArray LogRows(const SessionRecord& session) {
    const QDateTime start = session.start.toOffsetFromUtc(session.start.offsetFromUtc());
    QByteArray prefix = CsvField(start.toString(Qt::ISODate)) + ',' + CsvField(session.table);
    for (const QString& setting : session.settings) {
        prefix += ',' + CsvField(setting);
    }
    QByteArray rows;
    for (const HoldRecord& hold : session.holds) {
        rows += prefix + ',' + QByteArray::number(hold.loop) + ',' +
                QByteArray::number(hold.planned) + ',' + QByteArray::number(hold.held) + ',' +
                (hold.firstContraction ? QByteArray::number(*hold.firstContraction) : "") + ',' +
                QByteArray::number(hold.contractions) + ',' + (hold.completed ? "yes" : "no") +
                "\r\n";
    }
    return rows;
}

LogRead ParseLog(const QByteArray& bytes, const QString& path) {
    LogRead read;
    CsvReader reader(bytes);
    CsvRecord record;
    for (bool first = true; reader.Next(record); first = false) {
        if (first && record.fields.join(',') == QLatin1String(kLogHeader)) {
            continue;
        }
        if (record.fields.size() == 1 && record.fields[0].isEmpty() && !record.cutShort) {
            continue;  // an empty line
        }
        std::optional<LogRow> row = record.cutShort ? std::nullopt : ParseRow(record.fields);
        if (!row) {
            read.skipped.append(
                QStringLiteral("Left out line %1 of \"%2\": %3.")
                    .arg(record.line)
                    .arg(path, record.cutShort ? QStringLiteral("the row was cut short")
                               : record.fields.size() != kLogColumns
                                   ? QStringLiteral("it has %1 columns, not %2")
                                         .arg(record.fields.size())
                                         .arg(kLogColumns)
                                   : QStringLiteral("it is not a hold of the log")));
            continue;
        }
        // The rows of a session share its table and settings instead of each holding a copy.
        if (!read.rows.isEmpty() && read.rows.constLast().table == row->table &&
            read.rows.constLast().settings == row->settings) {
            row->table = read.rows.constLast().table;
            row->settings = read.rows.constLast().settings;
        }
        read.rows.append(*row);
    }
    return read;
}

LogRead ReadLog(const QString& path) {
    if (!QFileInfo::exists(path)) {
        return {};
    }
    const FileRead file = ReadRegularFile(path, kMaxLogBytes);
    if (!file.problem.isEmpty()) {
        LogRead read;
        read.problem =
            QStringLiteral("Could not read the training log \"%1\": %2.").arg(path, file.problem);
        return read;
    }
    return ParseLog(file.bytes, path);
}

QString AppendToLog(const QString& path, const SessionRecord& session) {
    if (const QString problem = WriteTargetProblem(path); !problem.isEmpty()) {
        return problem;
    }
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    if (!file.open(QIODevice::ReadWrite | QIODevice::Append | QIODevice::Unbuffered)) {
        return WithoutFullStop(file.errorString());
    }
    const qint64 before = file.size();
    QByteArray bytes;
    if (before == 0) {
        bytes = QByteArray(kLogHeader) + "\r\n";
    } else {
        // A row a crash cut short is left as it is, ended, so that it cannot take the new rows
        // into a field it left open: an odd count of quotes means one is open.
        char last = 0;
        if (file.seek(before - 1) && file.getChar(&last) && last != '\n' && file.seek(0)) {
            const QByteArray all = file.read(kMaxLogBytes);
            bytes = all.count('"') % 2 != 0 ? "\"\r\n" : "\r\n";
        }
        file.seek(before);
    }
    bytes += LogRows(session);
    const QString reason = WriteAll(file, bytes.constData(), bytes.size())
                               ? SyncToDisk(file)
                               : WithoutFullStop(file.errorString());
    if (!reason.isEmpty()) {
        file.resize(before);  // nothing of a failed session stays half-written
        return reason;
    }
    return {};
}

}  // namespace vellorin
