#pragma once

#include <QList>
#include <QString>
#include <QtGlobal>
#include <optional>

namespace vellorin {

// A table of rounds: any list of holds, each followed by a rest, beside the classic table of
// six settings. Every count of time is whole seconds. The types are plain values; the rules
// for what a table may hold are in TableProblems, and a table is run only once it has none.

// The limits a table keeps to, so that every table that passes can be run, shown and logged:
// a phase lasts at most a day, a loop number fits the 16 bits it is shown and logged with.
inline constexpr qint32 kMaxPhaseSeconds = 86400;  // 24 hours: intro, hold, cap, rest, cycle
inline constexpr int kMaxRepeat = 1000;
inline constexpr int kMaxRunRounds = 32767;  // rounds after the repeats are counted out
inline constexpr int kMaxContractions = 50;  // N of a hold that ends at the N-th contraction
inline constexpr qint32 kMaxMargin = 600;    // 10 minutes after the first contraction
inline constexpr qint32 kMaxBreathSeconds = 60;
inline constexpr int kMaxTextLength = 200;  // characters of a name or a cue-profile name

// Defaults an editor offers for a new rule.
inline constexpr qint32 kDefaultCap = 180;  // 3:00, when no personal best is on record
// An interval rest never falls below 15 s: a hold that ran into its cycle still gets a few
// breaths before the next one starts.
inline constexpr qint32 kDefaultRestFloor = 15;
inline constexpr qint32 kDefaultBreathSeconds = 10;  // the most a one-breath rest waits

// How a hold ends.
struct HoldRule {
    enum class End {
        Time,              // after `seconds`
        FirstContraction,  // `margin` seconds after the first contraction
        Contractions,      // at the `contractions`-th contraction
    };
    End end = End::Time;
    qint32 seconds = 60;
    qint32 margin = 30;
    int contractions = 1;
    // A hold that ends at a contraction always ends at `cap` at the latest, as a timed hold
    // would, and never before `minimum` (0: no minimum).
    qint32 cap = kDefaultCap;
    qint32 minimum = 0;

    static HoldRule Timed(qint32 seconds);
    static HoldRule AtFirstContraction(qint32 margin, qint32 cap, qint32 minimum = 0);
    static HoldRule AtContraction(int contractions, qint32 cap, qint32 minimum = 0);

    // Two rules are equal when they end a hold alike: values the kind does not use are
    // left out, so that an editor may keep them while the kind is switched.
    bool operator==(const HoldRule& other) const;
};

// How a rest ends.
struct RestRule {
    enum class End {
        Time,    // after `seconds`
        Cycle,   // `cycle` seconds after its hold began, never shorter than `floor`
        Breath,  // at the key that ends a one-breath rest, after `maximum` at the latest
    };
    End end = End::Time;
    qint32 seconds = 120;
    qint32 cycle = 120;
    qint32 floor = kDefaultRestFloor;
    qint32 maximum = kDefaultBreathSeconds;

    static RestRule Timed(qint32 seconds);
    static RestRule OnCycle(qint32 cycle, qint32 floor = kDefaultRestFloor);
    static RestRule OneBreath(qint32 maximum = kDefaultBreathSeconds);

    bool operator==(const RestRule& other) const;
};

// One row of a table: a hold and the rest after it, run `repeat` times in a row. The rest
// after the table's very last hold is never run.
struct Round {
    HoldRule hold;
    RestRule rest;
    int repeat = 1;

    bool operator==(const Round&) const = default;
};

struct RoundsTable {
    QString name;       // may be empty
    qint32 intro = 30;  // the countdown before the first hold
    QList<Round> rounds;
    QString profile;  // the cue profile it is run with; empty for the user's default

    bool operator==(const RoundsTable&) const = default;
};

// One round in the order a session runs them, the repeats counted out.
struct RunRound {
    HoldRule hold;
    std::optional<RestRule> rest;  // none after the last round
    int row = 0;                   // the table's row it comes from, from 0
    int repetition = 1;            // which of that row's repeats, from 1
};
// The rounds in the order they run. For a table that passes TableProblems; at most
// kMaxRunRounds are given whatever the table holds.
QList<RunRound> RunOrder(const RoundsTable& table);
// How many rounds the table runs, repeats counted out (without a limit, so that a table
// with too many can be told of).
qint64 RunRoundCount(const RoundsTable& table);

// The hold's length when it is known before it starts: a timed hold's.
std::optional<qint32> KnownHoldLength(const HoldRule& hold);
// The rest's length when it is known before it starts: a timed rest's, or a cycle's after a
// hold of known length.
std::optional<qint32> KnownRestLength(const RestRule& rest, const HoldRule& hold);

// How long a hold lasts, given the seconds held at which each contraction was marked (in
// order): at the first or N-th contraction (plus the margin), never before the minimum nor
// under a second, and at the cap at the latest; a timed hold lasts its seconds.
qint32 HoldLength(const HoldRule& hold, const QList<qint32>& contractionsAt);
// How long a rest lasts after a hold of `held` seconds; for a one-breath rest, the key
// pressed at `breathAt` seconds into the rest (nothing: not pressed, the maximum is reached).
qint32 RestLength(const RestRule& rest, qint32 held, std::optional<qint32> breathAt = {});

// The longest a hold can last by its rule (its cap when it ends at a contraction), and the
// longest the rest after it can (a cycle's rest after the shortest hold the rule allows).
qint32 LongestHold(const HoldRule& hold);
qint32 LongestRest(const RestRule& rest, const HoldRule& hold);

// The table's length from the first intro second to the last second of the last hold. When
// a phase ends at a contraction or a key, it is the most the table can last (caps, maximums,
// and a cycle's rest after the shortest hold its rule allows) and not exact.
struct TableLength {
    qint64 seconds = 0;
    bool exact = true;
    bool operator==(const TableLength&) const = default;
};
TableLength Length(const RoundsTable& table);
// Every phase that is run has a length known before the session (what an audio export needs).
bool EveryPhaseTimed(const RoundsTable& table);

// A value of a table that a rule can find wrong, for an editor to put the cursor in.
enum class TableValue {
    Name,
    Intro,
    Profile,
    Rounds,
    Repeat,
    HoldSeconds,
    Margin,
    Contractions,
    Cap,
    Minimum,
    RestSeconds,
    Cycle,
    Floor,
    BreathMaximum,
};
struct TableProblem {
    int round = 0;  // the row, from 1 as an editor shows it; 0 for the table as a whole
    TableValue value = TableValue::Rounds;
    QString reason;  // "the cap must be at least the minimum"
    // The reason as a sentence: "Round 3: the cap must be at least the minimum."
    QString Sentence() const;
};
// Everything that keeps the table from being run, in the order of its rows; empty when it
// can be run.
QList<TableProblem> TableProblems(const RoundsTable& table);

// The length of a text as a reader of its UTF-8 counts characters (code points).
qsizetype TextLength(const QString& text);

}  // namespace vellorin
