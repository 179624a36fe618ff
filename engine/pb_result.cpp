// What a finished personal-best test says, and the attempt it keeps.
#include <QCoreApplication>

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
        if (whole) {
            //: After "You held your breath for 3:05.": "it" is that hold.
            return QCoreApplication::translate("PersonalBest", "It is your personal best.");
        }
        //: After "You held your breath for 3:05.": "it" is that hold.
        return QCoreApplication::translate("PersonalBest", "No attempt before it could be read.");
    }
    const QString bestText = HeldText(*best);
    if (held > *best && whole) {
        //: %1 is the personal best before this attempt, a time like 3:05.
        return QCoreApplication::translate("PersonalBest", "A new personal best: it was %1.")
            .arg(bestText);
    }
    if (held > *best) {
        //: %1 is a time like 3:05.
        return QCoreApplication::translate("PersonalBest",
                                           "It beats the best attempt that could be read, %1.")
            .arg(bestText);
    }
    if (whole) {
        //: %1 is a time like 3:05.
        return QCoreApplication::translate("PersonalBest", "Your personal best is %1.")
            .arg(bestText);
    }
    //: %1 is a time like 3:05.
    return QCoreApplication::translate("PersonalBest", "The best attempt that could be read is %1.")
        .arg(bestText);
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
        //: After a personal-best test: nothing was kept in the attempts file.
        return {QCoreApplication::translate("PersonalBest",
                                            "The test ended within the first second of the hold: "
                                            "too short for an attempt, so nothing was kept."),
                false};
    }
    const AttemptsRead before = ReadAttemptsFile(path);
    //: %1 is the time held, like 3:05.
    QString text = QCoreApplication::translate("PersonalBest", "You held your breath for %1.")
                       .arg(HeldText(held));
    // Each sentence after the first is translated on its own, the space between kept out.
    const QString space = QStringLiteral(" ");
    if (before.problem.isEmpty()) {
        text += space + Comparison(held, before);
    } else {
        text +=
            space +
            //: After "You held your breath for 3:05.": "it" is that hold; the attempts file could
            //:  not be read.
            QCoreApplication::translate("PersonalBest",
                                        "Whether it is a personal best is not known.") +
            QStringLiteral("\n\n") + before.problem;
    }
    const QString failure = AppendAttempt(path, {began, held});
    if (!failure.isEmpty()) {
        //: %1 is the attempts file's name, %2 the system's reason it could not be written.
        text += QStringLiteral("\n\n") +
                QCoreApplication::translate("PersonalBest",
                                            "The attempt could not be kept in \"%1\": %2.")
                    .arg(path, WithoutFullStop(failure));
    }
    if (!before.skipped.isEmpty()) {
        text += QStringLiteral("\n\n") + DamagedLinesMessage(path, before.skipped);
    }
    return {text, before.problem.isEmpty() && before.skipped.isEmpty() && failure.isEmpty()};
}

}  // namespace vellorin
