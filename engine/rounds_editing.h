#pragma once

#include <QList>
#include <QString>
#include <optional>

#include "rounds_table.h"

namespace vellorin {

// What an editor of a table of rounds does to the table, apart from its widgets. Rows are
// counted from 0 here, as a list counts them (a TableProblem's round counts from 1). A table
// may be left without rows: TableProblems then says it needs one, and the editor offers Add.

// A value typed so that it cannot be read: below every limit TableProblems keeps, so that a
// table holding it is told of, and never run or saved.
inline constexpr qint32 kUnreadValue = -1;

// The text a field of the value shows: a time as the clock shows it ("03:05", "1:02:05"), a
// count (contractions, repeat) as a number; empty for kUnreadValue.
QString ValueText(TableValue value, qint32 number);
// The value a typed text gives: a time as m:ss, h:mm:ss or whole seconds, a count as a whole
// number; kUnreadValue for anything else.
qint32 ValueFromText(TableValue value, const QString& text);

// The cap a new hold that ends at a contraction starts from: the personal best on record,
// else 3:00.
qint32 DefaultCap(std::optional<int> personalBest);
// The round a new table starts from: a 1:00 hold, a 2:00 rest, once, its cap DefaultCap.
Round NewRound(std::optional<int> personalBest);

// The editing operations. Each returns the row to select after it, -1 for none.
// A row after `current` (after the last one when current is no row) from that row's hold and
// rest, run once; NewRound in a table without rows.
int AddRound(RoundsTable& table, int current, std::optional<int> personalBest);
// An exact copy of `current`, its repeat too, after it.
int DuplicateRound(RoundsTable& table, int current);
// Removes `current`; the row that took its place is selected, else the one before.
int RemoveRound(RoundsTable& table, int current);
// Moves `current` by one row up (by < 0) or down (by > 0); a row at the end stays.
int MoveRound(RoundsTable& table, int current, int by);

// The values of a round an editor shows, in the order it shows them: those its hold's and
// its rest's kinds use, then the repeat.
QList<TableValue> RoundValues(const Round& round);
// A value of a round (HoldSeconds to BreathMaximum, and Repeat), and setting it; other values
// are the table's and give kUnreadValue or change nothing.
qint32 RoundValue(const Round& round, TableValue value);
void SetRoundValue(Round& round, TableValue value, qint32 number);

// The total an editor shows below the rounds: "8 rounds, 24:30", "8 rounds, up to 24:30" when a
// hold or a rest ends at a contraction or a key, the intro counted; only "8 rounds" while a
// value is still to mend, as the length would mean nothing.
QString TotalText(const RoundsTable& table);

// Each row whose hold can last longer than the personal best (a timed hold's length, the cap
// of one that ends at a contraction), as a problem naming its round and the value: "Round 3:
// the hold of 03:10 is longer than your personal best of 03:00." None without a best on record.
// A warning, not a problem: such a table can still be saved and run.
QList<TableProblem> HoldsAbovePersonalBest(const RoundsTable& table,
                                           std::optional<int> personalBest);

}  // namespace vellorin
