// The rules a table of rounds keeps to before it can be run, each naming the value to mend.
#include <algorithm>
#include <limits>

#include "rounds_table.h"

namespace vellorin {
namespace {

// A name shows in the window and in the log: a text of whole characters, without the
// control characters (tabs, line breaks) that would break either.
bool IsPlainText(const QString& text) {
    if (!QStringView(text).isValidUtf16()) {
        return false;
    }
    return std::none_of(text.begin(), text.end(),
                        [](QChar c) { return c.unicode() < 0x20 || c.unicode() == 0x7f; });
}

class ProblemList {
public:
    void Check(bool ok, int round, TableValue value, const QString& reason) {
        if (!ok) {
            problems_.append({round, value, reason});
        }
    }
    void Seconds(qint32 seconds, qint32 low, qint32 high, int round, TableValue value,
                 const char* what) {
        Check(seconds >= low && seconds <= high, round, value,
              QStringLiteral("%1 from %2 to %3 seconds")
                  .arg(QString::fromLatin1(what))
                  .arg(low)
                  .arg(high));
    }
    void Text(const QString& text, TableValue value, const char* what) {
        Check(TextLength(text) <= kMaxTextLength && IsPlainText(text), 0, value,
              QStringLiteral("%1 must be at most %2 characters, without control characters")
                  .arg(QString::fromLatin1(what))
                  .arg(kMaxTextLength));
    }
    QList<TableProblem> Take() { return std::move(problems_); }

private:
    QList<TableProblem> problems_;
};

void CheckHold(ProblemList& problems, int round, const HoldRule& hold) {
    switch (hold.end) {
        case HoldRule::End::Time:
            problems.Seconds(hold.seconds, 1, kMaxPhaseSeconds, round, TableValue::HoldSeconds,
                             "the hold must last");
            return;
        case HoldRule::End::FirstContraction:
            problems.Seconds(hold.margin, 0, kMaxMargin, round, TableValue::Margin,
                             "the margin after the first contraction must be");
            break;
        case HoldRule::End::Contractions:
            problems.Check(hold.contractions >= 1 && hold.contractions <= kMaxContractions, round,
                           TableValue::Contractions,
                           QStringLiteral("the number of contractions must be from 1 to %1")
                               .arg(kMaxContractions));
            break;
    }
    problems.Seconds(hold.cap, 1, kMaxPhaseSeconds, round, TableValue::Cap, "the cap must be");
    problems.Seconds(hold.minimum, 0, kMaxPhaseSeconds, round, TableValue::Minimum,
                     "the minimum must be");
    problems.Check(hold.cap >= hold.minimum, round, TableValue::Cap,
                   QStringLiteral("the cap must be at least the minimum"));
}

void CheckRest(ProblemList& problems, int round, const RestRule& rest) {
    switch (rest.end) {
        case RestRule::End::Time:
            problems.Seconds(rest.seconds, 1, kMaxPhaseSeconds, round, TableValue::RestSeconds,
                             "the rest must last");
            return;
        case RestRule::End::Cycle:
            problems.Seconds(rest.cycle, 1, kMaxPhaseSeconds, round, TableValue::Cycle,
                             "the cycle must be");
            problems.Seconds(rest.floor, 1, kMaxPhaseSeconds, round, TableValue::Floor,
                             "the shortest rest of the cycle must be");
            return;
        case RestRule::End::Breath:
            problems.Seconds(rest.maximum, 1, kMaxBreathSeconds, round, TableValue::BreathMaximum,
                             "the longest one-breath rest must be");
            return;
    }
}

}  // namespace

QList<TableProblem> TableProblems(const RoundsTable& table) {
    ProblemList problems;
    problems.Text(table.name, TableValue::Name, "the name");
    problems.Seconds(table.intro, 1, kMaxPhaseSeconds, 0, TableValue::Intro, "the intro must last");
    problems.Text(table.profile, TableValue::Profile, "the cue profile's name");
    problems.Check(!table.rounds.isEmpty(), 0, TableValue::Rounds,
                   QStringLiteral("the table must have at least one round"));
    // Every row is checked, the last one's rest too though it is never run, so that a row
    // stays valid wherever it is moved.
    for (int row = 0; row < table.rounds.size(); ++row) {
        const Round& round = table.rounds[row];
        problems.Check(round.repeat >= 1 && round.repeat <= kMaxRepeat, row + 1, TableValue::Repeat,
                       QStringLiteral("the repeat must be from 1 to %1").arg(kMaxRepeat));
        CheckHold(problems, row + 1, round.hold);
        CheckRest(problems, row + 1, round.rest);
    }
    const qint64 runRounds = RunRoundCount(table);
    problems.Check(runRounds <= kMaxRunRounds, 0, TableValue::Repeat,
                   QStringLiteral("the table runs %1 rounds with its repeats, more than %2")
                       .arg(runRounds)
                       .arg(kMaxRunRounds));
    // The session clock counts 32-bit seconds: a longer table could be loaded and listed, but
    // never started.
    const TableLength length = Length(table);
    constexpr qint64 kMaxSessionSeconds = std::numeric_limits<qint32>::max();
    problems.Check(length.seconds <= kMaxSessionSeconds, 0, TableValue::Repeat,
                   QStringLiteral("the table lasts %1%2 seconds in all, more than %3")
                       .arg(length.exact ? QString() : QStringLiteral("up to "))
                       .arg(length.seconds)
                       .arg(kMaxSessionSeconds));
    return problems.Take();
}

}  // namespace vellorin
