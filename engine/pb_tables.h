#pragma once

#include <QString>
#include <QStringList>
#include <QtGlobal>
#include <optional>

namespace vellorin {

// The two classic tables made from a personal best (PB) of a static hold, as public
// freediving training guidance gives them:
//   CO2: every hold 50 % of the PB; the first rest 2:00, each rest 15 s shorter; 8 loops.
//   O2:  every rest 2:00; the last hold 80 % of the PB, each hold 15 s longer than the one
//        before; 8 loops, or fewer, as many as keep the first hold at 20 s or more.
// Holds are rounded to whole seconds.
enum class PbTableKind { Co2, O2 };

// Said once, plainly, where the user looks before a test or a table from a PB; shown through
// BreathHoldSafety(), translated.
inline constexpr char kBreathHoldSafety[] = QT_TRANSLATE_NOOP(
    "PersonalBest",
    "Train breath-holds only on dry land, sitting or lying, never in or near water, and never "
    "alone.");

inline constexpr int kPbTableLoops = 8;
inline constexpr int kPbTableRest = 120;
inline constexpr int kPbTableStep = 15;
inline constexpr int kShortestO2Hold = 20;

// The texts of the five fields after the intro (hold, hold increase, rest, rest decrease,
// loops) for a table of this kind from a PB of pbSeconds.
QStringList PbTableSettings(PbTableKind kind, int pbSeconds);

// kBreathHoldSafety in the user's language.
QString BreathHoldSafety();

// A PB as typed: "m:ss" ("3:00"), "h:mm:ss" ("1:02:05") or whole seconds ("180"); nothing for
// anything else or for a PB of less than a second.
std::optional<int> ParsePersonalBest(const QString& text);

// A warning before a table fills the fields: an O2 table whose last hold is over 80 % of
// the best recorded PB, or any table whose longest hold is over it. Empty when there is
// nothing to warn of, or no PB on record.
QString PbTableWarning(PbTableKind kind, const QStringList& settings,
                       std::optional<int> recordedBest);
// The same warning for a table whose longest hold (a cap, for a hold that ends at a
// contraction) is longer than the best recorded PB; empty when it is not, or no PB is on record.
QString LongestHoldWarning(int longest, std::optional<int> recordedBest);

}  // namespace vellorin
