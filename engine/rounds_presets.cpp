#include "rounds_presets.h"

#include <QCoreApplication>
#include <algorithm>
#include <array>
#include <cmath>

#include "allgemein.h"
#include "classic_rounds.h"
#include "pb_tables.h"

namespace vellorin {
namespace {

struct PresetEntry {
    RoundsPreset preset;
    const char* key;
    const char* title;  // the table's name, %1 standing for the PB it is made from
    bool usesBest;
};
// The one list of the presets: the command line's usage text and the menu follow it.
// The names are translated where a table is made; the keys never are.
constexpr std::array<PresetEntry, 7> kPresets{{
    //: The name of a new table; %1 is the personal best it is made from, like 03:00.
    {RoundsPreset::Co2, "co2", QT_TRANSLATE_NOOP("RoundsPresets", "CO2 from a PB of %1"), true},
    //: The name of a new table; %1 is the personal best it is made from, like 03:00.
    {RoundsPreset::O2, "o2", QT_TRANSLATE_NOOP("RoundsPresets", "O2 from a PB of %1"), true},
    //: The name of a new table; %1 is the personal best it is made from, like 03:00.
    {RoundsPreset::Pyramid, "pyramid",
     QT_TRANSLATE_NOOP("RoundsPresets", "Pyramid from a PB of %1"), true},
    //: The name of a new table whose holds end after the first contraction ("Wonka" is a name);
    //: %1 is the personal best it is made from, like 03:00.
    {RoundsPreset::Wonka, "wonka", QT_TRANSLATE_NOOP("RoundsPresets", "Wonka from a PB of %1"),
     true},
    //: The name of a new table whose holds end at a count of contractions; %1 is the personal
    //: best it is made from, like 03:00.
    {RoundsPreset::WonkaCount, "wonka-count",
     QT_TRANSLATE_NOOP("RoundsPresets", "Wonka by count from a PB of %1"), true},
    //: The name of a new table whose rests are one breath each.
    {RoundsPreset::OneBreath, "one-breath", QT_TRANSLATE_NOOP("RoundsPresets", "One-breath"),
     false},
    //: The name of a new table whose holds start at a fixed interval.
    {RoundsPreset::Intervals, "intervals", QT_TRANSLATE_NOOP("RoundsPresets", "Static intervals"),
     false},
}};

constexpr int kPyramidPercents[] = {40, 50, 60, 70, 60, 50, 40};

const PresetEntry& Entry(RoundsPreset preset) {
    return *std::find_if(kPresets.begin(), kPresets.end(),
                         [preset](const PresetEntry& entry) { return entry.preset == preset; });
}

// Only the six settings fields, for the session plan that makes a classic table's rounds.
class SettingsOnly : public TrainerWindow {
public:
    explicit SettingsOnly(QStringList settings) : settings_(std::move(settings)) {}
    void SetCaption(Control, const Caption&) override {}
    QString FieldText(Field field) const override {
        return settings_.value(static_cast<int>(field));
    }
    void SetFieldText(Field, const QString&) override {}
    void SetTimerEnabled(bool) override {}
    void ShowMessage(const QString&) override {}
    void PlayWave(const QString&) override {}
    QString ApplicationFolder() const override { return {}; }
    QString UserDataFolder() const override { return {}; }
    CommonDialog& CommonDialog1() override { return noDialog_; }

private:
    QStringList settings_;
    NoDialog noDialog_;
};

// The classic CO2 or O2 table, computed as a session of its six settings would run it.
PresetTable ClassicPreset(PbTableKind kind, int pbSeconds) {
    QStringList settings = PbTableSettings(kind, pbSeconds);
    settings.prepend(QString::number(kPresetIntro));
    ClassicRounds classic = RoundsFromClassic(SettingsOnly(settings));
    return {std::move(classic.table), std::move(classic.problem)};
}

qint32 PercentOf(int pbSeconds, int percent) {
    return std::max(qint32{1}, static_cast<qint32>(std::lround(pbSeconds * percent / 100.0)));
}

RoundsTable Pyramid(int pbSeconds) {
    RoundsTable table;
    for (const int percent : kPyramidPercents) {
        const qint32 hold = PercentOf(pbSeconds, percent);
        table.rounds.append({HoldRule::Timed(hold), RestRule::Timed(hold), 1});
    }
    return table;
}

RoundsTable Repeated(const HoldRule& hold, const RestRule& rest, int repeat) {
    RoundsTable table;
    table.rounds.append({hold, rest, repeat});
    return table;
}

qint32 LongestHold(const RoundsTable& table) {
    qint32 longest = 0;
    for (const Round& round : table.rounds) {
        longest = std::max(
            longest, round.hold.end == HoldRule::End::Time ? round.hold.seconds : round.hold.cap);
    }
    return longest;
}

}  // namespace

QStringList PresetKeys() {
    QStringList keys;
    for (const PresetEntry& entry : kPresets) {
        keys.append(QString::fromLatin1(entry.key));
    }
    return keys;
}

QString PresetKey(RoundsPreset preset) {
    return QString::fromLatin1(Entry(preset).key);
}

std::optional<RoundsPreset> PresetFromKey(const QString& key) {
    for (const PresetEntry& entry : kPresets) {
        if (key.compare(QLatin1String(entry.key), Qt::CaseInsensitive) == 0) {
            return entry.preset;
        }
    }
    return std::nullopt;
}

bool UsesPersonalBest(RoundsPreset preset) {
    return Entry(preset).usesBest;
}

bool HasClassicTable(RoundsPreset preset) {
    return preset == RoundsPreset::Co2 || preset == RoundsPreset::O2;
}

PresetTable MakePreset(RoundsPreset preset, int pbSeconds) {
    if (UsesPersonalBest(preset) && (pbSeconds < 1 || pbSeconds > kMaxPresetBest)) {
        //: %1 is the longest personal best a table is made from, a time like 24:00:00.
        return {std::nullopt, QCoreApplication::translate("RoundsPresets",
                                                          "the personal best must be from 00:01 "
                                                          "to %1 for a table of rounds")
                                  .arg(FormatSeconds(kMaxPresetBest))};
    }
    PresetTable made;
    switch (preset) {
        case RoundsPreset::Co2:
            made = ClassicPreset(PbTableKind::Co2, pbSeconds);
            break;
        case RoundsPreset::O2:
            made = ClassicPreset(PbTableKind::O2, pbSeconds);
            break;
        case RoundsPreset::Pyramid:
            made.table = Pyramid(pbSeconds);
            break;
        case RoundsPreset::Wonka:
            made.table = Repeated(HoldRule::AtFirstContraction(kWonkaMargin, pbSeconds),
                                  RestRule::Timed(kPresetRest), kPresetRounds);
            break;
        case RoundsPreset::WonkaCount:
            made.table = Repeated(HoldRule::AtContraction(kWonkaContractions, pbSeconds),
                                  RestRule::Timed(kPresetRest), kPresetRounds);
            break;
        case RoundsPreset::OneBreath:
            made.table =
                Repeated(HoldRule::Timed(kPresetHold), RestRule::OneBreath(), kPresetRounds);
            break;
        case RoundsPreset::Intervals:
            made.table = Repeated(HoldRule::Timed(kPresetHold), RestRule::OnCycle(kIntervalCycle),
                                  kIntervalRounds);
            break;
    }
    if (made.table) {
        made.table->intro = kPresetIntro;
        made.table->name = QCoreApplication::translate("RoundsPresets", Entry(preset).title);
        if (UsesPersonalBest(preset)) {
            made.table->name = made.table->name.arg(FormatSeconds(pbSeconds));
        }
    }
    return made;
}

QString PresetWarning(RoundsPreset preset, const RoundsTable& table,
                      std::optional<int> recordedBest) {
    const qint32 longest = LongestHold(table);
    if (preset == RoundsPreset::O2) {
        // The classic O2 table's warning: its last hold is its longest.
        return PbTableWarning(PbTableKind::O2, {QString::number(longest)}, recordedBest);
    }
    return LongestHoldWarning(longest, recordedBest);
}

}  // namespace vellorin
