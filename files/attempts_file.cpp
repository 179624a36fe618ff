#include "attempts_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <algorithm>

#include "file_access.h"
#include "message_text.h"

namespace vellorin {
namespace {

const char kHeader[] =
    "# Vellorin personal-best attempts: the date and time each began (ISO 8601 with its "
    "offset from UTC) and the seconds held.\n";
constexpr int kMostSeconds = 24 * 60 * 60;

std::optional<Attempt> ParseLine(const QByteArray& line) {
    const QList<QByteArray> fields = line.simplified().split(' ');
    if (fields.size() != 2) {
        return std::nullopt;
    }
    const QDateTime when = QDateTime::fromString(QString::fromLatin1(fields[0]), Qt::ISODate);
    bool whole = false;
    const int seconds = fields[1].toInt(&whole);
    // The offset must be written ("+01:00" or "Z"): a time without one names no moment.
    const bool offset = fields[0].endsWith('Z') || fields[0].lastIndexOf('+') > 10 ||
                        fields[0].lastIndexOf('-') > 10;
    if (!when.isValid() || !offset || !whole || seconds < 1 || seconds > kMostSeconds) {
        return std::nullopt;
    }
    return Attempt{when, seconds};
}

}  // namespace

QString AttemptsPath(const QString& userDataFolder) {
    return userDataFolder + QDir::separator() + "personal-bests.txt";
}

QByteArray AttemptLine(const Attempt& attempt) {
    // Written with its offset from UTC, so that the line names one moment anywhere.
    const QDateTime when = attempt.when.toOffsetFromUtc(attempt.when.offsetFromUtc());
    return when.toString(Qt::ISODate).toLatin1() + ' ' + QByteArray::number(attempt.seconds);
}

AttemptsRead ParseAttempts(const QByteArray& bytes, const QString& path) {
    AttemptsRead read;
    const QList<QByteArray> lines = bytes.split('\n');
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QByteArray line = lines[i].trimmed();
        if (line.isEmpty() || line.startsWith('#')) {
            continue;
        }
        if (const std::optional<Attempt> attempt = ParseLine(line)) {
            read.attempts.append(*attempt);
        } else {
            read.skipped.append(QStringLiteral("Skipped line %1 of \"%2\": it is not a date and "
                                               "time with its offset followed by the seconds "
                                               "held.")
                                    .arg(i + 1)
                                    .arg(path));
        }
    }
    return read;
}

AttemptsRead ReadAttemptsFile(const QString& path) {
    if (!QFileInfo::exists(path)) {
        return {};
    }
    const FileRead file = ReadRegularFile(path, kMaxAttemptsFileBytes);
    if (!file.problem.isEmpty()) {
        AttemptsRead read;
        read.problem =
            QStringLiteral("Could not read the attempts in \"%1\": %2.").arg(path, file.problem);
        return read;
    }
    return ParseAttempts(file.bytes, path);
}

QString AppendAttempt(const QString& path, const Attempt& attempt) {
    QByteArray bytes = kHeader;
    if (QFileInfo::exists(path)) {
        const FileRead file = ReadRegularFile(path, kMaxAttemptsFileBytes);
        if (!file.problem.isEmpty()) {
            return file.problem;
        }
        bytes = file.bytes;
        if (!bytes.isEmpty() && !bytes.endsWith('\n')) {
            bytes += '\n';  // a last line cut short stays a line of its own
        }
    }
    bytes += AttemptLine(attempt) + '\n';
    QDir().mkpath(QFileInfo(path).absolutePath());
    return ReplaceFileWith(path, bytes);
}

std::optional<int> BestSeconds(const QList<Attempt>& attempts) {
    if (attempts.isEmpty()) {
        return std::nullopt;
    }
    return std::ranges::max(attempts, {}, &Attempt::seconds).seconds;
}

}  // namespace vellorin
