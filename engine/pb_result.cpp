// What a finished personal-best test says, and the attempt it keeps.
#include "allgemein.h"
#include "attempts_file.h"
#include "message_text.h"
#include "pb_test.h"

namespace vellorin {
namespace {

// How the hold compares with the attempts before it. Only what the file showed is claimed:
// with lines left out, the best of the others is no personal best.
QString Comparison(qint32 held, const AttemptsRead& before) {
    const std::optional<int> best = BestSeconds(before.attempts);
    const bool whole = before.skipped.isEmpty();
    if (!best) {
        return whole ? QStringLiteral(" It is your personal best.")
                     : QStringLiteral(" No attempt before it could be read.");
    }
    if (held > *best) {
        return whole ? QStringLiteral(" A new personal best: it was %1.").arg(HeldText(*best))
                     : QStringLiteral(" It beats the best attempt that could be read, %1.")
                           .arg(HeldText(*best));
    }
    return whole
               ? QStringLiteral(" Your personal best is %1.").arg(HeldText(*best))
               : QStringLiteral(" The best attempt that could be read is %1.").arg(HeldText(*best));
}

}  // namespace

QString HeldText(qint32 seconds) {
    if (seconds >= 3600) {
        return FormatHours(seconds);
    }
    return QStringLiteral("%1:%2").arg(seconds / 60).arg(seconds % 60, 2, 10, QLatin1Char('0'));
}

PbResult KeepPbAttempt(const QString& path, qint32 held, const QDateTime& began) {
    if (held < kShortestAttemptSeconds) {
        return {QStringLiteral("The test ended within the first second of the hold: too short "
                               "for an attempt, so nothing was kept."),
                false};
    }
    const AttemptsRead before = ReadAttemptsFile(path);
    QString text = QStringLiteral("You held your breath for %1.").arg(HeldText(held));
    if (before.problem.isEmpty()) {
        text += Comparison(held, before);
    } else {
        text += QStringLiteral(" Whether it is a personal best is not known.\n\n") + before.problem;
    }
    const QString failure = AppendAttempt(path, {began, held});
    if (!failure.isEmpty()) {
        text += QStringLiteral("\n\nThe attempt could not be kept in \"%1\": %2.")
                    .arg(path, WithoutFullStop(failure));
    }
    if (!before.skipped.isEmpty()) {
        text += QStringLiteral("\n\n") + DamagedLinesMessage(path, before.skipped);
    }
    return {text, before.problem.isEmpty() && before.skipped.isEmpty() && failure.isEmpty()};
}

}  // namespace vellorin
