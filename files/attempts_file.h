#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QString>
#include <limits>
#include <optional>

#include "damaged_lines.h"

namespace vellorin {

// The personal-best attempts, kept in "personal-bests.txt" in the user's own data folder:
// plain UTF-8 text, one attempt a line, the date and time it began (ISO 8601 with its
// offset from UTC) and the seconds held, separated by a blank:
//     2026-12-07T21:03:00+01:00 192
// Lines that begin with "#" and empty lines are comments.
struct Attempt {
    QDateTime when;
    int seconds = 0;
    int line = 0;  // the file's line it was read from; 0 for one not read from a file
};

// An attempt holds at least a whole second, and at most what a test can count: every hold
// the program writes is one its reader takes back.
inline constexpr int kShortestAttemptSeconds = 1;
inline constexpr int kLongestAttemptSeconds = std::numeric_limits<qint32>::max();

// The attempts a file holds, the lines it had to leave out, and why the file could not be
// read at all (empty when it could, or when there is no file yet).
struct AttemptsRead {
    QList<Attempt> attempts;
    QList<DamagedLine> skipped;
    QString problem;
};

inline constexpr qint64 kMaxAttemptsFileBytes = 16 * 1024 * 1024;

QString AttemptsPath(const QString& userDataFolder);
// One attempt as its line, without the line end.
QByteArray AttemptLine(const Attempt& attempt);
AttemptsRead ParseAttempts(const QByteArray& bytes);
AttemptsRead ReadAttemptsFile(const QString& path);
// Adds an attempt: the file is written anew through a temporary file, every line it held
// kept as it was (a damaged one too), so that the attempt is there completely or not at all.
// Returns an empty text, or why it could not be kept.
QString AppendAttempt(const QString& path, const Attempt& attempt);
// Removes an attempt read from the file (by its line, which must still hold that attempt),
// rewriting the file as AppendAttempt does with every other line as it was. Returns an empty
// text, or why it could not be removed.
QString RemoveAttempt(const QString& path, const Attempt& attempt);
// The longest hold among the attempts; nothing when there are none.
std::optional<int> BestSeconds(const QList<Attempt>& attempts);

}  // namespace vellorin
