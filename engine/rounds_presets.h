#pragma once

#include <QString>
#include <QStringList>
#include <optional>

#include "rounds_table.h"

namespace vellorin {

// The ready-made tables of rounds, each with a 30 s intro. Those marked PB are made from a
// personal best (PB) of a static hold:
//   co2 (PB)          the classic CO2 table from the PB, hold for hold and rest for rest
//   o2 (PB)           the classic O2 table from the PB, the same way
//   pyramid (PB)      holds of 40, 50, 60, 70, 60, 50 and 40 % of the PB, each rest as long
//                     as the hold before it
//   wonka (PB)        8 holds, each ending 30 s after its first contraction, at the PB at
//                     the latest; 2:00 rests
//   wonka-count (PB)  8 holds, each ending at its 10th contraction, at the PB at the latest;
//                     2:00 rests
//   one-breath        8 holds of 1:00, one breath between them (at most 10 s)
//   intervals         10 holds of 1:00, one starting every 2:00 (a rest never under 15 s)
// Holds are whole seconds, rounded, and never under a second.
enum class RoundsPreset { Co2, O2, Pyramid, Wonka, WonkaCount, OneBreath, Intervals };

inline constexpr qint32 kPresetIntro = 30;
inline constexpr int kPresetRounds = 8;
inline constexpr qint32 kPresetRest = 120;
inline constexpr qint32 kWonkaMargin = 30;
inline constexpr int kWonkaContractions = 10;
inline constexpr qint32 kPresetHold = 60;  // one-breath and intervals
inline constexpr int kIntervalRounds = 10;
inline constexpr qint32 kIntervalCycle = 120;
// A PB beyond a day would make a hold or cap longer than any table of rounds holds.
inline constexpr int kMaxPresetBest = kMaxPhaseSeconds;

// The presets' keys, in the order they are offered: "co2", "o2", "pyramid", "wonka",
// "wonka-count", "one-breath", "intervals".
QStringList PresetKeys();
QString PresetKey(RoundsPreset preset);
// The preset a key names, whatever its case; nothing for an unknown key.
std::optional<RoundsPreset> PresetFromKey(const QString& key);
// Whether the preset is made from a PB (the one-breath and interval tables are not).
bool UsesPersonalBest(RoundsPreset preset);
// Whether the classic table of six settings can hold the preset too (co2 and o2).
bool HasClassicTable(RoundsPreset preset);

// The preset as a table of rounds that passes TableProblems, made from a PB of pbSeconds
// (ignored by presets that use none), or why not: a PB under a second or over a day.
struct PresetTable {
    std::optional<RoundsTable> table;
    QString problem;
};
PresetTable MakePreset(RoundsPreset preset, int pbSeconds);

// The warning shown before a preset is used, as for the classic tables: a hold (or cap)
// longer than the best recorded PB, or an O2 table's last hold over 80 % of it. Empty when
// there is nothing to warn of or no PB is on record.
QString PresetWarning(RoundsPreset preset, const RoundsTable& table,
                      std::optional<int> recordedBest);

}  // namespace vellorin
