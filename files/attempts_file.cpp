#include "attempts_file.h"

#include <QCoreApplication>
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
const char kBom[] = "\xEF\xBB\xBF";

// Why a line is no attempt; empty when it is one, which is then put in attempt.
QString ParseLine(const QByteArray& line, Attempt& attempt) {
    // A NUL or another control byte is no part of a date or a number: "3\0 10" is no 3 s.
    if (std::ranges::any_of(line, [](char c) {
            return (static_cast<unsigned char>(c) < 0x20 && c != '\t') || c == 0x7f;
        })) {
        //: Why a line ("it") of the personal-best attempts file is left out.
        return QCoreApplication::translate("AttemptsFile", "it holds a control character");
    }
    const QList<QByteArray> fields = line.simplified().split(' ');
    if (fields.size() != 2) {
        //: Why a line ("it") of the personal-best attempts file is left out.
        return QCoreApplication::translate(
            "AttemptsFile", "it is not a date and time followed by the seconds held");
    }
    const QDateTime when = QDateTime::fromString(QString::fromLatin1(fields[0]), Qt::ISODate);
    // The offset must be written ("+01:00" or "Z"): a time without one names no moment.
    const bool offset = fields[0].endsWith('Z') || fields[0].lastIndexOf('+') > 10 ||
                        fields[0].lastIndexOf('-') > 10;
    if (!when.isValid() || !offset) {
        //: Why a line ("it") of the personal-best attempts file is left out.
        return QCoreApplication::translate(
            "AttemptsFile", "it does not begin with a date and time with its offset from UTC");
    }
    bool whole = std::ranges::all_of(fields[1], [](char c) { return c >= '0' && c <= '9'; });
    const qlonglong seconds = whole ? fields[1].toLongLong(&whole) : 0;
    if (!whole || seconds < kShortestAttemptSeconds || seconds > kLongestAttemptSeconds) {
        //: Why a line of the personal-best attempts file is left out.
        return QCoreApplication::translate("AttemptsFile",
                                           "the seconds held are not a whole number from %1 to %2")
            .arg(QString::number(kShortestAttemptSeconds), QString::number(kLongestAttemptSeconds));
    }
    attempt.when = when;
    attempt.seconds = static_cast<int>(seconds);
    return {};
}

// The file's lines, a byte-order mark before the first taken off; each keeps its own bytes.
QList<QByteArray> Lines(const QByteArray& bytes) {
    QList<QByteArray> lines = bytes.split('\n');
    if (lines.constFirst().startsWith(kBom)) {
        lines.first().remove(0, qstrlen(kBom));
    }
    return lines;
}

// The file's bytes, an empty text for none yet, or why it cannot be read.
FileRead CurrentBytes(const QString& path) {
    if (!QFileInfo::exists(path)) {
        return {};
    }
    return ReadRegularFile(path, kMaxAttemptsFileBytes);
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

AttemptsRead ParseAttempts(const QByteArray& bytes) {
    AttemptsRead read;
    const QList<QByteArray> lines = Lines(bytes);
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QByteArray line = lines[i].trimmed();
        if (line.isEmpty() || line.startsWith('#')) {
            continue;
        }
        Attempt attempt;
        attempt.line = static_cast<int>(i + 1);
        if (const QString reason = ParseLine(line, attempt); reason.isEmpty()) {
            read.attempts.append(attempt);
        } else {
            read.skipped.append({attempt.line, reason});
        }
    }
    return read;
}

AttemptsRead ReadAttemptsFile(const QString& path) {
    const FileRead file = CurrentBytes(path);
    if (!file.problem.isEmpty()) {
        AttemptsRead read;
        //: %1 is the attempts file's name, %2 the reason it cannot be read.
        read.problem = QCoreApplication::translate("AttemptsFile",
                                                   "Could not read the attempts in \"%1\": %2.")
                           .arg(path, WithoutFullStop(file.problem));
        return read;
    }
    return ParseAttempts(file.bytes);
}

QString AppendAttempt(const QString& path, const Attempt& attempt) {
    const FileRead file = CurrentBytes(path);
    if (!file.problem.isEmpty()) {
        return file.problem;
    }
    QByteArray bytes = QFileInfo::exists(path) ? file.bytes : QByteArray(kHeader);
    if (!bytes.isEmpty() && !bytes.endsWith('\n')) {
        bytes += '\n';  // a last line cut short stays a line of its own
    }
    bytes += AttemptLine(attempt) + '\n';
    QDir().mkpath(QFileInfo(path).absolutePath());
    return ReplaceFileWith(path, bytes);
}

QString RemoveAttempt(const QString& path, const Attempt& attempt) {
    const FileRead file = CurrentBytes(path);
    if (!file.problem.isEmpty()) {
        return file.problem;
    }
    QList<QByteArray> lines = file.bytes.split('\n');
    const qsizetype index = attempt.line - 1;
    Attempt there;
    // The line must still hold this attempt: the file may have changed since it was read.
    if (index < 0 || index >= lines.size() ||
        !ParseLine(Lines(file.bytes)[index].trimmed(), there).isEmpty() ||
        there.when != attempt.when || there.seconds != attempt.seconds) {
        //: Why an attempt could not be removed from the personal-best attempts file.
        return QCoreApplication::translate(
            "AttemptsFile", "the file has changed since it was read; open the list again");
    }
    if (index == 0 && lines[0].startsWith(kBom)) {
        lines[0] = kBom;  // the mark stays where it was
    } else {
        lines.removeAt(index);
    }
    return ReplaceFileWith(path, lines.join('\n'));
}

std::optional<int> BestSeconds(const QList<Attempt>& attempts) {
    if (attempts.isEmpty()) {
        return std::nullopt;
    }
    return std::ranges::max(attempts, {}, &Attempt::seconds).seconds;
}

}  // namespace vellorin
