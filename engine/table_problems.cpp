// The rules a table of rounds keeps to before it can be run, each naming the value to mend.
#include <QCoreApplication>
#include <algorithm>
#include <limits>

#include "message_text.h"
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

// Each check translates its reason only when it fails: a table of thousands of rows is checked
// on every edit and every load.
class ProblemList {
public:
    void Add(int round, TableValue value, const QString& reason) {
        problems_.append({round, value, reason});
    }
    // sentence is marked with QT_TRANSLATE_NOOP, %1 and %2 standing for low and high.
    void Seconds(qint32 seconds, qint32 low, qint32 high, int round, TableValue value,
                 const char* sentence) {
        if (seconds < low || seconds > high) {
            Add(round, value,
                QCoreApplication::translate("TableProblems", sentence)
                    .arg(QString::number(low), QString::number(high)));
        }
    }
    // sentence is marked with QT_TRANSLATE_NOOP, %1 standing for the most characters.
    void Text(const QString& text, TableValue value, const char* sentence) {
        if (TextLength(text) > kMaxTextLength || !IsPlainText(text)) {
            Add(0, value,
                QCoreApplication::translate("TableProblems", sentence).arg(kMaxTextLength));
        }
    }
    QList<TableProblem> Take() { return std::move(problems_); }

private:
    QList<TableProblem> problems_;
};

void CheckHold(ProblemList& problems, int round, const HoldRule& hold) {
    switch (hold.end) {
        case HoldRule::End::Time:
            //: A reason, after "Round 3: " or on its own with a capital first letter.
            problems.Seconds(
                hold.seconds, 1, kMaxPhaseSeconds, round, TableValue::HoldSeconds,
                QT_TRANSLATE_NOOP("TableProblems", "the hold must last from %1 to %2 seconds"));
            return;
        case HoldRule::End::FirstContraction:
            problems.Seconds(hold.margin, 0, kMaxMargin, round, TableValue::Margin,
                             QT_TRANSLATE_NOOP("TableProblems",
                                               "the margin after the first contraction must be "
                                               "from %1 to %2 seconds"));
            break;
        case HoldRule::End::Contractions:
            if (hold.contractions < 1 || hold.contractions > kMaxContractions) {
                problems.Add(round, TableValue::Contractions,
                             QCoreApplication::translate(
                                 "TableProblems", "the number of contractions must be from 1 to %1")
                                 .arg(kMaxContractions));
            }
            break;
    }
    //: The cap: the longest a hold that ends at a contraction may last.
    problems.Seconds(hold.cap, 1, kMaxPhaseSeconds, round, TableValue::Cap,
                     QT_TRANSLATE_NOOP("TableProblems", "the cap must be from %1 to %2 seconds"));
    //: The minimum: the shortest a hold that ends at a contraction may last.
    problems.Seconds(
        hold.minimum, 0, kMaxPhaseSeconds, round, TableValue::Minimum,
        QT_TRANSLATE_NOOP("TableProblems", "the minimum must be from %1 to %2 seconds"));
    if (hold.cap < hold.minimum) {
        problems.Add(
            round, TableValue::Cap,
            QCoreApplication::translate("TableProblems", "the cap must be at least the minimum"));
    }
}

void CheckRest(ProblemList& problems, int round, const RestRule& rest) {
    switch (rest.end) {
        case RestRule::End::Time:
            problems.Seconds(
                rest.seconds, 1, kMaxPhaseSeconds, round, TableValue::RestSeconds,
                QT_TRANSLATE_NOOP("TableProblems", "the rest must last from %1 to %2 seconds"));
            return;
        case RestRule::End::Cycle:
            //: The cycle: the time from one hold's start to the next one's.
            problems.Seconds(
                rest.cycle, 1, kMaxPhaseSeconds, round, TableValue::Cycle,
                QT_TRANSLATE_NOOP("TableProblems", "the cycle must be from %1 to %2 seconds"));
            problems.Seconds(rest.floor, 1, kMaxPhaseSeconds, round, TableValue::Floor,
                             QT_TRANSLATE_NOOP("TableProblems",
                                               "the shortest rest of the cycle must be from %1 to "
                                               "%2 seconds"));
            return;
        case RestRule::End::Breath:
            problems.Seconds(rest.maximum, 1, kMaxBreathSeconds, round, TableValue::BreathMaximum,
                             QT_TRANSLATE_NOOP("TableProblems",
                                               "the longest one-breath rest must be from %1 to %2 "
                                               "seconds"));
            return;
    }
}

}  // namespace

QList<TableProblem> TableProblems(const RoundsTable& table) {
    ProblemList problems;
    problems.Text(table.name, TableValue::Name,
                  QT_TRANSLATE_NOOP("TableProblems",
                                    "the name must be at most %1 characters, without control "
                                    "characters"));
    problems.Seconds(
        table.intro, 1, kMaxPhaseSeconds, 0, TableValue::Intro,
        QT_TRANSLATE_NOOP("TableProblems", "the intro must last from %1 to %2 seconds"));
    problems.Text(table.profile, TableValue::Profile,
                  QT_TRANSLATE_NOOP("TableProblems",
                                    "the cue profile's name must be at most %1 characters, without "
                                    "control characters"));
    if (table.rounds.isEmpty()) {
        problems.Add(
            0, TableValue::Rounds,
            QCoreApplication::translate("TableProblems", "the table must have at least one round"));
    }
    // Every row is checked, the last one's rest too though it is never run, so that a row
    // stays valid wherever it is moved.
    for (int row = 0; row < table.rounds.size(); ++row) {
        const Round& round = table.rounds[row];
        if (round.repeat < 1 || round.repeat > kMaxRepeat) {
            //: The repeat: how many times in a row the round is run.
            problems.Add(
                row + 1, TableValue::Repeat,
                QCoreApplication::translate("TableProblems", "the repeat must be from 1 to %1")
                    .arg(kMaxRepeat));
        }
        CheckHold(problems, row + 1, round.hold);
        CheckRest(problems, row + 1, round.rest);
    }
    if (const qint64 runRounds = RunRoundCount(table); runRounds > kMaxRunRounds) {
        //: %n is how many rounds the table runs, %1 the most a table may run.
        const QString text = QCoreApplication::translate(
            "TableProblems", "the table runs %n rounds with its repeats, more than %1", nullptr,
            PluralCount(runRounds));
        problems.Add(0, TableValue::Repeat,
                     ShownCount(text, runRounds, QString::number(runRounds)).arg(kMaxRunRounds));
    }
    // The session clock counts 32-bit seconds: a longer table could be loaded and listed, but
    // never started.
    const TableLength length = Length(table);
    constexpr qint64 kMaxSessionSeconds = std::numeric_limits<qint32>::max();
    if (length.seconds > kMaxSessionSeconds) {
        const int count = PluralCount(length.seconds);
        //: %n is how long the table lasts, %1 the most a session may last, both in seconds.
        QString text = QCoreApplication::translate(
            "TableProblems", "the table lasts %n seconds in all, more than %1", nullptr, count);
        if (!length.exact) {
            //: %n is the most the table can last, %1 the most a session may last, both in
            //: seconds.
            text = QCoreApplication::translate(
                "TableProblems", "the table lasts up to %n seconds in all, more than %1", nullptr,
                count);
        }
        problems.Add(0, TableValue::Repeat,
                     ShownCount(text, length.seconds, QString::number(length.seconds))
                         .arg(kMaxSessionSeconds));
    }
    return problems.Take();
}

}  // namespace vellorin
